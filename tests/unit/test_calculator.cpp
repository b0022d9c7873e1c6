// The calculator core through its own API: number entry, the sign and Clear keys, the
// operators and equals, the error states, the status panels and the keyboard map.
#include "calc/Calculator.h"
#include "calc/MainState.h"
#include "calc/TransactionLog.h"
#include "common/TestEnv.h"
#include "support/Formats.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

const QString kClear = QStringLiteral("----- CLEAR ------");

// A calculator as start-up leaves it: cleared once, with the log emptied afterwards.
class CalcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = FormatSettings::current();
        FormatSettings::current() = FormatSettings();
        calc.Today = [] { return QDate(2024, 3, 5); };
        state.home = PaneState{1, QStringLiteral("United Kingdom"), QStringLiteral("Pound"), QStringLiteral("GBP"), {}};
        state.foreign = PaneState{2, QStringLiteral("France"), QStringLiteral("Euro"), QStringLiteral("EUR"), {}};
        calc.OnCancel();
        log.Clear();
    }
    void TearDown() override { FormatSettings::current() = saved_; }

    // Characters as the main window's key preview passes them on.
    void type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            calc.FormKeyPress(QLatin1Char(*k));
    }
    void digits(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            calc.OnNumeric(QString(QLatin1Char(*k)));
    }
    QString display() const { return state.display; }
    QStringList lines() const { return log.Lines(); }
    bool on(Key k) const { return state.isEnabled(k); }
    int enabledCount() const
    {
        int n = 0;
        for (bool e : state.enabled)
            n += e ? 1 : 0;
        return n;
    }

    MainState state;
    TransactionLog log;
    CommissionTable table;
    Calculator calc{state, log, table};
    FormatSettings saved_;
};

} // namespace

// ---------------------------------------------------------------------------------------
// State at creation and after Clear

TEST(CalcCreation, MembersStartAsCreatedWithTheWindow)
{
    MainState state;
    TransactionLog log;
    CommissionTable table;
    Calculator calc(state, log, table);
    EXPECT_TRUE(calc.DisplayText.isEmpty());
    EXPECT_TRUE(calc.LastAction.isEmpty());
    EXPECT_FALSE(calc.StartNewNumber);
    EXPECT_EQ(calc.CurrentValue, 0.0);
    EXPECT_EQ(calc.OperatorStack.size(), 0);
    EXPECT_EQ(calc.OperandStack.size(), 0);
    EXPECT_EQ(calc.TargetRate, 0.0);
    EXPECT_EQ(calc.SourceRate, 0.0);
    EXPECT_EQ(calc.CrossRate, 0.0);
    EXPECT_EQ(calc.UndoRate, 0.0);
    EXPECT_EQ(calc.SourceAmount, 0.0);
    EXPECT_EQ(calc.NumberFormat, "#,##0.00;(#,##0.00)");
    EXPECT_EQ(state.display, "0");
    EXPECT_EQ(log.Count(), 0);
}

TEST_F(CalcTest, ClearResetsTheCalculationButKeepsTypedTextAndAmount)
{
    digits("12");
    calc.OnCalcButton("+");
    digits("34");
    calc.SourceAmount = 7;
    calc.NumberFormat = Formats::numberFormatForDecimals(4);
    calc.TargetRate = calc.SourceRate = calc.CrossRate = calc.UndoRate = 3;
    calc.disableall();
    calc.OnCancel();

    EXPECT_EQ(display(), "0");
    EXPECT_EQ(calc.DisplayText, "34");   // kept; the next digit replaces it
    EXPECT_EQ(calc.LastAction, "cancel");
    EXPECT_TRUE(calc.StartNewNumber);
    EXPECT_EQ(calc.CurrentValue, 0.0);
    EXPECT_TRUE(calc.OperatorStack.empty());
    EXPECT_TRUE(calc.OperandStack.empty());
    EXPECT_EQ(calc.TargetRate, 1.0);
    EXPECT_EQ(calc.SourceRate, 1.0);
    EXPECT_EQ(calc.CrossRate, 1.0);
    EXPECT_EQ(calc.UndoRate, 1.0);
    EXPECT_EQ(calc.SourceAmount, 7.0);
    EXPECT_EQ(calc.NumberFormat, Formats::numberFormatForDecimals(4));
    EXPECT_EQ(enabledCount(), kLockableKeys);
    EXPECT_EQ(lines().last(), kClear);

    digits("5");
    EXPECT_EQ(display(), "5");
    EXPECT_EQ(calc.DisplayText, "5");
}

