// The commission table: which entry each charge reads for every payment and rate kind,
// the sums of the charges, the option line, and the table's load and save under Cvx.
#include "calc/CommissionTable.h"
#include "common/TestEnv.h"
#include "Defs.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cmath>

using ::testing::IsEmpty;

namespace {

// Entry i holds 2^i: a sum of charges taken at an amount of 100 names exactly the entries
// it used, so an entry read from the wrong column cannot go unnoticed.
CommissionTable powersOfTwo()
{
    CommissionTable::Entries e{};
    for (int i = 0; i < CommissionTable::kEntries; ++i)
        e[static_cast<size_t>(i)] = std::ldexp(1.0, i);
    CommissionTable t;
    t.setEntries(e);
    return t;
}

long double bits(std::initializer_list<int> entries)
{
    long double sum = 0;
    for (int i : entries)
        sum += std::ldexp(1.0L, i);
    return sum;
}

struct Pair {
    Payment payment;
    RateKind rateKind;
    // retail, commission, commission fee, duty, duty fee: the table of entries by column
    int retail, commission, fee, duty, dutyFee;
};

const Pair kPairs[] = {
    {Payment::Cash, RateKind::Buy, 0, 6, 8, 18, 20},
    {Payment::Cash, RateKind::Sell, 1, 7, 9, 19, 21},
    {Payment::CreditCard, RateKind::Buy, 2, 10, 12, 22, 24},
    {Payment::CreditCard, RateKind::Sell, 3, 11, 13, 23, 25},
    {Payment::TravellersCheques, RateKind::Buy, 4, 14, 16, 26, 28},
    {Payment::TravellersCheques, RateKind::Sell, 5, 15, 17, 27, 29},
};

class StoredTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        saved_ = FormatSettings::current();
    }
    void TearDown() override { FormatSettings::current() = saved_; }
    QStringList stored() const
    {
        QStringList list;
        ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, list, KEY_READ);
        return list;
    }
    ScriptedMessenger shown_;
    MessengerScope scope_{&shown_};
    FormatSettings saved_;
};

} // namespace

TEST(CommissionCharges, EachPairReadsItsOwnEntriesWithCommissionOnAndOff)
{
    const CommissionTable t = powersOfTwo();
    for (const Pair& p : kPairs) {
        SCOPED_TRACE(CommissionTable::EntryIndex(Charge::Retail, p.payment, p.rateKind));
        const bool sell = p.rateKind == RateKind::Sell;
        for (bool commission : {true, false}) {
            const ChargeOptions o{p.payment, p.rateKind, commission};
            const long double charges = commission ? bits({p.retail, p.commission, p.fee, p.duty, p.dutyFee})
                                                   : bits({p.retail, p.duty, p.dutyFee});
            const long double expected = sell ? 100 - charges : 100 + charges;
            EXPECT_NEAR(static_cast<double>(t.ApplyCharges(100, o)), static_cast<double>(expected), 1e-6)
                << "commission " << commission;
        }
        const ChargeOptions o{p.payment, p.rateKind, false};
        EXPECT_NEAR(static_cast<double>(t.RetailCharge(100, o)), std::ldexp(1.0, p.retail), 1e-9);
        EXPECT_NEAR(static_cast<double>(t.CommissionCharge(100, o)), std::ldexp(1.0, p.commission), 1e-9);
        EXPECT_EQ(t.CommissionFee(o), std::ldexp(1.0L, p.fee));
        EXPECT_NEAR(static_cast<double>(t.DutyCharge(100, o)), std::ldexp(1.0, p.duty), 1e-6);
        EXPECT_EQ(t.DutyFee(o), std::ldexp(1.0L, p.dutyFee));
    }
}

TEST(CommissionCharges, BaseChargesNothing)
{
    const CommissionTable t = powersOfTwo();
    for (Payment p : {Payment::Cash, Payment::CreditCard, Payment::TravellersCheques}) {
        const ChargeOptions o{p, RateKind::Base, true};
        EXPECT_EQ(t.ApplyCharges(123.45L, o), 123.45L);
        EXPECT_EQ(t.RetailCharge(100, o) + t.CommissionCharge(100, o) + t.CommissionFee(o) +
                      t.DutyCharge(100, o) + t.DutyFee(o),
                  0.0L);
    }
}

TEST(CommissionCharges, ACashSaleWithCommissionSubtractsMarginCommissionAndFee)
{
    CommissionTable::Entries e{};
    e[1] = 4;
    e[7] = 1;
    e[9] = 2;
    CommissionTable t;
    t.setEntries(e);
    const ChargeOptions sell{Payment::Cash, RateKind::Sell, true};
    EXPECT_NEAR(static_cast<double>(t.ApplyCharges(75, sell)), 69.25, 1e-12);
    // The percentages are of the amount as given, multiplied by one per cent.
    EXPECT_EQ(t.RetailCharge(75, sell), 75.0L * 4.0L * 0.01L);
    EXPECT_NEAR(static_cast<double>(t.ApplyCharges(75, {Payment::Cash, RateKind::Buy, true})), 75.0, 0);
}

