#include "calc/CounterSession.h"
#include "support/Translate.h"
#include "Defs.h"
#include "data/CurrencyLoader.h"
#include "data/DataFiles.h"
#include "data/RateUpdate.h"
#include "data/UserCurrencies.h"
#include "support/DataFolder.h"
#include "support/Trap.h"

CounterSession::CounterSession() : update_(std::make_unique<RateUpdate>(currencies_))
{
    state_.follow(*update_);
    update_->onCancel = [this] { calc_.OnCancel(); };
    calc_.onUpdate = [this] { requestUpdate(); };   // the U key
}

CounterSession::~CounterSession()
{
    calc_.onUpdate = nullptr;
}

bool CounterSession::start(std::function<bool(int tab)> showTab)
{
    calc_.OnCancel();
    // The panes' hints tell the rates of this table, whatever reloads it later.
    const bool loaded = LoadCurrencyData(currencies_);
    state_.showRatesOf(currencies_);
    if (!loaded)
        state_.panel[2] = translated(QT_TRANSLATE_NOOP("Vemox", "No currency data. Upload from the Web."));
    // The settings, then today's date in their date format; the load has told any failure.
    settings_.showTab = std::move(showTab);
    settings_.load();
    state_.showToday(calc_.Today());
    log_.Clear();
    // After the currency editor has been used, updates from the web stay off.
    state_.updateEnabled = !UserCurrencies::EditorSettings::load().disableUpdateButton;
    // The data the program started with is what a rollback returns to.
    update_->KeepStartData(loaded);
    if (loaded)
        trapped(QString(), [this] {
            state_.panel1Hint =
                RateUpdate::RatesHint(DataFiles::readLines(DataFolder::file(Defs::kCurrencyFile)), {});
        });
    state_.announce();
    return loaded;
}

std::optional<Conversion> CounterSession::convertSlot(int tab, int slot)
{
    const QString country = layout_.at(tab, slot);
    if (country.isEmpty())
        return std::nullopt;
    std::optional<Conversion> made = exchanger_.Exchange(country);
    if (made)
        last_ = made;
    return made;
}

std::optional<Conversion> CounterSession::resumeConversion(bool updated)
{
    std::optional<Conversion> made = exchanger_.Resume(updated);
    if (made)
        last_ = made;
    return made;
}

ReportSources CounterSession::reportSources(const QDateTime& now) const
{
    ReportSources sources;
    if (last_)
        sources.cells = last_->cells;
    sources.payment = state_.payment;
    sources.rateKind = state_.rateKind;
    sources.log = log_.Lines();
    sources.now = now;
    return sources;
}

AccountingExport::Outcome CounterSession::appendToAccounts(const QDateTime& now)
{
    QString none;   // no conversion yet: the export tells there is nothing to save
    QString& record = last_ ? last_->PendingAccountRecord : none;
    const auto outcome = AccountingExport::AppendToAccounts(record, rateKindText(state_.rateKind),
                                                            paymentText(state_.payment), DataFolder::path(),
                                                            state_.panel[0], now);
    state_.announce();
    return outcome;
}

bool CounterSession::requestUpdate() { return update_->GoUpdateFromTheWeb(); }

void CounterSession::rollback() { update_->Rollback(); }

bool CounterSession::reloadCurrencies()
{
    state_.updateEnabled = !UserCurrencies::EditorSettings::load().disableUpdateButton;
    CurrencyTable fresh;
    const bool loaded = LoadCurrencyData(fresh);
    if (loaded)
        currencies_ = std::move(fresh);
    state_.announce();   // the panes' rates as the new table has them
    return loaded;
}

void CounterSession::showCommissionBar(bool shown)
{
    if (state_.commissionBarShown == shown)
        return;
    state_.commissionBarShown = shown;
    state_.announce();
}

void CounterSession::abortUpdate() { update_->abort(); }

void CounterSession::clear()
{
    layout_.ButtonAssignments.clear();
    currencies_.ClearTable();
}