// ---------------------------------------------------------------------------------------
// Number entry

TEST_F(CalcTest, DigitsAreKeptAsTypedWithLeadingZeros)
{
    digits("005");
    EXPECT_EQ(display(), "005");
    EXPECT_EQ(calc.DisplayText, "005");
    EXPECT_EQ(calc.CurrentValue, 5.0);
    EXPECT_EQ(calc.LastAction, "numeric");
    EXPECT_FALSE(calc.StartNewNumber);
    EXPECT_TRUE(lines().isEmpty());   // typing a number logs nothing
}

TEST_F(CalcTest, DecimalKeyAfterClearStartsWithZero)
{
    calc.OnDecimal(".");
    EXPECT_EQ(display(), "0.");
    EXPECT_EQ(calc.LastAction, "decimal");
    EXPECT_FALSE(on(Key::keydecimal));
    EXPECT_FALSE(calc.StartNewNumber);
    digits("5");
    EXPECT_EQ(display(), "0.5");
    EXPECT_DOUBLE_EQ(calc.CurrentValue, 0.5);
}

TEST_F(CalcTest, DecimalKeyAfterDigitsKeepsTheValue)
{
    digits("5");
    calc.OnDecimal(".");
    EXPECT_EQ(display(), "5.");
    EXPECT_EQ(calc.CurrentValue, 5.0);
    digits("25");
    EXPECT_DOUBLE_EQ(calc.CurrentValue, 5.25);
    calc.OnCalcButton("+");
    EXPECT_TRUE(on(Key::keydecimal));   // an operator enables it again
}

TEST_F(CalcTest, SecondSeparatorFromTheKeyboardLocksTheKeypadUntilClear)
{
    digits("5");
    calc.OnDecimal(".");
    const QStringList before = lines();
    type(".");
    EXPECT_EQ(display(), "Error ");
    EXPECT_EQ(enabledCount(), 0);   // Clear and Quick Print are not among the lockable keys
    EXPECT_EQ(lines(), before);      // a failed key logs nothing
    EXPECT_EQ(calc.DisplayText, "5..");   // what changed before the failure stays

    // The keyboard still reaches the digit handler; its own error text has no space.
    type("1");
    EXPECT_EQ(display(), "Error");
    EXPECT_EQ(enabledCount(), 0);

    type("C");
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(enabledCount(), kLockableKeys);
    EXPECT_EQ(lines().last(), kClear);
    type("7");
    EXPECT_EQ(display(), "7");
}

TEST_F(CalcTest, DigitAfterAResultStartsANewCalculation)
{
    type("5+3\r");
    ASSERT_EQ(display(), "8.00");
    digits("7");
    EXPECT_EQ(display(), "7");
    EXPECT_EQ(calc.CurrentValue, 7.0);
    EXPECT_EQ(lines().last(), kClear);
    EXPECT_TRUE(calc.OperatorStack.empty());
    EXPECT_TRUE(calc.OperandStack.empty());
    EXPECT_EQ(calc.LastAction, "numeric");
}

// ---------------------------------------------------------------------------------------
// The +/- key

TEST_F(CalcTest, PlusMinusOnZeroChangesNoNumber)
{
    calc.plusminusClick();
    EXPECT_EQ(display(), "0");
    EXPECT_TRUE(calc.OperandStack.empty());
    EXPECT_EQ(calc.CurrentValue, 0.0);
    EXPECT_EQ(calc.LastAction, "+-");
    EXPECT_TRUE(calc.StartNewNumber);
    EXPECT_EQ(lines(), QStringList({"+/-"}));
}

