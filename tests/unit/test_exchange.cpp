// The conversion of a currency button, its charges and receipt, the commission toolbar,
// equals across a conversion, and reverse mode, through the core's own API.
#include "common/ConversionRig.h"
#include "common/TestEnv.h"
#include "support/Formats.h"
#include "support/ResourceLibrary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cmath>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const QString kClear = QStringLiteral("----- CLEAR ------");

// Dollars at 2.0 and pounds at 1.5, so a dollar is 0.75 pounds; francs at 1.0 and a
// currency with no rate. Flags for the first two only.
class ExchangeTest : public ::testing::Test, protected ConversionRig {
protected:
    void SetUp() override
    {
        saved_ = FormatSettings::current();
        FormatSettings::current() = FormatSettings();
        QDir().mkpath(testenv::freshWorkDir() + "/dll");
        ResourceLibraryWriter w;
        w.AddPicture(ResourceLibrary::FlagId(0), flag(1));
        w.AddPicture(ResourceLibrary::FlagId(1), flag(2));
        w.Save("dll/ZYM_VEMOX.dll");
        fill(0.0);
        calc.Today = [] { return QDate(2024, 3, 5); };
        calc.OnCancel();
        log.Clear();
    }
    void TearDown() override { FormatSettings::current() = saved_; }

    static ResourcePicture flag(char shade)
    {
        return ResourcePicture{35, 20, QByteArray(35 * 20 * 3, shade)};
    }
    void fill(double noRate)
    {
        table.ClearTable();
        table.Append(new CCurrencyData(2.0, "North America", "Unt. States", "USD", "Dollar", 0));
        table.Append(new CCurrencyData(1.5, "Europe", "Unt. Kingdom", "GBP", "Pound", 1));
        table.Append(new CCurrencyData(1.0, "Europe", "Switzerland", "CHF", "Franc", NoResourceIndex));
        table.Append(new CCurrencyData(noRate, "Europe", "Nowhere", "NWH", "Nothing", NoResourceIndex));
    }
    // Clear, then the home currency chosen by its button while the display reads "0".
    void home(const char* country = "Unt. States")
    {
        calc.OnCancel();
        ex.Exchange(country);
        log.Clear();
    }
    void entries(std::initializer_list<std::pair<int, double>> values)
    {
        CommissionTable::Entries e{};
        for (auto [i, v] : values)
            e[static_cast<size_t>(i)] = v;
        charges.setEntries(e);
    }
    void options(Payment p, RateKind k, bool commission)
    {
        state.payment = p;
        state.rateKind = k;
        state.commission = commission;
    }
    QString display() const { return state.display; }
    QStringList lines() const { return log.Lines(); }

    FormatSettings saved_;
};

} // namespace

// ---------------------------------------------------------------------------------------
// Home currency and the plain conversion

TEST_F(ExchangeTest, AButtonWhileTheDisplayReadsZeroChoosesTheHomeCurrency)
{
    EXPECT_FALSE(ex.Exchange("Unt. States"));
    EXPECT_EQ(state.home.country, "Unt. States");
    EXPECT_EQ(state.home.currency, "Dollar");
    EXPECT_EQ(state.home.iso, "USD");
    EXPECT_EQ(state.home.picture, 0);
    EXPECT_EQ(state.home.flag, flag(1));
    EXPECT_EQ(state.displayCurrency, "USD");
    EXPECT_THAT(lines(), IsEmpty());   // nothing logged by the button

    // In reverse mode the same click does nothing.
    state.reverseMode = true;
    EXPECT_FALSE(ex.Exchange("Unt. Kingdom"));
    EXPECT_EQ(state.home.country, "Unt. States");
    EXPECT_THAT(shown.shown, IsEmpty());
}

TEST_F(ExchangeTest, BaseConversionShowsTheCrossRateAmountAndLogLine)
{
    home();
    type("100");
    const auto c = ex.Exchange("Unt. Kingdom");
    ASSERT_TRUE(c);
    EXPECT_EQ(calc.CrossRate, 0.75);
    EXPECT_EQ(calc.SourceAmount, 100.0);
    EXPECT_EQ(display(), "75.00");
    EXPECT_EQ(state.displayCurrency, "GBP");
    EXPECT_EQ(lines(), QStringList{"100.00 Dollar(USD) Converts to 75.00 Pound (GBP)"});
    EXPECT_EQ(state.foreign.country, "Unt. Kingdom");
    EXPECT_EQ(state.foreign.flag, flag(2));
    EXPECT_EQ(calc.LastAction, "convert");
    EXPECT_TRUE(calc.StartNewNumber);
    EXPECT_TRUE(calc.DisplayText.isEmpty());
    ASSERT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(calc.OperandStack.top(), 75.0);
    EXPECT_EQ(c->Total, 75.0);
}

