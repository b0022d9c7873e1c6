#include "data/CurrencyTable.h"
#include "support/Errors.h"
#include "support/Translate.h"

CCurrencyData* CurrencyTable::At(int index) const
{
    if (index < 0 || index >= Count())
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "List index out of bounds (%1)")).arg(index));
    return records_[static_cast<size_t>(index)].get();
}

void CurrencyTable::Append(std::unique_ptr<CCurrencyData> record)
{
    if (record)
        records_.push_back(std::move(record));
}

int CurrencyTable::IndexOfCountry(const QString& countryName) const
{
    for (size_t i = 0; i < records_.size(); ++i)
        if (records_[i]->GetCountryName() == countryName)
            return static_cast<int>(i);
    return -1;
}

CCurrencyData* CurrencyTable::FindByCountry(const QString& countryName) const
{
    const int i = IndexOfCountry(countryName);
    return i < 0 ? nullptr : records_[static_cast<size_t>(i)].get();
}

CCurrencyData* CurrencyTable::FindByIso(const QString& isoCode) const
{
    for (const auto& r : records_)
        if (r->GetIsoCode() == isoCode)
            return r.get();
    return nullptr;
}

std::vector<CCurrencyData*> CurrencyTable::InRegion(const QString& region) const
{
    std::vector<CCurrencyData*> out;
    for (const auto& r : records_)
        if (r->GetRegion() == region)
            out.push_back(r.get());
    return out;
}
