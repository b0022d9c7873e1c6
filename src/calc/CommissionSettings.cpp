#include "calc/CommissionSettings.h"

#include "Defs.h"
#include "calc/CommissionTable.h"
#include "support/SettingsStore.h"

QStringList StoredCommissionSettings()
{
    SettingsStore store;
    const SettingsStore::List stored = store.readList(Defs::kKeyCommission, QStringLiteral("Commission"));
    store.reportProblems();
    return stored.found ? stored.entries : CommissionTable::Defaults();
}