TEST_F(CalcTest, PlusMinusAfterANumberPushesItNegated)
{
    digits("5");
    calc.plusminusClick();
    EXPECT_EQ(display(), "(5.00)");
    ASSERT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(calc.OperandStack.top(), -5.0);
    EXPECT_EQ(calc.CurrentValue, -5.0);
    EXPECT_EQ(calc.DisplayText, "5");
    EXPECT_EQ(lines(), QStringList({"+/-"}));

    // The operator does not push the value again: the negated 5 is the first operand.
    type("+2\r");
    EXPECT_EQ(display(), "(3.00)");
}

TEST_F(CalcTest, PlusMinusOnAResultNegatesTheTopOperand)
{
    type("5+3\r");
    calc.plusminusClick();
    EXPECT_EQ(display(), "(8.00)");
    ASSERT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(calc.OperandStack.top(), -8.0);
    calc.plusminusClick();
    EXPECT_EQ(display(), "8.00");
}

TEST_F(CalcTest, PlusMinusRightAfterTheSeparatorActsLikeAfterADigit)
{
    digits("5");
    calc.OnDecimal(".");
    calc.plusminusClick();
    EXPECT_EQ(display(), "(5.00)");
    ASSERT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(calc.OperandStack.top(), -5.0);

    // Straight after Clear: "0." is not "0", and the zero is pushed without an error.
    calc.OnCancel();
    calc.OnDecimal(".");
    calc.plusminusClick();
    EXPECT_NE(display(), "Error ");
    EXPECT_EQ(enabledCount(), kLockableKeys - 1);   // only the decimal key is off
    ASSERT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(calc.OperandStack.top(), 0.0);
}

TEST_F(CalcTest, PlusMinusAfterTheSeparatorNegatesTheNumberOnDisplay)
{
    type("5+3.P\r");
    EXPECT_EQ(display(), "2.00");

    // After a result the separator starts "0.": +/- pushes zero, not the stale 3.
    calc.OnCancel();
    type("5+3\r.");
    ASSERT_EQ(display(), "0.");
    calc.plusminusClick();
    EXPECT_EQ(display(), "0.00");
    EXPECT_EQ(calc.OperandStack.top(), 0.0);
    type("\r");
    EXPECT_EQ(display(), "8.00");
}

TEST_F(CalcTest, PlusMinusWithNoOperandLeftChangesNothing)
{
    // A division by zero between two operands took both off the stack.
    type("8/0/");
    ASSERT_TRUE(calc.OperandStack.empty());
    calc.plusminusClick();
    EXPECT_EQ(display(), "Infinity Error");
    EXPECT_TRUE(calc.OperandStack.empty());
    EXPECT_EQ(calc.LastAction, "+-");
    EXPECT_EQ(lines().last(), "+/-");
}

// ---------------------------------------------------------------------------------------
// Operators and equals

TEST_F(CalcTest, RepeatedEqualsRepeatsTheLastOperation)
{
    type("5+3\r");
    EXPECT_EQ(display(), "8.00");
    type("\r");
    EXPECT_EQ(display(), "11.00");
    EXPECT_EQ(calc.OperatorStack.top(), "+");   // equals leaves the operator pending
    EXPECT_EQ(lines(), QStringList({"5", "+", "3", "---- Equals: 8.00", "3", "---- Equals: 11.00"}));
}

TEST_F(CalcTest, PlainCalculationLogsOperandsSymbolAndEquals)
{
    type("5+3\r");
    EXPECT_EQ(lines(), QStringList({"5", "+", "3", "---- Equals: 8.00"}));
    EXPECT_EQ(calc.LastAction, "equals");
    EXPECT_TRUE(calc.StartNewNumber);
    EXPECT_TRUE(calc.DisplayText.isEmpty());
}

