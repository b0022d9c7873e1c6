// Reverse mode: the two panes swap their contents, the operator's currency stays fixed in
// the foreign pane, and each currency button then chooses the currency of the typed
// amount. A displayed result is taken across in the same step.
#include "calc/Exchange.h"

#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <utility>

void Exchanger::SwapPanes()
{
    PaneState& home = state_.home;
    PaneState& foreign = state_.foreign;
    std::swap(home.country, foreign.country);
    std::swap(home.currency, foreign.currency);
    std::swap(home.iso, foreign.iso);
    // The texts stay exchanged even when the pictures cannot be.
    trapWith(
        [&] {
            PaneState picture;
            picture.picture = foreign.picture;
            picture.flag = foreign.flag;
            foreign.picture = home.picture;
            foreign.flag = home.flag;
            home.picture = picture.picture;
            home.flag = std::move(picture.flag);
        },
        [](VemoxError&) { messenger().messageBox(kSwapError); });
}

void Exchanger::Reverse()
{
    SwapPanes();
    trapWith([&] { reverseSteps(); },
             [&](VemoxError&) {
                 state_.display = QStringLiteral("Error ");
                 calc_.disableall();
             });
    state_.announce();
}

void Exchanger::reverseSteps()
{
    if (state_.foreign.country.isEmpty() || state_.home.country.isEmpty())
        state_.displayCurrency = state_.home.iso;
    else
        state_.displayCurrency = state_.foreign.iso;
    state_.reverseMode = !state_.reverseMode;

    const QString& last = calc_.LastAction;
    // A number being typed (or a rate never taken) is not taken across: the calculator is
    // cleared, which empties the pane that the next currency button fills.
    if (last == CalcAction::Numeric || last == CalcAction::Decimal || calc_.SourceRate == 0.0 ||
        calc_.TargetRate == 0.0) {
        calc_.cancelSteps();
    } else if (state_.display != QLatin1String("0")) {
        auto& operands = calc_.OperandStack;
        if (operands.empty()) {
            calc_.CurrentValue = Calculator::toDouble(reverseFactor(calc_.CurrentValue));
            state_.display = Formats::formatFloat(calc_.NumberFormat, calc_.CurrentValue);
        } else if (last == CalcAction::Equals) {
            operands.replaceTop(Calculator::toDouble(reverseFactor(operands.top())));
            state_.display = Formats::formatFloat(calc_.NumberFormat, operands.top());
        } else {
            const double before = operands.top();
            operands.replaceTop(Calculator::toDouble(reverseFactor(before)));
            state_.display = Formats::formatFloat(calc_.NumberFormat, operands.top());
            calc_.log().AppendLine(conversionLine(before));
        }
    }
    calc_.LastAction = CalcAction::Reverse;
    calc_.StartNewNumber = true;
}

// The last conversion's rates, applied in the direction of the new mode: (1 / divisor) x
// amount x multiplier, in extended precision.
long double Exchanger::reverseFactor(long double amount) const
{
    const double divisor = state_.reverseMode ? calc_.TargetRate : calc_.SourceRate;
    const double multiplier = state_.reverseMode ? calc_.SourceRate : calc_.TargetRate;
    return calc_.ApplyOperator(1, divisor, "/") * amount * multiplier;
}
