#pragma once
// One currency: its rate against the US dollar (0.0: no rate known), region, ISO code,
// country name (the key every lookup uses), denomination and position in the resource
// library (NoResourceIndex: none, shown with the program's own banknote picture), and the
// date its rate is of when the data file says so.
#include <QString>
#include <cstdint>

inline constexpr std::int32_t NoResourceIndex = 9999;

class CCurrencyData {
public:
    CCurrencyData() = default;
    // Note the order: the country name comes before the ISO code.
    CCurrencyData(double rate, QString region, QString countryName, QString isoCode,
                  QString denomination, std::int32_t resourceIndex)
        : Rate(rate), Region(std::move(region)), IsoCode(std::move(isoCode)),
          CountryName(std::move(countryName)), Denomination(std::move(denomination)),
          ResourceIndex(resourceIndex)
    {
    }

    double GetRate() const { return Rate; }
    void SetRate(double v) { Rate = v; }
    const QString& GetRegion() const { return Region; }
    void SetRegion(const QString& v) { Region = v; }
    const QString& GetIsoCode() const { return IsoCode; }
    void SetIsoCode(const QString& v) { IsoCode = v; }
    const QString& GetCountryName() const { return CountryName; }
    void SetCountryName(const QString& v) { CountryName = v; }
    const QString& GetDenomination() const { return Denomination; }
    void SetDenomination(const QString& v) { Denomination = v; }
    std::int32_t GetResourceIndex() const { return ResourceIndex; }
    void SetResourceIndex(std::int32_t v) { ResourceIndex = v; }
    const QString& GetAsOf() const { return AsOf; }
    void SetAsOf(const QString& v) { AsOf = v; }

private:
    double Rate = 1.0;
    QString Region;
    QString IsoCode = QStringLiteral("0");
    QString CountryName;
    QString Denomination;
    std::int32_t ResourceIndex = NoResourceIndex;
    QString AsOf;   // as the data line wrote it; empty when it did not
};
