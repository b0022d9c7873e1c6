#pragma once
// The ordered, owning list of currencies, in load order. Lookups return the first match
// (exact, case-sensitive, no trimming); the table itself enforces no uniqueness.
#include "data/CurrencyData.h"
#include <memory>
#include <vector>

class CurrencyTable {
public:
    int Count() const { return static_cast<int>(records_.size()); }
    // Position 0 to Count()-1; anything else is a programming fault and raises VemoxError.
    CCurrencyData* At(int index) const;
    // Takes ownership; a null record is ignored.
    void Append(std::unique_ptr<CCurrencyData> record);
    void Append(CCurrencyData* record) { Append(std::unique_ptr<CCurrencyData>(record)); }
    void ClearTable()
    {
        records_.clear();
        userFileRead_ = false;
    }

    // True once a load has read "UserDefined.dat" to its end (or found none): only then does
    // the table hold every user-defined currency, and only then may the file be rewritten.
    bool UserFileRead() const { return userFileRead_; }
    void SetUserFileRead(bool whole) { userFileRead_ = whole; }

    // First record whose country name equals the key exactly; nullptr if none.
    CCurrencyData* FindByCountry(const QString& countryName) const;
    // Position of that record, or -1.
    int IndexOfCountry(const QString& countryName) const;
    // First record with this ISO code (same exact comparison); nullptr if none.
    CCurrencyData* FindByIso(const QString& isoCode) const;
    // Every record of a region, in table order.
    std::vector<CCurrencyData*> InRegion(const QString& region) const;

private:
    std::vector<std::unique_ptr<CCurrencyData>> records_;
    bool userFileRead_ = false;
};
