// The charges of a conversion by the commission table, the option line of the commission
// toolbar, and the table's load and save under Cvx.
#include "calc/CommissionTable.h"

#include "Defs.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/SettingsStore.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

namespace {
// Table entries of each charge, by column: Cash Buy, Cash Sell, Card Buy, Card Sell,
// Cheques Buy, Cheques Sell.
constexpr std::array<std::array<int, 6>, 5> kColumns{{
    {0, 1, 2, 3, 4, 5},         // retail
    {6, 7, 10, 11, 14, 15},     // commission
    {8, 9, 12, 13, 16, 17},     // commission fee
    {18, 19, 22, 23, 26, 27},   // duty
    {20, 21, 24, 25, 28, 29},   // duty fee
}};

// One per cent, as a factor in extended precision.
constexpr long double kPerCent = 0.01L;

const QString kEmptyEntry = QStringLiteral("000.000");

QString rateText(RateKind k)
{
    switch (k) {
    case RateKind::Buy:
        return QStringLiteral("Buy Currency");
    case RateKind::Sell:
        return QStringLiteral("Sell Currency");
    case RateKind::Base:
        break;
    }
    return QStringLiteral("Base Currency");
}
} // namespace

ChargeOptions chargeOptionsOf(const MainState& state)
{
    return ChargeOptions{state.payment, state.rateKind, state.commission};
}

QString OptionLine(const MainState& state)
{
    return QStringLiteral("-- ") + paymentText(state.payment) + QStringLiteral(" -- ") +
           rateText(state.rateKind) + QStringLiteral("-- Commission? ") +
           (state.commission ? QStringLiteral("Yes") : QStringLiteral("No")) + QStringLiteral(" --");
}

int CommissionTable::EntryIndex(Charge charge, Payment payment, RateKind rateKind)
{
    if (rateKind == RateKind::Base)
        return -1;
    int column = 0;
    switch (payment) {
    case Payment::Cash:
        column = 0;
        break;
    case Payment::CreditCard:
        column = 2;
        break;
    case Payment::TravellersCheques:
        column = 4;
        break;
    }
    if (rateKind == RateKind::Sell)
        ++column;
    return kColumns[static_cast<size_t>(charge)][static_cast<size_t>(column)];
}

double CommissionTable::Entry(Charge charge, const ChargeOptions& options) const
{
    const int index = EntryIndex(charge, options.payment, options.rateKind);
    return index < 0 ? 0.0 : entry(index);
}

long double CommissionTable::RetailCharge(long double amount, const ChargeOptions& options) const
{
    return amount * Entry(Charge::Retail, options) * kPerCent;
}

long double CommissionTable::CommissionCharge(long double amount, const ChargeOptions& options) const
{
    return amount * Entry(Charge::Commission, options) * kPerCent;
}

long double CommissionTable::CommissionFee(const ChargeOptions& options) const
{
    return Entry(Charge::CommissionFee, options);
}

long double CommissionTable::DutyCharge(long double amount, const ChargeOptions& options) const
{
    return amount * Entry(Charge::Duty, options) * kPerCent;
}

long double CommissionTable::DutyFee(const ChargeOptions& options) const
{
    return Entry(Charge::DutyFee, options);
}

long double CommissionTable::ApplyCharges(long double x, const ChargeOptions& options) const
{
    const bool sell = options.rateKind == RateKind::Sell;
    long double total = x;
    auto apply = [&](long double part) { total = sell ? total - part : total + part; };
    apply(RetailCharge(x, options));
    if (options.commission) {
        apply(CommissionCharge(x, options));
        apply(CommissionFee(options));
    }
    apply(DutyCharge(x, options));
    apply(DutyFee(options));
    return total;
}

// ---------------------------------------------------------------------------------------
// The stored table

QStringList CommissionTable::Cleared()
{
    QStringList list;
    for (int i = 0; i < kEntries; ++i)
        list.append(kEmptyEntry);
    return list;
}

QStringList CommissionTable::Defaults()
{
    QStringList list = Cleared();
    const QString four = Formats::floatToStr(4.0);
    const QString two = Formats::floatToStr(2.0);
    list[0] = list[1] = list[4] = list[5] = four;
    list[2] = list[3] = two;
    return list;
}

void CommissionTable::LoadCommissionTable(const QStringList& list)
{
    const SeparatorScope fixedSeparators;
    for (int i = 0; i < kEntries; ++i) {
        if (i >= list.size())
            throw VemoxError(QStringLiteral("The commission table has %1 entries instead of %2")
                                 .arg(list.size())
                                 .arg(kEntries));
        entries_[static_cast<size_t>(i)] = Formats::strToFloat(list.at(i));
    }
}

QStringList CommissionTable::loadEntries(const QStringList& list, const QList<int>& skip)
{
    const SeparatorScope fixedSeparators;
    QStringList problems;
    for (int i = 0; i < kEntries; ++i) {
        double value = 0.0;
        if (!skip.contains(i))
            trapWith([&] { value = Formats::strToFloat(list.value(i)); },
                     [&](VemoxError& e) {
                         problems.append(
                             QStringLiteral("Commission entry %1 cannot be read: %2").arg(i).arg(e.message()));
                     });
        entries_[static_cast<size_t>(i)] = value;
    }
    return problems;
}

QStringList CommissionTable::Load(SettingsStore& store)
{
    const SettingsStore::List stored = store.readList(Defs::kKeyCommission, QStringLiteral("Commission"));
    QStringList list = stored.found ? stored.entries : Defaults();
    if (stored.found && list.size() < kEntries) {
        ZYMAPI::StoreChange completed;
        for (qsizetype i = list.size(); i < kEntries; ++i) {
            list.append(kEmptyEntry);
            ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, QString::number(i), kEmptyEntry,
                                  KEY_WRITE);
        }
        completed.commit();
    }
    for (const QString& problem : loadEntries(list, stored.damaged))
        store.note(problem);
    return list;
}

bool CommissionTable::Save(const QStringList& list)
{
    // One change of the store, so a failure is told once and leaves the earlier values whole.
    ZYMAPI::StoreChange change;
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, list.mid(0, kEntries), KEY_WRITE);
    if (!change.commit())
        return false;
    LoadCommissionTable(list);
    return true;
}
