#pragma once
// The commission values as the settings dialog starts from them: the entries stored under
// Cvx by value name, as they stand (a damaged one is told and given as empty), or the
// defaults when the store holds none. Nothing is written.
#include <QStringList>

QStringList StoredCommissionSettings();
