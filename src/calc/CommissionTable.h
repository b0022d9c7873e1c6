#pragma once
// The commission table: thirty entries of retail margins, commissions and duties, in per
// cent of the converted amount, and fees as plain amounts in the converted currency. It
// gives the charges of a conversion for the options of the commission toolbar, and loads
// and saves itself under the store key Cvx.
#include "calc/MainState.h"

#include <QString>
#include <QStringList>
#include <array>

class SettingsStore;

// The options of the commission toolbar that decide the charges.
struct ChargeOptions {
    Payment payment = Payment::Cash;
    RateKind rateKind = RateKind::Base;
    bool commission = false;
};

// The options as the main window's toolbar holds them.
ChargeOptions chargeOptionsOf(const MainState& state);

// The five charges, each read from one entry by payment and rate kind.
enum class Charge { Retail, Commission, CommissionFee, Duty, DutyFee };

// The line the log receives when an option of the commission toolbar changes, for example
// "-- Cash -- Base Currency-- Commission? No --".
QString OptionLine(const MainState& state);

class CommissionTable {
public:
    static constexpr int kEntries = 30;
    using Entries = std::array<double, kEntries>;

    // The entry of a charge for a payment and rate kind, or -1 with Base (no charge).
    static int EntryIndex(Charge charge, Payment payment, RateKind rateKind);

    double entry(int index) const { return entries_.at(static_cast<size_t>(index)); }
    const Entries& entries() const { return entries_; }
    void setEntries(const Entries& e) { entries_ = e; }

    // The value of a charge's entry under the options; 0 with Base.
    double Entry(Charge charge, const ChargeOptions& options) const;

    // amount x entry x 0.01 in extended precision, or the fee entry as it stands.
    long double RetailCharge(long double amount, const ChargeOptions& options) const;
    long double CommissionCharge(long double amount, const ChargeOptions& options) const;
    long double CommissionFee(const ChargeOptions& options) const;
    long double DutyCharge(long double amount, const ChargeOptions& options) const;
    long double DutyFee(const ChargeOptions& options) const;

    // The amount with every charge of the options: Sell subtracts them, Buy and Base add
    // them; the commission and its fee count only when the commission is on. Each part is
    // computed from the same amount and summed from left to right.
    long double ApplyCharges(long double amount, const ChargeOptions& options) const;

    // "4", "4", "2", "2", "4", "4" and twenty-four times "000.000".
    static QStringList Defaults();
    // Thirty times "000.000".
    static QStringList Cleared();

    // Parses entries 0 to 29 of the list with "," and "." in force, whatever the
    // operator's punctuation, which is restored on every way out. An entry that is not a
    // number, or a list of fewer than thirty, raises VemoxError; the entries parsed before
    // it stay.
    void LoadCommissionTable(const QStringList& list);

    // Start-up: reads Cvx by value names "0" to "29" (others are left alone); a key with no
    // entry gives the defaults (and nothing is written); a shorter list is completed with
    // "000.000", and only the entries added are written. Every entry is parsed: one that
    // is damaged in the store or is no number counts as 0 and is noted in the store's
    // problems, naming it ("Commission entry 5 cannot be read: ..."). Gives the list as
    // stored, completed.
    QStringList Load(SettingsStore& store);

    // Writes the list as Cvx values "0" to "29" in one change of the store, then parses
    // it. False, after the store's one error report, when the store cannot be written; the
    // table then stays as it was.
    bool Save(const QStringList& list);

private:
    // Parses every entry; an entry of `skip` or one that is no number becomes 0 and is
    // named in the problems returned.
    QStringList loadEntries(const QStringList& list, const QList<int>& skip);

    Entries entries_{};
};