TEST_F(ExchangeTest, CashSaleWithCommissionFillsTheReceiptAndTheAccountRecord)
{
    entries({{1, 4}, {7, 1}, {9, 2}});
    options(Payment::Cash, RateKind::Sell, true);
    home();
    type("100");
    const auto c = ex.Exchange("Unt. Kingdom");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Converted, 75.0);
    EXPECT_DOUBLE_EQ(c->Total, 69.25);
    EXPECT_EQ(display(), "69.25");
    EXPECT_EQ(c->cells.Details5, "5.75");
    EXPECT_EQ(c->cells.Details4, "0.00");
    EXPECT_EQ(c->PendingAccountRecord, "Dollar (USD),100.00,0.75,Pound (GBP),75.00,0.00,5.75,69.25\r");
    EXPECT_EQ(c->cells.Currency4, "GBP");
    EXPECT_EQ(lines().last(), "100.00 Dollar(USD) Converts to 69.25 Pound (GBP)");

    // With the commission off the fee row still counts it; the total leaves it out.
    options(Payment::Cash, RateKind::Sell, false);
    home();
    type("100");
    const auto off = ex.Exchange("Unt. Kingdom");
    ASSERT_TRUE(off);
    EXPECT_EQ(off->cells.Details5, "5.75");
    EXPECT_DOUBLE_EQ(off->Total, 72.0);

    // Buying adds the charges.
    options(Payment::Cash, RateKind::Buy, false);
    entries({{0, 10}, {20, 1}});
    home();
    type("100");
    EXPECT_DOUBLE_EQ(ex.Exchange("Unt. Kingdom")->Total, 75 + 7.5 + 1);
}

TEST_F(ExchangeTest, FeeAndDutyRowsReadTheirOwnEntriesForEveryPair)
{
    // Entry i holds 2^i, so each row names the entries it added up.
    CommissionTable::Entries e{};
    for (int i = 0; i < CommissionTable::kEntries; ++i)
        e[static_cast<size_t>(i)] = std::ldexp(1.0, i);
    charges.setEntries(e);
    struct Row { Payment p; RateKind k; int retail, commission, fee, duty, dutyFee; };
    const Row rows[] = {{Payment::Cash, RateKind::Buy, 0, 6, 8, 18, 20},
                        {Payment::Cash, RateKind::Sell, 1, 7, 9, 19, 21},
                        {Payment::CreditCard, RateKind::Buy, 2, 10, 12, 22, 24},
                        {Payment::CreditCard, RateKind::Sell, 3, 11, 13, 23, 25},
                        {Payment::TravellersCheques, RateKind::Buy, 4, 14, 16, 26, 28},
                        {Payment::TravellersCheques, RateKind::Sell, 5, 15, 17, 27, 29}};
    for (const Row& r : rows) {
        for (bool commission : {true, false}) {
            options(r.p, r.k, commission);
            home("Switzerland");
            type("100");
            const auto c = ex.Exchange("Switzerland");   // the same country: no cross rate
            ASSERT_TRUE(c);
            EXPECT_EQ(c->CrossRate, 1.0);
            auto two = [](int i) { return std::ldexp(1.0, i); };
            EXPECT_NEAR(c->FeeTotal, two(r.fee) + two(r.commission) + two(r.retail), 1e-6);
            EXPECT_NEAR(c->DutyTotal, two(r.dutyFee) + two(r.duty), 1e-6);
            const double charged = two(r.retail) + two(r.duty) + two(r.dutyFee) +
                                   (commission ? two(r.commission) + two(r.fee) : 0.0);
            EXPECT_NEAR(c->Total, r.k == RateKind::Sell ? 100 - charged : 100 + charged, 1e-6)
                << "entry " << r.retail << " commission " << commission;
        }
    }
}

TEST_F(ExchangeTest, ASecondButtonConvertsTheSameSourceAmountAgain)
{
    home();
    type("100");
    ex.Exchange("Unt. Kingdom");
    const auto c = ex.Exchange("Switzerland");
    ASSERT_TRUE(c);
    EXPECT_EQ(calc.SourceAmount, 100.0);
    EXPECT_EQ(calc.CrossRate, 0.5);
    EXPECT_EQ(display(), "50.00");
    EXPECT_EQ(calc.OperandStack.size(), 1);
    EXPECT_DOUBLE_EQ(calc.UndoRate, 2.0 / 1.5);   // back from pounds to dollars
    EXPECT_EQ(lines().last(), "100.00 Dollar(USD) Converts to 50.00 Franc (CHF)");
    EXPECT_EQ(state.foreign.picture, NoResourceIndex);
    EXPECT_TRUE(state.foreign.flag.isNull());
}

