// A currency button's conversion and the commission toolbar's options.
#include "calc/Exchange.h"
#include "support/Translate.h"
#include "Defs.h"

#include "data/CurrencyTable.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Trap.h"

const QString Exchanger::kNoLibrary = QStringLiteral("Error: Unable to load resource dll - Exchange");
const QString Exchanger::kBadFlag = QStringLiteral("Bad Exchange");
const QString Exchanger::kBadHomeFlag = QStringLiteral("Bad ExchangeBad mem");
const QString Exchanger::kNoData =
    QStringLiteral(
    QT_TRANSLATE_NOOP("Vemox", "No Currency Data Loaded or no currency has been defined.\nUpload now?"));
const QString Exchanger::kSwapError = QStringLiteral("Error F200 in Rmode");

namespace {
// Puts a currency's flag into a pane: the library's picture, or none for a currency the
// library does not hold (the window shows the banknote for it). A picture that cannot be
// read ends the conversion with the pane's error text.
void setFlag(PaneState& pane, const CCurrencyData& record, const ResourceLibrary& lib, const QString& errorText)
{
    const int index = record.GetResourceIndex();
    ResourcePicture flag;
    const bool read = trapWith(
        [&] {
            if (index != NoResourceIndex)
                flag = lib.ReadPicture(ResourceLibrary::FlagId(index));
        },
        [](VemoxError&) {});
    if (!read)
        throw VemoxError(errorText);
    pane.picture = index;
    pane.flag = std::move(flag);
}

void setTexts(PaneState& pane, const CCurrencyData& record)
{
    pane.iso = record.GetIsoCode();
    pane.currency = record.GetDenomination();
    pane.country = record.GetCountryName();
}
} // namespace

// The source and target records of one conversion; either may be missing.
struct Exchanger::Records {
    const CCurrencyData* source = nullptr;
    const CCurrencyData* target = nullptr;
    // The country whose rate is 0.0, or the empty text.
    QString withoutRate() const
    {
        if (source && source->GetRate() == 0.0)
            return source->GetCountryName();
        if (target && target->GetRate() == 0.0)
            return target->GetCountryName();
        return {};
    }
};

Exchanger::Exchanger(Calculator& calc, const CurrencyTable& currencies, const CommissionTable& charges)
    : calc_(calc), state_(calc.state()), currencies_(currencies), charges_(charges)
{
    calc_.onReverse = [this] { Reverse(); };
}

Exchanger::~Exchanger()
{
    calc_.onReverse = nullptr;   // the calculator may outlive this object
}

template <typename Steps>
std::optional<Conversion> Exchanger::trappedSteps(Steps&& steps)
{
    std::optional<Conversion> result;
    trapWith([&] { steps(result); },
             [&](VemoxError& e) {
                 messenger().errorBox(e.message());
                 calc_.disableall();
             });
    state_.announce();
    return result;
}

std::optional<Conversion> Exchanger::Exchange(const QString& country)
{
    pending_.reset();
    return trappedSteps([&](std::optional<Conversion>& result) { exchangeSteps(country, result); });
}

std::optional<Conversion> Exchanger::Resume(bool updated)
{
    if (!pending_)
        return std::nullopt;
    const Pending pending = *std::exchange(pending_, std::nullopt);
    return trappedSteps([&](std::optional<Conversion>& result) { resumeSteps(pending, updated, result); });
}

void Exchanger::openLibrary(ResourceLibrary& lib) const { lib.Open(kNoLibrary, LibraryPath); }

void Exchanger::exchangeSteps(const QString& country, std::optional<Conversion>& result)
{
    state_.panel[2].clear();
    ResourceLibrary lib;   // released when the handler returns, on every path
    openLibrary(lib);
    if (state_.display == QLatin1String("0")) {
        // While nothing is typed a button chooses the home currency.
        if (state_.reverseMode || chooseHomeCurrency(country, lib))
            return;
    }
    if (calc_.LastAction == CalcAction::Cancel || country.isEmpty())
        return;

    // The factor that takes the previous conversion's result back to its source currency.
    // It is taken only once this conversion goes ahead: one that stops leaves the previous
    // conversion's factor for the next equals.
    Pending pending{country, 1.0};
    if (calc_.CrossRate != 0.0) {
        const long double undo = state_.reverseMode ? calc_.ApplyOperator(1, calc_.SourceRate, "/") * calc_.TargetRate
                                                    : calc_.ApplyOperator(1, calc_.TargetRate, "/") * calc_.SourceRate;
        pending.undoRate = Calculator::toDouble(undo);
    }
    Records records;
    if (!findRecords(country, records))
        return;
    if (!records.withoutRate().isEmpty()) {
        pending_ = pending;   // the operator is asked whether to update first
        return;
    }
    finish(pending, records, lib, result);
}

