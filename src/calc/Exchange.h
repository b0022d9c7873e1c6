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
#include "calc/Conversion.h"
#include "Defs.h"

#include <QString>
#include <functional>
#include <optional>

class CurrencyTable;
class CCurrencyData;
class ResourceLibrary;

class Exchanger {
public:
    // The error texts of the conversion.
    static const QString kNoLibrary;    // "Error: Unable to load resource dll - Exchange"
    static const QString kBadFlag;      // "Bad Exchange"
    static const QString kBadHomeFlag;  // "Bad ExchangeBad mem"
    static const QString kNoData;       // the question on a rate of 0.0
    static const QString kSwapError;    // "Error F200 in Rmode"

    // The calculator's R key reaches Reverse through its onReverse.
    Exchanger(Calculator& calc, const CurrencyTable& currencies, const CommissionTable& charges);
    ~Exchanger();
    Exchanger(const Exchanger&) = delete;
    Exchanger& operator=(const Exchanger&) = delete;

    QString LibraryPath;   // empty: the library of the data folder

    // The handler of every currency button; country is the slot's country. The whole
    // handler is one trap: an error goes to the standard error box and locks the keypad.
    // Gives the conversion made, or nothing when the click only chose the home currency,
    // did nothing or failed. Announces the main state once.
    //
    // A rate of 0.0 stops the conversion before any figure changes, with ratesMissing()
    // set: the caller asks the operator (kNoData), updates on Yes, and then calls Resume.
    std::optional<Conversion> Exchange(const QString& country);
    bool ratesMissing() const { return pending_.has_value(); }
    // The conversion that stopped for its rates: the calculator is cleared, and after an
    // update (`updated`) both rates are read again from the new table, so that nothing is
    // divided by a rate known to be stale. A rate still missing, or a currency the table no
    // longer holds, stops it with a message.
    std::optional<Conversion> Resume(bool updated);

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
    // A conversion waiting for the operator's answer about its missing rates.
    struct Pending {
        QString country;
        double undoRate = 1.0;
    };
    template <typename Steps>
    std::optional<Conversion> trappedSteps(Steps&& steps);
    void exchangeSteps(const QString& country, std::optional<Conversion>& result);
    void resumeSteps(const Pending& pending, bool updated, std::optional<Conversion>& result);
    void finish(const Pending& pending, const Records& records, const ResourceLibrary& lib,
                std::optional<Conversion>& result);
    void openLibrary(ResourceLibrary& lib) const;
    bool chooseHomeCurrency(const QString& country, const ResourceLibrary& lib);
    bool findRecords(const QString& country, Records& records);
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
    std::optional<Pending> pending_;
};
