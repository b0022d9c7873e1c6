// The charges of a conversion: retail margin, commission and duty, read from the
// commission table by the payment kind and rate kind chosen on the commission toolbar.
#include "calc/Calculator.h"

namespace {
// Table entries of each charge, by column: Cash Buy, Cash Sell, Card Buy, Card Sell,
// Cheques Buy, Cheques Sell.
constexpr std::array<int, 6> kRetail{0, 1, 2, 3, 4, 5};
constexpr std::array<int, 6> kCommission{6, 7, 10, 11, 14, 15};
constexpr std::array<int, 6> kCommissionFee{8, 9, 12, 13, 16, 17};
constexpr std::array<int, 6> kDuty{18, 19, 22, 23, 26, 27};
constexpr std::array<int, 6> kDutyFee{20, 21, 24, 25, 28, 29};

// One per cent, as a factor in extended precision.
constexpr long double kPerCent = 0.01L;

QString paymentText(Payment p)
{
    switch (p) {
    case Payment::Cash:
        return QStringLiteral("Cash");
    case Payment::CreditCard:
        return QStringLiteral("Credit Card");
    case Payment::TravellersCheques:
        break;
    }
    return QStringLiteral("Traveller's Cheques");
}

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

QString OptionLine(const MainState& state)
{
    return QStringLiteral("-- ") + paymentText(state.payment) + QStringLiteral(" -- ") +
           rateText(state.rateKind) + QStringLiteral("-- Commission? ") +
           (state.commission ? QStringLiteral("Yes") : QStringLiteral("No")) + QStringLiteral(" --");
}

// The entry of the current choice; 0 with the base rate, where no charge applies.
double Calculator::entry(const std::array<int, 6>& columns) const
{
    if (state_.rateKind == RateKind::Base)
        return 0.0;
    int column = 0;
    switch (state_.payment) {
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
    if (state_.rateKind == RateKind::Sell)
        ++column;
    return CommissionTable[static_cast<size_t>(columns[static_cast<size_t>(column)])];
}

long double Calculator::RetailCharge(long double amount) const
{
    return amount * entry(kRetail) * kPerCent;
}

long double Calculator::CommissionCharge(long double amount) const
{
    return amount * entry(kCommission) * kPerCent;
}

long double Calculator::CommissionFee() const
{
    return entry(kCommissionFee);
}

long double Calculator::DutyCharge(long double amount) const
{
    return amount * entry(kDuty) * kPerCent;
}

long double Calculator::DutyFee() const
{
    return entry(kDutyFee);
}

// Selling to the customer subtracts the charges, buying adds them. The commission and its
// fee count only when the commission box is checked.
long double Calculator::ApplyCharges(long double x) const
{
    const bool sell = state_.rateKind == RateKind::Sell;
    long double total = x;
    auto apply = [&](long double part) { total = sell ? total - part : total + part; };
    apply(RetailCharge(x));
    if (state_.commission) {
        apply(CommissionCharge(x));
        apply(CommissionFee());
    }
    apply(DutyCharge(x));
    apply(DutyFee());
    return total;
}
