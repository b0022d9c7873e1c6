#include "calc/CommissionSettings.h"

#include "Defs.h"
#include "calc/CommissionTable.h"
#include "support/Zymregistry.h"

QStringList StoredCommissionSettings()
{
    QStringList list;
    if (!ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, list, KEY_READ))
        list = CommissionTable::Defaults();
    return list;
}
