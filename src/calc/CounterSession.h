#pragma once
// One run of the counter, without a window: the calculator, the currency table, the button
// layout, the charges, the transaction log, the conversion, the rate update, the settings
// and the last conversion, whose receipt cells and account record live only here.
//
// The main window's units call its operations and let the window render the main state;
// it reports through the main state's signals and never calls a window. A conversion that
// meets a missing rate stops and says so (ratesMissing); the unit asks the operator, runs
// the update, and resumes it.
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "calc/Conversion.h"
#include "calc/Exchange.h"
#include "calc/MainSettings.h"
#include "calc/MainState.h"
#include "calc/TransactionLog.h"
#include "data/AccountingExport.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyTable.h"

#include <functional>
#include <memory>
#include <optional>

class RateUpdate;

class CounterSession {
public:
    CounterSession();
    ~CounterSession();
    CounterSession(const CounterSession&) = delete;
    CounterSession& operator=(const CounterSession&) = delete;

    MainState& state() { return state_; }
    TransactionLog& log() { return log_; }
    CurrencyTable& currencies() { return currencies_; }
    ButtonLayout& layout() { return layout_; }
    CommissionTable& commission() { return commission_; }
    Calculator& calculator() { return calc_; }
    Exchanger& exchanger() { return exchanger_; }
    RateUpdate& update() { return *update_; }
    MainSettings& settings() { return settings_; }

    // The start from the cleared calculator on: the currency data, the settings (showTab
    // shows a tab once the layout is loaded), today's date, the empty log, the editor's
    // update switch and the copy of the data for a rollback. False without currency data.
    bool start(std::function<bool(int tab)> showTab);

    // Converts the amount by the country of a slot (1 .. 16) of a tab; an empty slot
    // converts nothing. See Exchanger::Exchange.
    std::optional<Conversion> convertSlot(int tab, int slot);
    bool ratesMissing() const { return exchanger_.ratesMissing(); }
    // The conversion that stopped for its rates goes on after the operator's answer.
    std::optional<Conversion> resumeConversion(bool updated);
    void reverse() { exchanger_.Reverse(); }
    const std::optional<Conversion>& lastConversion() const { return last_; }

    // What the receipt and the log report are prepared from, at `now`.
    ReportSources reportSources(const QDateTime& now) const;
    // Appends the last conversion's record to the account file, with the rate and payment
    // choices in force; the record is emptied once it is there. See AccountingExport.
    AccountingExport::Outcome appendToAccounts(const QDateTime& now);

    // The update from the server; true when new rates are in force.
    bool requestUpdate();
    // Returns to the rates the program started with; raises what went wrong.
    void rollback();
    // After the currency editor: its update switch applies, and the data loads again. A
    // failed load keeps the table in force (the loader has told why); false then.
    bool reloadCurrencies();

    void showCommissionBar(bool shown);

    // The close: an update still waiting is abandoned, the settings are stored, and the
    // layout and the table emptied.
    void abortUpdate();
    bool saveSettings() { return settings_.save(); }
    void clear();

private:
    MainState state_;
    TransactionLog log_;
    CurrencyTable currencies_;
    ButtonLayout layout_;
    CommissionTable commission_;
    Calculator calc_{state_, log_, commission_};
    Exchanger exchanger_{calc_, currencies_, commission_};
    MainSettings settings_{state_, calc_.NumberFormat, currencies_, commission_, layout_};
    std::unique_ptr<RateUpdate> update_;
    std::optional<Conversion> last_;
};
