#pragma once
// The conversion of the calculator's amount by a currency button, the commission toolbar's
// options, and reverse mode (Rmode.cpp).
//
// A currency button converts the amount from the currency of one pane into the button's
// currency (normal mode), or from the button's currency into the fixed foreign currency
// (reverse mode), with the charges of the toolbar's options. The conversion members
// (TargetRate, SourceRate, CrossRate, UndoRate, SourceAmount) are the calculator's, since
// its equals and Clear use them too; the exchange sets them.
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "Defs.h"

#include <QString>
#include <functional>
#include <optional>

class CurrencyTable;
class CCurrencyData;
class ResourceLibrary;

// One conversion: its amounts, its log line, the receipt cells and the accounting record.
struct Conversion {
    double SourceAmount = 0;   // before conversion, in the source currency
    double CrossRate = 0;
    double Converted = 0;      // after the cross rate, before charges
    double DutyTotal = 0;      // duty fee + duty charge
    double FeeTotal = 0;       // commission fee + commission charge + retail charge
    double Total = 0;          // the converted amount with the charges of the options
    QString LogLine;           // "100.00 Dollar(USD) Converts to 55.00 Pound (GBP)"

    // Receipt cells: the currencies and the formatted amounts.
    QString Currency1;         // home currency "Dollar (USD)"
    QString Details1;          // SourceAmount
    QString Details2;          // CrossRate, with the number format's decimals
    QString Currency3;         // foreign currency "Pound (GBP)"
    QString Details3;          // Converted
    QString Currency4, Currency5, Currency6;   // the foreign ISO code
    QString Details4;          // DutyTotal
    QString Details5;          // FeeTotal
    QString Details6;          // Total

    // The eight cells Currency1, Details1, Details2, Currency3, Details3 to Details6 joined
    // by "," and ended by one carriage return, waiting for the accounting export.
    QString PendingAccountRecord;
};

class Exchanger {
public:
    // The error texts of the conversion.
    static const QString kNoLibrary;    // "Error: Unable to load resource dll - Exchange"
    static const QString kBadFlag;      // "Bad Exchange"
    static const QString kBadHomeFlag;  // "Bad ExchangeBad mem"
    static const QString kNoData;       // the question on a rate of 0.0
    static const QString kSwapError;    // "Error F200 in Rmode"

    // The calculator's R key reaches Reverse through its onReverse. The Yes answer to the
    // question about missing rates calls the calculator's onUpdate.
    Exchanger(Calculator& calc, const CurrencyTable& currencies, const CommissionTable& charges);
    ~Exchanger();
    Exchanger(const Exchanger&) = delete;
    Exchanger& operator=(const Exchanger&) = delete;

    QString LibraryPath;   // empty: the library of the data folder

    // The handler of every currency button; country is the button's caption. The whole
    // handler is one trap: an error goes to the standard error box and locks the keypad.
    // Gives the conversion made, or nothing when the click only chose the home currency,
    // did nothing or failed. Announces the main state once.
    std::optional<Conversion> Exchange(const QString& country);

    // The last conversion, for the receipt; and its record until the export empties it.
    std::optional<Conversion> LastConversion;
    QString PendingAccountRecord;

    // The Reverse Mode key (Rmode.cpp): swaps the panes, toggles the mode and converts the
    // displayed amount across. Announces the main state once.
    void Reverse();
    // Exchanges the contents of the two panes (changes the main state only).
    void SwapPanes();

    // The commission toolbar: each change empties panel 2 and logs the option line; the
    // shown amount stays as it is. Base disables the commission switch, keeping its check
    // mark; Buy and Sell enable it. Each announces the main state once.
    void SetPayment(Payment payment);
    void SetRateKind(RateKind kind);
    void SetCommission(bool on);

private:
    struct Records;
    void exchangeSteps(const QString& country, std::optional<Conversion>& result);
    bool chooseHomeCurrency(const QString& country, const ResourceLibrary& lib);
    bool readRates(const QString& country, Records& records);
    static bool bothRecords(const Records& records, const QString& sourceCountry, const QString& country);
    void showTarget(const CCurrencyData& target, const ResourceLibrary& lib);
    void computeCrossRate(const QString& country);
    Conversion convert();
    void fillReceipt(Conversion& c) const;
    QString conversionLine(double amount) const;
    void optionChanged();
    void reverseSteps();
    long double reverseFactor(long double amount) const;

    Calculator& calc_;
    MainState& state_;
    const CurrencyTable& currencies_;
    const CommissionTable& charges_;
};
