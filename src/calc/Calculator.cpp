#include "calc/Calculator.h"

#include "support/Trap.h"

#include <cfloat>
#include <cmath>

namespace {
const QString kError = QStringLiteral("Error");
const QString kErrorSpace = QStringLiteral("Error ");
const QString kInfinityError = QStringLiteral("Infinity Error");
const QString kClearLine = QStringLiteral("----- CLEAR ------");
const QString kEqualsLine = QStringLiteral("---- Equals: ");
const QString kPlusMinusLine = QStringLiteral("+/-");
} // namespace

Calculator::Calculator(MainState& state, TransactionLog& log, const CommissionTable& charges,
                       QObject* parent)
    : QObject(parent), state_(state), log_(log), charges_(charges)
{
}

double Calculator::toDouble(long double value)
{
    if (std::isnan(value))
        throw VemoxError(QStringLiteral("Invalid floating point operation"));
    if (!std::isfinite(value) || std::fabs(value) > static_cast<long double>(DBL_MAX))
        throw VemoxError(QStringLiteral("Floating point overflow"));
    return static_cast<double>(value);
}

// A failing step ends the body there: the display shows the key's error text and the
// keypad locks until Clear.
template <typename Body>
bool Calculator::keyTrap(const QString& errorText, Body&& body)
{
    return trapWith(std::forward<Body>(body), [&](VemoxError&) {
        state_.display = errorText;
        disableall();
    });
}

// A key handler: its steps in the trap, then one announce of the main state.
template <typename Body>
void Calculator::key(const QString& errorText, Body&& body)
{
    keyTrap(errorText, std::forward<Body>(body));
    state_.announce();
}

long double Calculator::ApplyCharges(long double amount) const
{
    return charges_.ApplyCharges(amount, chargeOptionsOf(state_));
}

void Calculator::refreshDate()
{
    state_.showToday(Today());
}

void Calculator::showFormatted(long double value)
{
    state_.display = Formats::formatFloat(NumberFormat, value);
}

// After a division by zero has taken both operands there is no top to show; the display
// then keeps the error text.
void Calculator::showTopOperand()
{
    if (!OperandStack.empty())
        showFormatted(OperandStack.top());
}

// ---------------------------------------------------------------------------------------
// Keypad and panes

void Calculator::disableall()
{
    for (int k = 0; k < kLockableKeys; ++k)
        state_.setEnabled(static_cast<Key>(k), false);
}

void Calculator::enableall()
{
    for (int k = 0; k < kLockableKeys; ++k)
        state_.setEnabled(static_cast<Key>(k), true);
}

void Calculator::ClearForeignPane()
{
    state_.foreign = PaneState{};
    state_.displayCurrency = state_.home.iso;
}

void Calculator::ClearHomePane()
{
    state_.home = PaneState{};
    state_.displayCurrency.clear();
}

// ---------------------------------------------------------------------------------------
// Number entry

void Calculator::OnNumeric(const QString& digit)
{
    key(kError, [&] {
        state_.panel[2].clear();
        refreshDate();
        if (ReverseMode())
            ClearHomePane();
        else
            ClearForeignPane();
        // A digit typed after a result starts a new calculation.
        if (LastAction == CalcAction::Equals)
            cancelSteps();
        if (StartNewNumber) {
            DisplayText = digit;
            StartNewNumber = false;
        } else {
            DisplayText += digit;
        }
        state_.display = DisplayText;
        CurrentValue = Formats::strToFloat(DisplayText);
        LastAction = CalcAction::Numeric;
    });
}

void Calculator::OnDecimal(const QString& symbol)
{
    key(kErrorSpace, [&] {
        state_.panel[2].clear();
        if (DisplayText.isEmpty() || state_.display == QLatin1String("0")) {
            DisplayText = QStringLiteral("0") + symbol;
        } else {
            DisplayText += symbol;
            CurrentValue = Formats::strToFloat(DisplayText);
        }
        state_.display = DisplayText;
        StartNewNumber = false;
        state_.setEnabled(Key::keydecimal, false);
        LastAction = CalcAction::Decimal;
    });
}