TEST_F(ExchangeTest, AResultOnTheStackIsConvertedInPlace)
{
    home();
    type("60+40\r");
    ex.Exchange("Unt. Kingdom");
    EXPECT_EQ(calc.SourceAmount, 100.0);
    EXPECT_EQ(display(), "75.00");
    EXPECT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(state.displayCurrency, "GBP");

    // A number ending with the separator converts like a typed number; "0." is 0.
    home();
    type("8.");
    EXPECT_EQ(ex.Exchange("Unt. Kingdom")->Converted, 6.0);
}

// A currency the table does not hold has no rate: nothing is converted, and no rate from
// before stands in for it.
TEST_F(ExchangeTest, ACurrencyNotInTheTableStopsTheConversionWithAMessage)
{
    struct Case { const char *home, *button, *told; };
    const Case cases[] = {
        {"", "Unt. Kingdom", "No currency to convert from has been chosen. Nothing was converted."},
        {"Austria", "Unt. Kingdom", "Austria is not in the currency table, so it has no rate. Nothing was converted."},
        {"Unt. States", "Atlantis", "Atlantis is not in the currency table, so it has no rate. Nothing was converted."},
    };
    for (const Case& c : cases) {
        home("Unt. Kingdom");
        type("4");
        ex.Exchange("Unt. States");   // a rate from before, which must not be used
        calc.OnCancel();
        state.home.country = c.home;
        shown.clear();
        type("100");
        EXPECT_FALSE(ex.Exchange(c.button)) << c.button;
        EXPECT_EQ(display(), "100") << c.button;
        EXPECT_EQ(shown.texts(ScriptedMessenger::Kind::MessageDialog), QStringList{c.told});
    }
}

// ---------------------------------------------------------------------------------------
// Rates of 0.0 and errors

// A missing rate stops the conversion before any figure changes; the caller asks, and the
// conversion goes on with the answer.
TEST_F(ExchangeTest, NoToTheMissingRateQuestionClearsAndStops)
{
    home();
    type("100");
    EXPECT_FALSE(ex.Exchange("Nowhere"));
    EXPECT_TRUE(ex.ratesMissing());
    EXPECT_EQ(display(), "100");
    EXPECT_FALSE(ex.Resume(false));
    EXPECT_FALSE(ex.ratesMissing());
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(lines().last(), kClear);
    EXPECT_EQ(calc.LastAction, "cancel");
}

TEST_F(ExchangeTest, YesUpdatesAndReadsBothRatesAgainBeforeConverting)
{
    home();
    type("100");
    EXPECT_FALSE(ex.Exchange("Nowhere"));
    fill(3.0);   // the update brings a rate; the old records are gone
    const auto c = ex.Resume(true);
    ASSERT_TRUE(c);
    EXPECT_EQ(calc.TargetRate, 3.0);
    EXPECT_EQ(calc.CrossRate, 1.5);
    EXPECT_EQ(c->SourceAmount, 0.0);   // the clear after the update took the typed amount
    EXPECT_EQ(display(), "0.00");
    EXPECT_EQ(state.foreign.country, "Nowhere");

    // An update that brings no rate stops with a message and no figures.
    fill(0.0);
    home();
    type("100");
    shown.clear();
    EXPECT_FALSE(ex.Exchange("Nowhere"));
    EXPECT_FALSE(ex.Resume(true));
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(shown.texts(ScriptedMessenger::Kind::MessageDialog).size(), 1u);
    EXPECT_FALSE(lines().last().contains("Converts"));
}

TEST_F(ExchangeTest, AMissingLibraryIsReportedAndLocksTheKeypad)
{
    home();
    type("100");
    QFile::remove("dll/ZYM_VEMOX.dll");
    EXPECT_FALSE(ex.Exchange("Unt. Kingdom"));
    EXPECT_THAT(shown.errors(), ElementsAre("Error: Unable to load resource dll - Exchange."));
    EXPECT_FALSE(state.isEnabled(Key::key1));
    EXPECT_EQ(display(), "100");
}

// ---------------------------------------------------------------------------------------
// Equals across a conversion

TEST_F(ExchangeTest, EqualsBringsTheEarlierOperandIntoTheConvertedCurrency)
{
    entries({{0, 4}});
    options(Payment::Cash, RateKind::Buy, false);
    for (const bool stopped : {false, true}) {   // a conversion that stops in between changes nothing
        calc.OnCancel();
        home();
        type("100+50");
        ex.Exchange("Switzerland");
        ASSERT_EQ(calc.CrossRate, 0.5);
        EXPECT_EQ(display(), "26.00");   // 25 and its 4 per cent
        EXPECT_FALSE(stopped && ex.Exchange("Atlantis"));
        type("\r");
        EXPECT_EQ(display(), "76.00") << stopped;   // 100 became 50, with no charges
    }
}