TEST_F(CalcTest, ChainHasNoPrecedence)
{
    type("2+3");
    calc.OnCalcButton("x");
    EXPECT_EQ(display(), "5.00");
    type("4\r");
    EXPECT_EQ(display(), "20.00");
    EXPECT_EQ(lines(), QStringList({"2", "+", "3", "---- Equals: 5.00", "x", "4", "---- Equals: 20.00"}));
}

TEST_F(CalcTest, SecondOperatorReplacesThePendingOne)
{
    type("5+-3\r");
    EXPECT_EQ(display(), "2.00");
    EXPECT_EQ(lines(), QStringList({"5", "+", "-", "3", "---- Equals: 2.00"}));
}

TEST_F(CalcTest, OperatorShowsTheFirstOperandFormatted)
{
    type("1234.5");
    calc.OnCalcButton("/");
    EXPECT_EQ(display(), "1,234.50");
    EXPECT_EQ(calc.LastAction, "sign");
    EXPECT_TRUE(calc.DisplayText.isEmpty());
    EXPECT_TRUE(calc.StartNewNumber);
    type("2\r");
    EXPECT_EQ(display(), "617.25");
}

TEST_F(CalcTest, DivisionByZeroShowsInfinityErrorAndLocksAllButDecimal)
{
    type("8/0\r");
    EXPECT_EQ(display(), "Infinity Error");
    for (Key k : {Key::key0, Key::key9, Key::keyplus, Key::keydivide, Key::keyequals, Key::plusminus, Key::rmode})
        EXPECT_FALSE(on(k)) << keyName(k);
    EXPECT_TRUE(on(Key::keydecimal));
    EXPECT_EQ(lines().last(), "---- Equals: Infinity Error");
    EXPECT_EQ(calc.LastAction, "equals");
    type("c");
    EXPECT_EQ(enabledCount(), kLockableKeys);
}

TEST_F(CalcTest, DivisionByZeroBetweenTwoOperandsEmptiesTheStack)
{
    type("8/0/");
    EXPECT_EQ(display(), "Infinity Error");
    EXPECT_TRUE(calc.OperandStack.empty());
    EXPECT_FALSE(on(Key::key1));
}

TEST_F(CalcTest, EqualsWithoutSecondOperandUsesTheTypedValueAgain)
{
    type("5*\r");
    EXPECT_EQ(display(), "25.00");
    EXPECT_EQ(lines(), QStringList({"5", "x", "5", "---- Equals: 25.00"}));
}

TEST_F(CalcTest, EqualsAfterClearShowsZero)
{
    type("\r");
    EXPECT_EQ(display(), "0.00");
    ASSERT_EQ(calc.OperandStack.size(), 1);
    EXPECT_EQ(calc.OperandStack.top(), 0.0);
    EXPECT_EQ(lines(), QStringList({"---- Equals: 0.00"}));
}

TEST_F(CalcTest, OverflowBeyondDoubleRangeEndsInTheEqualsErrorText)
{
    const QString big = QStringLiteral("1") + QString(308, QLatin1Char('0'));
    digits(big.toLatin1().constData());
    calc.OnCalcButton("x");
    digits(big.toLatin1().constData());
    const QStringList before = lines();
    calc.OnEquals();
    EXPECT_EQ(display(), "Error ");
    EXPECT_EQ(enabledCount(), 0);
    // The typed operand was logged before the product failed; no equals line follows.
    ASSERT_EQ(lines().size(), before.size() + 1);
    EXPECT_FALSE(lines().last().startsWith("---- Equals"));
    EXPECT_EQ(calc.OperandStack.top(), 1e308);   // the stored operand is untouched
}

TEST_F(CalcTest, OverflowInTheEqualsOfAnOperatorKeepsTheEqualsTrapAndFinishesTheKey)
{
    const QString big = QStringLiteral("1") + QString(200, QLatin1Char('0'));
    digits(big.toLatin1().constData());
    calc.OnCalcButton("x");
    digits(big.toLatin1().constData());
    calc.OnCalcButton("+");
    EXPECT_EQ(display(), "Error ");
    EXPECT_EQ(enabledCount(), 1);   // locked, then the operator key enabled the separator
    EXPECT_TRUE(on(Key::keydecimal));
    const QStringList all = lines();
    ASSERT_GE(all.size(), 4);
    EXPECT_EQ(all.mid(all.size() - 4), QStringList({"1E200", "x", "1E200", "+"}));
    EXPECT_EQ(calc.OperatorStack.top(), "+");
    EXPECT_EQ(calc.LastAction, "sign");
    EXPECT_TRUE(calc.DisplayText.isEmpty());
}

