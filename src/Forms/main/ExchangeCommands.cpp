#include "Forms/main/ExchangeCommands.h"
#include "support/Translate.h"
#include "Forms/main/Commands.h"
#include "Forms/main/CommissionBar.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/KeypadPanel.h"
#include "calc/CounterSession.h"
#include "support/Messenger.h"
#include "support/Trap.h"

ExchangeCommands::ExchangeCommands(MainContext& ctx) : ctx_(ctx)
{
    connect(&ctx.keypad, &KeypadPanel::reverseModePressed, this, &ExchangeCommands::Reverse);
    connect(&ctx.tabs, &CurrencyTabs::slotClicked, this, &ExchangeCommands::currencySlotClicked);
    connect(&ctx.commissionBar, &CommissionBar::optionsChanged, this, &ExchangeCommands::commissionOptionsChanged);
    connect(&ctx.panes, &CurrencyPanes::commissionBarToggled, this, &ExchangeCommands::HideClick);
    ctx.commands.bind(Command::CommissionToolbar, [this] { MenuHideCommissionToolbar(); });
}

void ExchangeCommands::currencySlotClicked(int slot, Qt::KeyboardModifiers modifiers)
{
    // Shift with a click removes the slot's country instead.
    if (!(modifiers & Qt::ShiftModifier))
        Exchange(slot);
}

// The conversion runs in its own trap: the error box, then the keypad locked until Clear.
// One that stops for a missing rate goes on once the operator has answered: cleared on No,
// with the new rates after the update on Yes.
void ExchangeCommands::Exchange(int slot)
{
    CounterSession& session = ctx_.session;
    session.convertSlot(ctx_.tabs.currentTab(), slot);
    if (!session.ratesMissing())
        return;
    const bool update = messenger().askYesNo(translated(Exchanger::kNoData), Messenger::Icon::Information);
    if (update)
        session.requestUpdate();
    session.resumeConversion(update);
}

// Its trap shows "Error " in the display and locks the keypad.
void ExchangeCommands::Reverse() { ctx_.session.reverse(); }

// The bar tells that the operator changed a choice; the choice that now differs from the
// state says which one, and applies from the next conversion on. A click on the choice
// already made changes nothing.
void ExchangeCommands::commissionOptionsChanged()
{
    trapped(QString(), [this] {
        Exchanger& exchanger = ctx_.session.exchanger();
        const MainState& state = ctx_.session.state();
        const CommissionBar& bar = ctx_.commissionBar;
        if (bar.payment() != state.payment)
            exchanger.SetPayment(bar.payment());
        if (bar.rateKind() != state.rateKind)
            exchanger.SetRateKind(bar.rateKind());
        if (bar.commission() != state.commission)
            exchanger.SetCommission(bar.commission());
    });
}

// The window grows and shrinks by the bar's height, so the keypad and the currency
// buttons keep their size.
void ExchangeCommands::HideClick(bool show)
{
    trapped(QString(), [&] { ctx_.session.showCommissionBar(show); });
}

void ExchangeCommands::MenuHideCommissionToolbar() { HideClick(!ctx_.session.state().commissionBarShown); }