void Calculator::cancelSteps()
{
    state_.panel[2].clear();
    refreshDate();
    state_.display = QStringLiteral("0");
    state_.setEnabled(Key::keydecimal, true);
    OperandStack.clear();
    OperatorStack.clear();
    StartNewNumber = true;
    CurrentValue = 0;
    enableall();
    if (ReverseMode())
        ClearHomePane();
    else
        ClearForeignPane();
    TargetRate = SourceRate = CrossRate = UndoRate = 1.0;
    LastAction = CalcAction::Cancel;
    log_.AppendLine(kClearLine);
}

void Calculator::OnCancel()
{
    key(kErrorSpace, [&] { cancelSteps(); });
}

void Calculator::plusminusClick()
{
    key(kErrorSpace, [&] {
        state_.panel[2].clear();
        if (state_.display != QLatin1String("0")) {
            if (LastAction == CalcAction::Numeric) {
                negateTypedNumber(CurrentValue);
            } else if (LastAction == CalcAction::Decimal) {
                // After the separator the number on display is negated, not a value left
                // from an earlier calculation: "0." is 0.
                negateTypedNumber(Formats::strToFloat(state_.display));
            } else if (!OperandStack.empty()) {
                // The value on display is the top operand.
                OperandStack.replaceTop(toDouble(static_cast<long double>(OperandStack.top()) * -1.0L));
                showFormatted(OperandStack.top());
            }
            // With no operand (after a division by zero took both) there is nothing to
            // negate: no number changes.
        }
        LastAction = CalcAction::PlusMinus;
        StartNewNumber = true;
        log_.AppendLine(kPlusMinusLine);
    });
}

void Calculator::negateTypedNumber(double value)
{
    // Zero stays zero, not a negative zero shown in parentheses.
    CurrentValue = value == 0 ? 0.0 : toDouble(static_cast<long double>(value) * -1.0L);
    OperandStack.push(CurrentValue);
    showFormatted(CurrentValue);
}

// ---------------------------------------------------------------------------------------
// Operators and equals

long double Calculator::ApplyOperator(long double first, long double second, const QString& op) const
{
    if (op == QLatin1String("+"))
        return first + second;
    if (op == QLatin1String("-"))
        return first - second;
    if (op == QLatin1String("x"))
        return first * second;
    if (second == 0.0L) {
        if (first == 0.0L || std::isnan(first))
            throw VemoxError(QStringLiteral("Invalid floating point operation"));
        throw VemoxError(QStringLiteral("Floating point division by zero"));
    }
    return first / second;
}

void Calculator::OnCalcButton(const QString& symbol)
{
    // The equals that an operator key completes keeps its own trap: a failure there shows
    // its error text and locks the keypad, and the operator key still finishes its steps.
    // The display then keeps the error text instead of a top operand.
    key(kError, [&] {
        state_.panel[2].clear();
        StartNewNumber = true;
        const int ops = OperatorStack.size();
        if (LastAction == CalcAction::Equals || LastAction == CalcAction::Sign) {
            if (OperatorStack.empty())
                OperatorStack.push(symbol);
            else
                OperatorStack.replaceTop(symbol);
            log_.AppendLine(symbol);
        } else {
            // After +/- or a conversion the value on display is already the top operand.
            const bool onDisplay = LastAction == CalcAction::PlusMinus || LastAction == CalcAction::Convert;
            if (!onDisplay) {
                log_.AppendLine(Formats::floatToStr(CurrentValue));
                OperandStack.push(CurrentValue);
            }
            const int operands = OperandStack.size();
            if (ops == 0 && operands == 1) {
                OperatorStack.push(symbol);
                showTopOperand();
            } else if (ops == 0 && operands == 2) {
                OperatorStack.push(symbol);
                if (trappedEquals())
                    showTopOperand();
            } else if (ops == 1 && (operands == 2 || (operands == 1 && !onDisplay))) {
                trappedEquals();
                OperatorStack.replaceTop(symbol);
            } else if (ops == 1 && operands == 1) {
                OperatorStack.replaceTop(symbol);
            }
            // The value on display is logged as it stands once its equals is done.
            if (onDisplay)
                log_.AppendLine(state_.display);
            log_.AppendLine(symbol);
        }
        state_.setEnabled(Key::keydecimal, true);
        LastAction = CalcAction::Sign;
        DisplayText.clear();
    });
}