TEST_F(CalcTest, ApplyOperatorWorksInExtendedPrecision)
{
    EXPECT_EQ(calc.ApplyOperator(7, 2, "+"), 9.0L);
    EXPECT_EQ(calc.ApplyOperator(7, 2, "-"), 5.0L);
    EXPECT_EQ(calc.ApplyOperator(7, 2, "x"), 14.0L);
    EXPECT_EQ(calc.ApplyOperator(7, 2, "/"), 3.5L);
    EXPECT_EQ(calc.ApplyOperator(7, 2, "?"), 3.5L);   // any other symbol divides
    // 1e308 squared exists in extended precision; only storing it as a double fails.
    EXPECT_GT(calc.ApplyOperator(1e308, 1e308, "x"), 1e600L);
    EXPECT_THROW(Calculator::toDouble(calc.ApplyOperator(1e308, 1e308, "x")), VemoxError);
    EXPECT_THROW(calc.ApplyOperator(1, 0, "/"), VemoxError);
    EXPECT_THROW(calc.ApplyOperator(0, 0, "/"), VemoxError);
}

TEST_F(CalcTest, EqualsBringsTheFirstOperandIntoTheConvertedCurrency)
{
    // As a conversion leaves them: the earlier operand is scaled, not charged.
    type("100+50");
    calc.UndoRate = 1.0;
    calc.CrossRate = 0.5;
    calc.OnCalcButton("+");   // two operands: 100 becomes 50, plus 50
    EXPECT_EQ(display(), "100.00");

    calc.OnCancel();
    state.reverseMode = true;
    type("100+50");
    calc.UndoRate = 1.0;
    calc.CrossRate = 0.5;
    calc.OnCalcButton("+");   // in reverse mode the first operand stays as typed
    EXPECT_EQ(display(), "150.00");
}

// ---------------------------------------------------------------------------------------
// Status panels and panes

TEST_F(CalcTest, KeysEmptyPanelTwoAndDigitsAndClearRefreshTheDate)
{
    const QString today = QStringLiteral("Todays date: 05/03/2024");
    struct Step {
        const char* name;
        std::function<void()> press;
        bool refreshesDate;
    };
    const Step steps[] = {
        {"digit", [&] { calc.OnNumeric("4"); }, true},
        {"decimal", [&] { calc.OnDecimal("."); }, false},
        {"plusminus", [&] { calc.plusminusClick(); }, false},
        {"operator", [&] { calc.OnCalcButton("+"); }, false},
        {"equals", [&] { calc.OnEquals(); }, false},
        {"clear", [&] { calc.OnCancel(); }, true},
    };
    for (const Step& s : steps) {
        state.panel[0] = QStringLiteral("old");
        state.panel[2] = QStringLiteral("message");
        s.press();
        EXPECT_EQ(state.panel[2], "") << s.name;
        EXPECT_EQ(state.panel[0], s.refreshesDate ? today : QStringLiteral("old")) << s.name;
    }
}

TEST_F(CalcTest, PanelZeroUsesTheShortDateFormat)
{
    FormatSettings::current().shortDateFormat = QStringLiteral("yyyy/mm/dd");
    FormatSettings::current().dateSeparator = QLatin1Char('-');
    calc.OnNumeric("1");
    EXPECT_EQ(state.panel[0], "Todays date: 2024-03-05");
}

