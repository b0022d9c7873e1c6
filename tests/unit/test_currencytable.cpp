// The currency record and the table's first-match lookups.
#include "data/CurrencyTable.h"
#include "support/Errors.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<CCurrencyData> rec(const char* country, const char* iso, const char* region = "Europe",
                                   double rate = 1.0)
{
    return std::make_unique<CCurrencyData>(rate, region, country, iso, "Units", 0);
}
} // namespace

TEST(CurrencyData, Constructors)
{
    const CCurrencyData blank;
    EXPECT_EQ(blank.GetRate(), 1.0);
    EXPECT_EQ(blank.GetIsoCode(), "0");
    EXPECT_TRUE(blank.GetRegion().isEmpty());
    EXPECT_TRUE(blank.GetCountryName().isEmpty());
    EXPECT_TRUE(blank.GetDenomination().isEmpty());

    // rate, region, country, ISO, denomination, resource index
    const CCurrencyData full(0.0, "Europe", "Germany", "EUR", "Euros", 12);
    EXPECT_EQ(full.GetRate(), 0.0);
    EXPECT_EQ(full.GetRegion(), "Europe");
    EXPECT_EQ(full.GetCountryName(), "Germany");
    EXPECT_EQ(full.GetIsoCode(), "EUR");
    EXPECT_EQ(full.GetDenomination(), "Euros");
    EXPECT_EQ(full.GetResourceIndex(), 12);
}

TEST(CurrencyTable, FindsTheFirstExactMatchOnly)
{
    CurrencyTable t;
    t.Append(rec("France", "EUR"));
    t.Append(rec("Germany", "EUR"));
    t.Append(rec("France", "FRX"));   // a second France: never found
    EXPECT_EQ(t.FindByCountry("France")->GetIsoCode(), "EUR");
    EXPECT_EQ(t.IndexOfCountry("Germany"), 1);
    EXPECT_EQ(t.FindByCountry("france"), nullptr);
    EXPECT_EQ(t.FindByCountry("France "), nullptr);
    EXPECT_EQ(t.FindByCountry(""), nullptr);
    EXPECT_EQ(t.IndexOfCountry("Spain"), -1);
    EXPECT_EQ(t.FindByIso("EUR")->GetCountryName(), "France");
    EXPECT_EQ(t.FindByIso("eur"), nullptr);
}

TEST(CurrencyTable, RegionLookupKeepsTableOrder)
{
    CurrencyTable t;
    t.Append(rec("Japan", "JPY", "Asia"));
    t.Append(rec("France", "EUR", "Europe"));
    t.Append(rec("India", "INR", "Asia"));
    const auto asia = t.InRegion("Asia");
    ASSERT_EQ(asia.size(), 2u);
    EXPECT_EQ(asia[0]->GetCountryName(), "Japan");
    EXPECT_EQ(asia[1]->GetCountryName(), "India");
    EXPECT_TRUE(t.InRegion("Oceania").empty());
}

TEST(CurrencyTable, ClearAndBounds)
{
    CurrencyTable t;
    t.Append(rec("Japan", "JPY"));
    t.Append(static_cast<CCurrencyData*>(nullptr));
    EXPECT_EQ(t.Count(), 1);
    EXPECT_THROW(t.At(1), VemoxError);
    EXPECT_THROW(t.At(-1), VemoxError);
    t.ClearTable();
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.FindByCountry("Japan"), nullptr);
}
