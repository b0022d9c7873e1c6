// The operator's own currencies: the add dialog's checks in their order, the name proposal,
// the code list, the rate field, and the file the currency editor writes.
#include "common/TestEnv.h"
#include "data/UserCurrencies.h"
#include "support/Errors.h"
#include "support/Formats.h"

#include <gtest/gtest.h>

using namespace UserCurrencies;
using Field = AddCheck::Field;

namespace {

struct UserCurrenciesTest : ::testing::Test {
    void SetUp() override
    {
        testenv::freshWorkDir();
        table.Append(new CCurrencyData(1.1, "Europe", "France", "EUR", "Euros", 1));
        table.Append(new CCurrencyData(1.1, "Europe", "Spain", "EUR", "Pesetas", 2));
        table.Append(new CCurrencyData(24000.125, "Asia", "Chad9", "xaf", "Francs", 3));
        table.Append(new CCurrencyData(0.0, "Asia", "Nowhere", "XAF", "Nothing", 4));
        table.Append(new CCurrencyData(2, "User Defined", "Moonland", "MNL", "Moons", NoResourceIndex));
        table.SetUserFileRead(true);
        Formats::applyPunctuationChoice(1);   // ',' as decimal separator: files and fields keep '.'
    }
    void TearDown() override { FormatSettings::current() = saved; }

    CurrencyTable table;
    FormatSettings saved = FormatSettings::current();
};

} // namespace

TEST_F(UserCurrenciesTest, ChecksRunInOrderWithTheirMessageAndFocus)
{
    Session s(table);
    s.Add(std::make_unique<CCurrencyData>(3, kRegion, "Sunland", "SUN", "Suns", NoResourceIndex));
    const struct {
        AddInput in;
        QString message;
        Field focus;
        double rate;
    } rows[] = {
        {{"", false, "", "", ""}, kNoName, Field::EName, 0},
        {{"France", false, "EUR", "1", "x"}, kNameExists, Field::EName, 0},
        {{"Sunland", false, "ABC", "1", "x"}, kNameExists, Field::EName, 0},   // added in this window
        {{"FRANCE", false, "eur", "1", "x"}, kIsoInUse, Field::EISO, 0},      // code compared in upper case
        {{"Mars", false, "sun", "1", "x"}, kIsoInUse, Field::EISO, 0},
        {{"Mars", false, "abc", "", "x"}, kZeroRate, Field::ER, 0},           // an empty rate reads as 0
        {{"Mars", false, "abc", "   1.5     ", ""}, kNoDenomination, Field::EDenom, 0},
        {{"Mars\nLand", false, "abc", "1", "x"}, kUnstorable.arg("Country Name"), Field::EName, 0},
        {{"Mars", false, "ab", "1", "x"}, kIsoLetters, Field::EISO, 0},
        {{"Mars", false, "abc", "1", "Z\u0142oty"}, kUnstorable.arg("Denomination"), Field::EDenom, 0},
        {{"Mars", false, "abc", "1", "<b>"}, kUnstorable.arg("Denomination"), Field::EDenom, 0},
        {{"Mars", false, "abc", "0001.500000", "Marks"}, "", Field::None, 1.5},
        // An existing code passes, with the chosen currency's own rate rather than the field's.
        {{"Chad910", true, "xaf", "4000.125000", "Francs"}, "", Field::None, 24000.125},
        {{"Chad910", true, "XAF", "0000.000000", "Nothing"}, kZeroRate, Field::ER, 0},
    };
    for (const auto& row : rows) {
        const AddCheck c = s.Check(row.in);
        EXPECT_EQ(c.message, row.message) << row.in.name.toStdString();
        EXPECT_EQ(c.focus, row.focus) << row.in.name.toStdString();
        if (c.ok()) {
            const auto r = Session::Record(row.in, c);
            EXPECT_EQ(r->GetRate(), row.rate);
            EXPECT_EQ(r->GetIsoCode(), row.in.iso.toUpper());
            EXPECT_EQ(r->GetRegion(), "User Defined");
            EXPECT_EQ(r->GetResourceIndex(), NoResourceIndex);
        }
    }
    EXPECT_EQ(NextCountryName("France"), "France1");
    EXPECT_EQ(NextCountryName("France1"), "France12");
    EXPECT_EQ(NextCountryName("Chad9"), "Chad910");
    EXPECT_EQ(IsoCodes(table), QStringList({"EUR", "MNL", "xaf"}));
    EXPECT_EQ(RateFieldText(1.5), "0001.500000");
    EXPECT_EQ(RateFieldText(24000.125), "24000.125000");
}

TEST_F(UserCurrenciesTest, FileHoldsTheListInOrderWithDotRates)
{
    Session s(table);
    const CCurrencyData* a = s.Add(std::make_unique<CCurrencyData>(1.5, kRegion, "Mars", "MRS", "Marks", 9999));
    s.Add(std::make_unique<CCurrencyData>(1e-7, kRegion, "Venus", "VNS", "Vees", 9999));
    s.Save("UserDefined.dat");
    EXPECT_EQ(testenv::readBytes("UserDefined.dat"),
              "<KRTISO>MNL</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>Moonland</KRTCOUNTRY><KRTDENOM>Moons</KRTDENOM>\r\n"
              "<KRTISO>MRS</KRTISO><KRTDATA>1.5</KRTDATA><KRTCOUNTRY>Mars</KRTCOUNTRY><KRTDENOM>Marks</KRTDENOM>\r\n"
              "<KRTISO>VNS</KRTISO><KRTDATA>1E-7</KRTDATA><KRTCOUNTRY>Venus</KRTCOUNTRY><KRTDENOM>Vees</KRTDENOM>\r\n");
    // Deleting every one leaves an empty file; a table record is no longer listed either.
    for (const CCurrencyData* r : std::vector<const CCurrencyData*>(s.UserList()))
        EXPECT_TRUE(s.Remove(r));
    EXPECT_FALSE(s.Remove(a));
    s.Save("UserDefined.dat");
    EXPECT_EQ(testenv::readBytes("UserDefined.dat"), "");

    // The lines the load could not use go back as they stood, where they stood.
    table.KeepUnreadUserLine("bad 1", 0);
    table.KeepUnreadUserLine("bad 2", 1);
    Session kept(table);
    const CCurrencyData* mars = kept.Add(std::make_unique<CCurrencyData>(1.5, kRegion, "Mars", "MRS", "Marks", 9999));
    EXPECT_EQ(kept.FileLines(), QStringList({"bad 1", FileLine(*table.At(4)), "bad 2", FileLine(*mars)}));

    // A file the last load could not read whole is kept, and a failed write keeps the old one.
    testenv::writeBytes("UserDefined.dat", "kept");
    table.SetUserFileRead(false);
    EXPECT_THROW(s.Save("UserDefined.dat"), VemoxError);
    table.SetUserFileRead(true);
    EXPECT_THROW(s.Save("no/such/folder/UserDefined.dat"), VemoxError);
    EXPECT_EQ(testenv::readBytes("UserDefined.dat"), "kept");
}
