#pragma once
// The commission values as the settings dialog starts from them: the list stored under
// Cvx, as it stands, or the defaults when the store holds none. Nothing is written.
#include <QStringList>

QStringList StoredCommissionSettings();