TEST_F(ExchangeTest, AnOperatorAfterAConversionLogsTheDisplayAfterItsEquals)
{
    entries({{0, 4}});
    options(Payment::Cash, RateKind::Buy, false);
    home();
    type("100+50");
    ex.Exchange("Switzerland");
    type("+");
    EXPECT_EQ(lines().mid(lines().size() - 3), QStringList({"---- Equals: 76.00", "76.00", "+"}));
}

TEST_F(ExchangeTest, EqualsWithOneOperandRecomputesTheConvertedAmountWithCharges)
{
    entries({{0, 4}});
    options(Payment::Cash, RateKind::Buy, false);
    home();
    type("100*");
    ex.Exchange("Switzerland");   // the pending operand becomes 52
    ASSERT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(display(), "52.00");
    calc.OperandStack.replaceTop(1);   // whatever is on top, equals recomputes it
    type("\r");                         // 52 x the typed 100
    EXPECT_EQ(display(), "5,200.00");
}

TEST_F(ExchangeTest, InReverseModeEqualsLeavesTheFirstOperandAsTyped)
{
    home();
    type("100");
    ex.Exchange("Unt. Kingdom");
    ex.Reverse();
    calc.OnCancel();
    type("100+50");
    ex.Exchange("Switzerland");   // reverse: francs into the fixed dollars
    EXPECT_EQ(calc.CrossRate, 2.0);
    EXPECT_EQ(display(), "100.00");
    type("\r");
    EXPECT_EQ(display(), "200.00");
}

// ---------------------------------------------------------------------------------------
// Reverse mode

TEST_F(ExchangeTest, ReverseAfterAConversionTakesTheAmountBackAndForth)
{
    home();
    type("100");
    ex.Exchange("Unt. Kingdom");
    log.Clear();
    ex.Reverse();
    EXPECT_TRUE(state.reverseMode);
    EXPECT_EQ(display(), "100.00");
    EXPECT_EQ(state.home.country, "Unt. Kingdom");
    EXPECT_EQ(state.foreign.country, "Unt. States");
    EXPECT_EQ(state.home.flag, flag(2));
    EXPECT_EQ(state.foreign.flag, flag(1));
    EXPECT_EQ(state.displayCurrency, "USD");
    ex.Reverse();
    EXPECT_FALSE(state.reverseMode);
    EXPECT_EQ(display(), "75.00");
    EXPECT_EQ(lines(), QStringList({"75.00 Pound(GBP) Converts to 100.00 Dollar (USD)",
                                    "100.00 Dollar(USD) Converts to 75.00 Pound (GBP)"}));
    EXPECT_EQ(calc.LastAction, "R");
}

TEST_F(ExchangeTest, ReverseWhileTypingClearsTheCalculator)
{
    home();
    type("100");
    ex.Exchange("Unt. Kingdom");
    type("12");
    log.Clear();
    ex.Reverse();
    EXPECT_EQ(lines(), QStringList{kClear});
    EXPECT_EQ(display(), "0");
    EXPECT_TRUE(state.reverseMode);
    // The pane the next button fills starts empty: the home pane in reverse mode.
    EXPECT_EQ(state.home, PaneState{});
    EXPECT_EQ(state.foreign.country, "Unt. States");
    EXPECT_EQ(calc.LastAction, "R");

    // The keyboard's R reaches Reverse too.
    type("r");
    EXPECT_FALSE(state.reverseMode);
}

TEST_F(ExchangeTest, ReverseOfAResultConvertsTheTopWithoutALogLine)
{
    home();
    type("100");
    ex.Exchange("Unt. Kingdom");
    type("+0\r");
    log.Clear();
    ex.Reverse();
    EXPECT_EQ(display(), "100.00");
    EXPECT_THAT(lines(), IsEmpty());
}

// ---------------------------------------------------------------------------------------
// The commission toolbar

TEST_F(ExchangeTest, EachToolbarChangeLogsItsOptionLineAndKeepsTheDisplay)
{
    home();
    type("100");
    ex.Exchange("Unt. Kingdom");
    state.panel[2] = "note";
    ex.SetRateKind(RateKind::Sell);
    EXPECT_TRUE(state.commissionEnabled);
    EXPECT_TRUE(state.panel[2].isEmpty());
    ex.SetCommission(true);
    ex.SetPayment(Payment::CreditCard);
    ex.SetRateKind(RateKind::Base);
    EXPECT_FALSE(state.commissionEnabled);
    EXPECT_TRUE(state.commission);   // the check mark stays
    EXPECT_EQ(display(), "75.00");
    EXPECT_EQ(lines().mid(1), QStringList({"-- Cash -- Sell Currency-- Commission? No --",
                                           "-- Cash -- Sell Currency-- Commission? Yes --",
                                           "-- Credit Card -- Sell Currency-- Commission? Yes --",
                                           "-- Credit Card -- Base Currency-- Commission? Yes --"}));
}
