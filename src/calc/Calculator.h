#pragma once
// The calculator of the main window: number entry, the four operations with equals and the
// keyboard map. It keeps its own state as the strings,
// flags and stacks below, decides what a key does from the previous key (LastAction) and
// the sizes of the two stacks, and shows its results through MainState.
//
// Every key handler runs inside one error trap: an error stops the handler at that step,
// puts the handler's error text into the display and locks the keypad until Clear. What
// the handler changed before the error stays; nothing more is logged.
#include "calc/CommissionTable.h"
#include "calc/MainState.h"
#include "calc/TransactionLog.h"
#include "support/Errors.h"
#include "support/Formats.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

// The values of Calculator::LastAction: what the previous key or event was.
namespace CalcAction {
inline const QString Numeric = QStringLiteral("numeric");   // a digit
inline const QString Decimal = QStringLiteral("decimal");   // the decimal separator
inline const QString Sign = QStringLiteral("sign");         // an operator key
inline const QString PlusMinus = QStringLiteral("+-");      // the +/- key
inline const QString Equals = QStringLiteral("equals");     // a result was computed
inline const QString Cancel = QStringLiteral("cancel");     // Clear
inline const QString Convert = QStringLiteral("convert");   // a currency button
inline const QString Reverse = QStringLiteral("R");         // the Reverse Mode key
} // namespace CalcAction

// A stack used only at its top. Reading or removing the top of an empty stack raises
// VemoxError instead of touching memory that is not there; the handlers check the size
// first, so this only ever ends in the error display.
template <typename T>
class CalcStack {
public:
    int size() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    void push(const T& v) { items_.push_back(v); }
    T pop()
    {
        need();
        T v = items_.back();
        items_.pop_back();
        return v;
    }
    const T& top() const
    {
        need();
        return items_.back();
    }
    void replaceTop(const T& v)
    {
        need();
        items_.back() = v;
    }
    void clear() { items_.clear(); }

private:
    void need() const
    {
        if (items_.empty())
            throw VemoxError(QStringLiteral("Stack is empty"));
    }
    std::vector<T> items_;
};

class Calculator : public QObject {
    Q_OBJECT
public:
    // The equals after a conversion charges the converted amount by the table it is given.
    Calculator(MainState& state, TransactionLog& log, const CommissionTable& charges,
               QObject* parent = nullptr);

    // --- Calculator state (values at creation; OnCancel gives the cleared state) ---
    QString DisplayText;               // the number being typed, exactly as typed
    QString LastAction;                // one of CalcAction
    bool StartNewNumber = false;       // the next digit replaces DisplayText
    double CurrentValue = 0;           // DisplayText as a number
    CalcStack<QString> OperatorStack;  // pending operator: "+", "-", "x", "/"
    CalcStack<double> OperandStack;    // operands and intermediate results

    // Rates and amount of the last conversion.
    double TargetRate = 0;
    double SourceRate = 0;
    double CrossRate = 0;
    double UndoRate = 0;
    double SourceAmount = 0;

    QString NumberFormat = Formats::kDefaultNumberFormat;

    bool ReverseMode() const { return state_.reverseMode; }

    // Today's date for status panel 0; tests fix it.
    std::function<QDate()> Today = [] { return QDate::currentDate(); };
    // The R and U keys of the keyboard: Reverse Mode and the update from the server.
    std::function<void()> onReverse;
    std::function<void()> onUpdate;

    // --- Keys (each ends with one announce of the main state) ---
    void OnNumeric(const QString& digit);
    void OnDecimal(const QString& symbol);
    void OnCancel();
    void plusminusClick();
    void OnCalcButton(const QString& symbol);
    void OnEquals();
    // The main window previews every key press; the character is passed on afterwards.
    void FormKeyPress(QChar key);

    // first + second, first - second, first x second, or first / second for any other
    // symbol, in extended precision. Division by zero and invalid operations raise.
    long double ApplyOperator(long double first, long double second, const QString& op) const;

    // --- Keypad and panes (these change the main state only; the caller announces) ---
    void disableall();
    void enableall();
    void ClearHomePane();
    void ClearForeignPane();
    // The steps of Clear, for handlers that clear as one of their own steps (the
    // conversion, Reverse); they announce once themselves.
    void cancelSteps();

    // The amount with the charges of the commission toolbar's options.
    long double ApplyCharges(long double amount) const;
    const CommissionTable& charges() const { return charges_; }

    // An extended-precision result stored as a double. A result that is not a number, or
    // lies beyond the range of a double, raises VemoxError.
    static double toDouble(long double value);

    MainState& state() { return state_; }
    TransactionLog& log() { return log_; }

private:
    template <typename Body>
    bool keyTrap(const QString& errorText, Body&& body);
    template <typename Body>
    void key(const QString& errorText, Body&& body);
    void equalsSteps();
    bool trappedEquals();
    void negateTypedNumber(double value);
    void showFormatted(long double value);
    void showTopOperand();
    void refreshDate();

    MainState& state_;
    TransactionLog& log_;
    const CommissionTable& charges_;
};
