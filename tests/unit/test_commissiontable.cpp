// The commission table: the sums of the charges, and the table's load and save under Cvx.
// Which entry each charge reads for every payment and rate kind is proved through the
// conversion (test_exchange).
#include "calc/CommissionTable.h"
#include "common/TestEnv.h"
#include "Defs.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/SettingsStore.h"
#include "support/Zymregistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cmath>

using ::testing::IsEmpty;

namespace {

// Entry i holds 2^i: thirty distinct entries.
CommissionTable powersOfTwo()
{
    CommissionTable::Entries e{};
    for (int i = 0; i < CommissionTable::kEntries; ++i)
        e[static_cast<size_t>(i)] = std::ldexp(1.0, i);
    CommissionTable t;
    t.setEntries(e);
    return t;
}

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
    SettingsStore store_;
    FormatSettings saved_;
};

} // namespace

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
    EXPECT_EQ(t.Load(store_), QStringList({"4", "4", "2", "2", "4", "4"}) + CommissionTable::Cleared().mid(6));
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
    const QStringList list = t.Load(store_);
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
    t.Load(store_);
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
    again.Load(store_);
    EXPECT_EQ(again.entries(), t.entries());
    EXPECT_THAT(shown_.shown, IsEmpty());

    // A list that does not parse is stored all the same; the parse then fails.
    list[9] = "x";
    EXPECT_THROW(t.Save(list), VemoxError);
    EXPECT_EQ(stored().at(9), "x");
    EXPECT_EQ(t.entry(9), 2.0);
}