void Exchanger::resumeSteps(const Pending& pending, bool updated, std::optional<Conversion>& result)
{
    calc_.cancelSteps();
    if (!updated)
        return;
    ResourceLibrary lib;
    openLibrary(lib);
    Records records;   // the update rebuilt the table: the records are found again
    if (!findRecords(pending.country, records))
        return;
    if (const QString missing = records.withoutRate(); !missing.isEmpty()) {
        messenger().messageDialog(
            translated(QT_TRANSLATE_NOOP("Vemox", "There is still no rate for %1. Nothing was converted."))
                .arg(missing),
            Messenger::Icon::Information);
        return;
    }
    finish(pending, records, lib, result);
}

void Exchanger::finish(const Pending& pending, const Records& records, const ResourceLibrary& lib,
                       std::optional<Conversion>& result)
{
    if (records.target)
        calc_.TargetRate = records.target->GetRate();
    calc_.UndoRate = pending.undoRate;
    if (records.target)
        showTarget(*records.target, lib);
    computeCrossRate(pending.country);
    Conversion c = convert();
    calc_.log().AppendLine(c.LogLine);
    fillReceipt(c);
    result = std::move(c);

    calc_.LastAction = CalcAction::Convert;
    state_.setEnabled(Key::keydecimal, true);
    calc_.StartNewNumber = true;
    calc_.DisplayText.clear();
}

bool Exchanger::chooseHomeCurrency(const QString& country, const ResourceLibrary& lib)
{
    const CCurrencyData* record = currencies_.FindByCountry(country);
    if (!record)
        return false;
    setFlag(state_.home, *record, lib, kBadHomeFlag);
    setTexts(state_.home, *record);
    state_.displayCurrency = record->GetIsoCode();
    return true;
}

// Finds the source and target records and takes the source's rate; a currency the table
// does not hold stops the conversion. False when it stops.
bool Exchanger::findRecords(const QString& country, Records& records)
{
    const QString sourceCountry = state_.reverseMode ? state_.foreign.country : state_.home.country;
    records.source = currencies_.FindByCountry(sourceCountry);
    records.target = currencies_.FindByCountry(country);
    if (records.source)
        calc_.SourceRate = records.source->GetRate();
    return bothRecords(records, sourceCountry, country);
}

// A currency the table does not hold has no rate: the conversion stops with a message and
// shows no figure, rather than use a rate left from before.
bool Exchanger::bothRecords(const Records& records, const QString& sourceCountry, const QString& country)
{
    QString text;
    if (!records.source && sourceCountry.isEmpty())
        text = translated(QT_TRANSLATE_NOOP("Vemox", "No currency to convert from has been chosen."));
    else if (!records.source || !records.target)
        text = translated(QT_TRANSLATE_NOOP("Vemox", "%1 is not in the currency table, so it has no rate."))
                   .arg(records.source ? country : sourceCountry);
    if (text.isEmpty())
        return true;
    messenger().messageDialog(text + translated(QT_TRANSLATE_NOOP("Vemox", " Nothing was converted.")),
                              Messenger::Icon::Information);
    return false;
}

void Exchanger::showTarget(const CCurrencyData& target, const ResourceLibrary& lib)
{
    if (!state_.reverseMode) {
        setTexts(state_.foreign, target);
        setFlag(state_.foreign, target, lib, kBadFlag);
        return;
    }
    setTexts(state_.home, target);
    setFlag(state_.home, target, lib, kBadHomeFlag);
}

void Exchanger::computeCrossRate(const QString& country)
{
    if (!state_.reverseMode) {
        calc_.CrossRate = country == state_.home.country
                              ? 1.0
                              : Calculator::toDouble(calc_.ApplyOperator(1, calc_.SourceRate, "/") * calc_.TargetRate);
    } else {
        calc_.CrossRate = country == state_.foreign.country
                              ? 1.0
                              : Calculator::toDouble(calc_.ApplyOperator(1, calc_.TargetRate, "/") * calc_.SourceRate);
    }
}

