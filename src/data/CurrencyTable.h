#pragma once
// The ordered, owning list of currencies, in load order. Lookups return the first match
// (exact, case-sensitive, no trimming); the table itself enforces no uniqueness.
#include "data/CurrencyData.h"
#include <memory>
#include <vector>

class CurrencyTable {
public:
    // A line of "UserDefined.dat" the load could not use, as read, and how many of the
    // file's currencies stood before it: a rewrite of the file puts it back where it was.
    struct UnreadLine {
        QString text;
        int after = 0;
    };

    int Count() const { return static_cast<int>(records_.size()); }
    // Position 0 to Count()-1; anything else is a programming fault and raises VemoxError.
    CCurrencyData* At(int index) const;
    // Takes ownership; a null record is ignored.
    void Append(std::unique_ptr<CCurrencyData> record);
    void Append(CCurrencyData* record) { Append(std::unique_ptr<CCurrencyData>(record)); }
    void ClearTable()
    {
        records_.clear();
        unread_.clear();
        userFileRead_ = false;
    }

    // True once a load has read "UserDefined.dat" (or found none): only then does the table
    // hold every user-defined currency, with the lines it could not use kept beside them,
    // and only then may the file be rewritten.
    bool UserFileRead() const { return userFileRead_; }
    void SetUserFileRead(bool whole) { userFileRead_ = whole; }
    const std::vector<UnreadLine>& UnreadUserLines() const { return unread_; }
    void KeepUnreadUserLine(const QString& text, int after) { unread_.push_back({text, after}); }

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
    std::vector<UnreadLine> unread_;
    bool userFileRead_ = false;
};
