#include "support/FormatChoices.h"

#include "Defs.h"
#include "support/Formats.h"
#include "support/Zymregistry.h"

namespace {
bool read(const QString& name, int& out)
{
    return ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, out, KEY_READ);
}
void write(const QString& name, int in)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, in, KEY_WRITE);
}
} // namespace

void FormatChoices::load()
{
    read(Defs::kValPunctuation, punctuation);
    read(Defs::kValDecimalPlaces, decimals);
    decimals = Formats::decimalPlaces(decimals);   // what the amounts show
    read(Defs::kValDateFormat, dateFormat);
}

bool FormatChoices::save() const
{
    ZYMAPI::StoreChange change;
    write(Defs::kValDateFormat, dateFormat);
    write(Defs::kValPunctuation, punctuation);
    write(Defs::kValDecimalPlaces, decimals);
    return change.commit();
}

QString FormatChoices::numberFormat() const { return Formats::numberFormatForDecimals(decimals); }