TEST_F(CalcTest, DigitEmptiesThePaneOfTheModeInUse)
{
    calc.OnNumeric("1");
    EXPECT_EQ(state.foreign, PaneState{});
    EXPECT_EQ(state.home.iso, "GBP");
    EXPECT_EQ(state.displayCurrency, "GBP");

    state.foreign = PaneState{2, QStringLiteral("France"), QStringLiteral("Euro"), QStringLiteral("EUR"), {}};
    state.reverseMode = true;
    state.displayCurrency = QStringLiteral("EUR");
    calc.OnNumeric("2");
    EXPECT_EQ(state.home, PaneState{});
    EXPECT_EQ(state.foreign.iso, "EUR");
    EXPECT_TRUE(state.displayCurrency.isEmpty());
}

// ---------------------------------------------------------------------------------------
// Keyboard

TEST_F(CalcTest, KeyboardMapReachesEveryHandler)
{
    type("12");
    EXPECT_EQ(display(), "12");
    type("+");
    EXPECT_EQ(calc.OperatorStack.top(), "+");
    type("-");
    EXPECT_EQ(calc.OperatorStack.top(), "-");
    type("*");
    EXPECT_EQ(calc.OperatorStack.top(), "x");
    type("/");
    EXPECT_EQ(calc.OperatorStack.top(), "/");
    type("4\r");
    EXPECT_EQ(display(), "3.00");
    type("p");
    EXPECT_EQ(display(), "(3.00)");
    type("P");
    EXPECT_EQ(display(), "3.00");
    type("c");
    EXPECT_EQ(calc.LastAction, "cancel");
    type("9C");
    EXPECT_EQ(display(), "0");
    type(".");
    EXPECT_EQ(display(), "0.");
    type("0123456789");
    EXPECT_EQ(display(), "0.0123456789");

    int reverse = 0, update = 0;
    calc.onReverse = [&] { ++reverse; };
    calc.onUpdate = [&] { ++update; };
    type("RrUu");
    EXPECT_EQ(reverse, 2);
    EXPECT_EQ(update, 2);
}

TEST_F(CalcTest, UnmappedCharactersDoNothing)
{
    type("7");
    const QStringList before = lines();
    type(",xX=e aqZ");
    calc.FormKeyPress(QChar(27));
    calc.FormKeyPress(QChar(10));
    EXPECT_EQ(display(), "7");
    EXPECT_EQ(calc.LastAction, "numeric");
    EXPECT_TRUE(calc.OperatorStack.empty());
    EXPECT_EQ(lines(), before);
}

TEST_F(CalcTest, KeyboardIgnoresWhetherKeysAreEnabled)
{
    calc.disableall();
    type("6*7\r");
    EXPECT_EQ(display(), "42.00");
    // Operator and equals enable the decimal key again; only Clear unlocks the rest.
    EXPECT_EQ(enabledCount(), 1);
    EXPECT_TRUE(on(Key::keydecimal));
    type("p");
    EXPECT_EQ(display(), "(42.00)");
}

TEST_F(CalcTest, DecimalKeyCarriesTheCurrentSeparator)
{
    SeparatorScope restore;
    FormatSettings::current().thousandSeparator = QLatin1Char('.');
    FormatSettings::current().decimalSeparator = QLatin1Char(',');
    type("1234.5");
    EXPECT_EQ(display(), "1234,5");
    EXPECT_DOUBLE_EQ(calc.CurrentValue, 1234.5);
    type("+");
    EXPECT_EQ(display(), "1.234,50");
    EXPECT_EQ(lines().first(), "1234,5");
    type(",");   // the comma key is not mapped, whatever the separator
    EXPECT_EQ(display(), "1.234,50");
}

TEST_F(CalcTest, DisableAndEnableCoverExactlyTheLockableKeys)
{
    calc.disableall();
    for (int k = 0; k < kLockableKeys; ++k)
        EXPECT_FALSE(state.enabled[k]) << keyName(static_cast<Key>(k));
    calc.enableall();
    EXPECT_EQ(enabledCount(), kLockableKeys);
    EXPECT_STREQ(keyName(Key::key1), "key1");
    EXPECT_STREQ(keyName(Key::rmode), "rmode");
}