TEST(CommissionCharges, OptionLineNamesTheThreeChoices)
{
    MainState s;
    EXPECT_EQ(OptionLine(s), "-- Cash -- Base Currency-- Commission? No --");
    s.payment = Payment::TravellersCheques;
    s.rateKind = RateKind::Sell;
    s.commission = true;
    EXPECT_EQ(OptionLine(s), "-- Traveller's Cheques -- Sell Currency-- Commission? Yes --");
    s.payment = Payment::CreditCard;
    s.rateKind = RateKind::Buy;
    EXPECT_EQ(OptionLine(s), "-- Credit Card -- Buy Currency-- Commission? Yes --");
}

TEST_F(StoredTableTest, ParsingUsesFixedSeparatorsAndRestoresTheOperators)
{
    FormatSettings::current().thousandSeparator = QLatin1Char('.');
    FormatSettings::current().decimalSeparator = QLatin1Char(',');
    QStringList list = CommissionTable::Cleared();
    list[0] = "004.500";
    list[29] = "1";
    CommissionTable t;
    t.LoadCommissionTable(list);
    EXPECT_EQ(t.entry(0), 4.5);
    EXPECT_EQ(t.entry(29), 1.0);
    EXPECT_EQ(FormatSettings::current().decimalSeparator, QLatin1Char(','));
    EXPECT_EQ(FormatSettings::current().thousandSeparator, QLatin1Char('.'));
}

TEST_F(StoredTableTest, AFailedParseKeepsTheEntriesBeforeItAndRestoresTheSeparators)
{
    FormatSettings::current().decimalSeparator = QLatin1Char(',');
    CommissionTable t;
    t.setEntries(powersOfTwo().entries());
    QStringList list = CommissionTable::Defaults();
    list[5] = "abc";
    EXPECT_THROW(t.LoadCommissionTable(list), VemoxError);
    EXPECT_EQ(t.entry(4), 4.0);            // parsed before the failure
    EXPECT_EQ(t.entry(6), 64.0);           // after it: as before
    EXPECT_EQ(FormatSettings::current().decimalSeparator, QLatin1Char(','));

    QStringList short29 = CommissionTable::Cleared().mid(0, 29);
    EXPECT_THROW(t.LoadCommissionTable(short29), VemoxError);
    EXPECT_EQ(t.entry(28), 0.0);
    EXPECT_EQ(t.entry(29), std::ldexp(1.0, 29));
}

TEST_F(StoredTableTest, FirstUseGivesTheDefaultsAndWritesNothing)
{
    CommissionTable t;
    EXPECT_EQ(t.Load(), QStringList({"4", "4", "2", "2", "4", "4"}) + CommissionTable::Cleared().mid(6));
    EXPECT_EQ(t.entry(0), 4.0);
    EXPECT_EQ(t.entry(3), 2.0);
    EXPECT_EQ(t.entry(6), 0.0);
    EXPECT_THAT(stored(), IsEmpty());
    EXPECT_THAT(shown_.shown, IsEmpty());
}

TEST_F(StoredTableTest, AShortStoredListIsCompletedAndWrittenBack)
{
    QStringList twelve;
    for (int i = 0; i < 12; ++i)
        twelve.append(QStringLiteral("%1.250").arg(i, 3, 10, QLatin1Char('0')));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, twelve, KEY_WRITE));
    CommissionTable t;
    const QStringList list = t.Load();
    EXPECT_EQ(list.size(), 30);
    EXPECT_EQ(stored(), list);
    EXPECT_EQ(list.mid(0, 12), twelve);
    EXPECT_EQ(t.entry(11), 11.25);
    EXPECT_EQ(t.entry(12), 0.0);
}

TEST_F(StoredTableTest, ALongerStoredListIsReadToThirtyAndLeftAsItIs)
{
    QStringList list = CommissionTable::Cleared();
    list[29] = "7";
    list << "9" << "9";
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, list, KEY_WRITE));
    CommissionTable t;
    t.Load();
    EXPECT_EQ(t.entry(29), 7.0);
    EXPECT_EQ(stored().size(), 32);
}

TEST_F(StoredTableTest, SaveStoresThirtyEntriesThatTheNextLoadReads)
{
    QStringList list = CommissionTable::Defaults();
    list[9] = "002.000";
    CommissionTable t;
    ASSERT_TRUE(t.Save(list));
    EXPECT_EQ(stored(), list);
    EXPECT_EQ(t.entry(9), 2.0);
    CommissionTable again;
    again.Load();
    EXPECT_EQ(again.entries(), t.entries());
    EXPECT_THAT(shown_.shown, IsEmpty());

    // A list that does not parse is stored all the same; the parse then fails.
    list[9] = "x";
    EXPECT_THROW(t.Save(list), VemoxError);
    EXPECT_EQ(stored().at(9), "x");
    EXPECT_EQ(t.entry(9), 2.0);
}