void Calculator::equalsSteps()
{
    state_.panel[2].clear();
    const int ops = OperatorStack.size();
    const int operands = OperandStack.size();
    if (ops == 0 && operands == 0) {
        OperandStack.push(CurrentValue);
        showFormatted(CurrentValue);
    } else if (ops == 0 && operands == 1) {
        showTopOperand();
    } else if (ops == 1 && operands == 0) {
        OperandStack.push(CurrentValue);
        showTopOperand();
    } else if (ops == 1 && operands == 1) {
        const QString op = OperatorStack.top();
        if (CurrentValue == 0 && op == QLatin1String("/")) {
            state_.display = kInfinityError;
            disableall();
        } else {
            if (LastAction == CalcAction::Convert && !ReverseMode()) {
                // Recompute the converted amount the conversion left on top.
                OperandStack.replaceTop(toDouble(static_cast<long double>(SourceAmount) * CrossRate));
                OperandStack.replaceTop(toDouble(ApplyCharges(OperandStack.top())));
            }
            log_.AppendLine(Formats::floatToStr(CurrentValue));
            OperandStack.replaceTop(toDouble(ApplyOperator(OperandStack.top(), CurrentValue, op)));
            showTopOperand();
        }
    } else if (ops == 1 && operands == 2) {
        const QString op = OperatorStack.top();
        if (!ReverseMode()) {
            // The first operand was typed before the second was converted: bring it into
            // the converted currency, without charges.
            const double converted = OperandStack.pop();
            const long double first = static_cast<long double>(OperandStack.top()) * UndoRate * CrossRate;
            OperandStack.replaceTop(toDouble(first));
            OperandStack.push(converted);
        }
        const double b = OperandStack.pop();
        const double a = OperandStack.pop();
        if (b == 0 && op == QLatin1String("/")) {
            state_.display = kInfinityError;
            disableall();
        } else {
            OperandStack.push(toDouble(ApplyOperator(a, b, op)));
            showTopOperand();
        }
    }
    log_.AppendLine(kEqualsLine + state_.display);
    state_.setEnabled(Key::keydecimal, true);
    DisplayText.clear();
    LastAction = CalcAction::Equals;
    StartNewNumber = true;
}

void Calculator::OnEquals()
{
    trappedEquals();
    state_.announce();
}

bool Calculator::trappedEquals()
{
    return keyTrap(kErrorSpace, [&] { equalsSteps(); });
}

// ---------------------------------------------------------------------------------------
// Keyboard

void Calculator::FormKeyPress(QChar key)
{
    switch (key.unicode()) {
    case '\r':
        OnEquals();
        return;
    case '+':
        OnCalcButton(QStringLiteral("+"));
        return;
    case '-':
        OnCalcButton(QStringLiteral("-"));
        return;
    case '*':
        OnCalcButton(QStringLiteral("x"));
        return;
    case '/':
        OnCalcButton(QStringLiteral("/"));
        return;
    case '.':
        // The decimal key always carries the current decimal separator.
        OnDecimal(QString(FormatSettings::current().decimalSeparator));
        return;
    case 'C':
    case 'c':
        OnCancel();
        return;
    case 'P':
    case 'p':
        plusminusClick();
        return;
    case 'R':
    case 'r':
        if (onReverse)
            onReverse();
        return;
    case 'U':
    case 'u':
        if (onUpdate)
            onUpdate();
        return;
    default:
        if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
            OnNumeric(QString(key));
        return;
    }
}
