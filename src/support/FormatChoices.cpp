#include "support/FormatChoices.h"

#include "Defs.h"
#include "support/Formats.h"
#include "support/Zymregistry.h"

void FormatChoices::load()
{
    ZYMAPI::ReadGeneral(Defs::kValPunctuation, punctuation);
    ZYMAPI::ReadGeneral(Defs::kValDecimalPlaces, decimals);
    decimals = Formats::decimalPlaces(decimals);   // what the amounts show
    ZYMAPI::ReadGeneral(Defs::kValDateFormat, dateFormat);
}

bool FormatChoices::save() const
{
    ZYMAPI::StoreChange change;
    ZYMAPI::WriteGeneral(Defs::kValDateFormat, dateFormat);
    ZYMAPI::WriteGeneral(Defs::kValPunctuation, punctuation);
    ZYMAPI::WriteGeneral(Defs::kValDecimalPlaces, decimals);
    return change.commit();
}

QString FormatChoices::numberFormat() const { return Formats::numberFormatForDecimals(decimals); }