// Converts the amount by what the previous key left: a typed number (or the cleared 0
// after an update), the amount of the conversion just made, or the result on the stack.
Conversion Exchanger::convert()
{
    Conversion c;
    auto& operands = calc_.OperandStack;
    const QString& last = calc_.LastAction;
    const bool onStack = last == CalcAction::Equals || last == CalcAction::Sign ||
                         last == CalcAction::PlusMinus || last == CalcAction::Reverse;
    if (last == CalcAction::Convert) {
        operands.top();   // the amount converted before must still be there
    } else if (onStack) {
        calc_.SourceAmount = operands.top();
    } else {
        if (last == CalcAction::Decimal)   // "5." is 5, and "0." is 0
            calc_.CurrentValue = Formats::strToFloat(calc_.DisplayText);
        calc_.SourceAmount = calc_.CurrentValue;
    }
    const ChargeOptions options = chargeOptionsOf(state_);
    c.SourceAmount = calc_.SourceAmount;
    c.CrossRate = calc_.CrossRate;
    c.Converted = Calculator::toDouble(static_cast<long double>(calc_.SourceAmount) * calc_.CrossRate);
    const long double converted = c.Converted;
    c.DutyTotal = Calculator::toDouble(charges_.DutyFee(options) + charges_.DutyCharge(converted, options));
    c.FeeTotal = Calculator::toDouble(charges_.CommissionFee(options) + (charges_.CommissionCharge(converted, options) +
                                                                         charges_.RetailCharge(converted, options)));
    c.Total = Calculator::toDouble(charges_.ApplyCharges(converted, options));
    if (last == CalcAction::Convert || onStack) {
        operands.replaceTop(c.Total);
    } else {
        calc_.CurrentValue = c.Total;
        operands.push(c.Total);
    }
    state_.display = Formats::formatFloat(calc_.NumberFormat, c.Total);
    state_.displayCurrency = state_.foreign.iso;
    c.LogLine = conversionLine(c.SourceAmount);
    return c;
}

QString Exchanger::conversionLine(double amount) const
{
    return Formats::formatFloat(calc_.NumberFormat, amount) + QLatin1Char(' ') + state_.home.currency +
           QLatin1Char('(') + state_.home.iso + QLatin1Char(')') + QStringLiteral(" Converts to ") +
           state_.display + QLatin1Char(' ') + state_.foreign.currency + QStringLiteral(" (") +
           state_.foreign.iso + QLatin1Char(')');
}

void Exchanger::fillReceipt(Conversion& c) const
{
    auto money = [&](double v) { return Formats::formatFloat(calc_.NumberFormat, v); };
    ReceiptCells& k = c.cells;
    k.Currency1 = state_.home.currency + QStringLiteral(" (") + state_.home.iso + QLatin1Char(')');
    k.Details1 = money(c.SourceAmount);
    k.Details2 = money(c.CrossRate);
    k.Currency3 = state_.foreign.currency + QStringLiteral(" (") + state_.foreign.iso + QLatin1Char(')');
    k.Details3 = money(c.Converted);
    k.Currency4 = k.Currency5 = k.Currency6 = state_.foreign.iso;
    k.Details4 = money(c.DutyTotal);
    k.Details5 = money(c.FeeTotal);
    k.Details6 = money(c.Total);
    c.PendingAccountRecord =
        QStringList{k.Currency1, k.Details1, k.Details2, k.Currency3, k.Details3, k.Details4, k.Details5, k.Details6}
            .join(QLatin1Char(',')) +
        QLatin1Char('\r');
}

// ---------------------------------------------------------------------------------------
// The commission toolbar

void Exchanger::SetPayment(Payment payment)
{
    state_.payment = payment;
    optionChanged();
}

void Exchanger::SetRateKind(RateKind kind)
{
    state_.rateKind = kind;
    state_.commissionEnabled = kind != RateKind::Base;
    optionChanged();
}

void Exchanger::SetCommission(bool on)
{
    state_.commission = on;
    optionChanged();
}

void Exchanger::optionChanged()
{
    state_.panel[2].clear();
    calc_.log().AppendLine(OptionLine(state_));
    state_.announce();
}
