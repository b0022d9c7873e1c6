#include "Forms/main/ExchangeCommands.h"
#include "Forms/main/Commands.h"
#include "Forms/main/CommissionBar.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/KeypadPanel.h"
#include "calc/Exchange.h"
#include "calc/MainState.h"
#include "support/Trap.h"

#include <QAction>
#include <QMainWindow>

ExchangeCommands::ExchangeCommands(MainContext& ctx)
    : ctx_(ctx),
      // The exchanger takes the calculator's R key for itself.
      Exchange_(std::make_unique<Exchanger>(ctx.Calc, ctx.Currencies, ctx.Commission))
{
    connect(&ctx.keypad, &KeypadPanel::reverseModePressed, this, &ExchangeCommands::Reverse);
    connect(&ctx.tabs, &CurrencyTabs::slotClicked, this, &ExchangeCommands::currencySlotClicked);
    connect(&ctx.commissionBar, &CommissionBar::optionsChanged, this, &ExchangeCommands::commissionOptionsChanged);
    connect(&ctx.panes, &CurrencyPanes::commissionBarToggled, this, &ExchangeCommands::HideClick);
    ctx.commands.bind(Command::CommissionToolbar, [this] { MenuHideCommissionToolbar(); });
}

ExchangeCommands::~ExchangeCommands() = default;

void ExchangeCommands::currencySlotClicked(int slot, Qt::KeyboardModifiers modifiers)
{
    // Shift with a click removes the slot's country instead; an empty slot converts nothing.
    if (modifiers & Qt::ShiftModifier)
        return;
    const QString country = ctx_.tabs.slotCaption(slot);
    if (!country.isEmpty())
        Exchange(country);
}

// The exchanger runs the whole conversion in its own trap: the error box, then the keypad
// locked until Clear. A conversion fills the receipt cells, which keep them until the next one.
void ExchangeCommands::Exchange(const QString& country)
{
    const std::optional<Conversion> made = Exchange_->Exchange(country);
    if (made && conversionMade)
        conversionMade(*made);
}

// Its trap shows "Error " in the display and locks the keypad.
void ExchangeCommands::Reverse() { Exchange_->Reverse(); }

// ---------------------------------------------------------------------------------------
// The commission bar: each option applies from the next conversion on.

void ExchangeCommands::RcashClick()
{
    trapped(QString(), [this] { Exchange_->SetPayment(Payment::Cash); });
}

void ExchangeCommands::RcreditcardClick()
{
    trapped(QString(), [this] { Exchange_->SetPayment(Payment::CreditCard); });
}

void ExchangeCommands::RtcClick()
{
    trapped(QString(), [this] { Exchange_->SetPayment(Payment::TravellersCheques); });
}

void ExchangeCommands::RbuyClick()
{
    trapped(QString(), [this] { Exchange_->SetRateKind(RateKind::Buy); });
}

void ExchangeCommands::RsellClick()
{
    trapped(QString(), [this] { Exchange_->SetRateKind(RateKind::Sell); });
}

void ExchangeCommands::RbaseClick()
{
    trapped(QString(), [this] { Exchange_->SetRateKind(RateKind::Base); });
}

void ExchangeCommands::RcommissionClick()
{
    trapped(QString(), [this] { Exchange_->SetCommission(ctx_.commissionBar.commission()); });
}

// The bar tells that the operator changed a choice; the choice that now differs from the
// state says which one. A click on the choice already made changes nothing.
void ExchangeCommands::commissionOptionsChanged()
{
    const Payment payment = ctx_.commissionBar.payment();
    if (payment != ctx_.State.payment) {
        if (payment == Payment::Cash)
            RcashClick();
        else if (payment == Payment::CreditCard)
            RcreditcardClick();
        else
            RtcClick();
    }
    const RateKind kind = ctx_.commissionBar.rateKind();
    if (kind != ctx_.State.rateKind) {
        if (kind == RateKind::Buy)
            RbuyClick();
        else if (kind == RateKind::Sell)
            RsellClick();
        else
            RbaseClick();
    }
    if (ctx_.commissionBar.commission() != ctx_.State.commission)
        RcommissionClick();
}

// ---------------------------------------------------------------------------------------
// Showing and hiding the bar. The window grows and shrinks by the bar's height, so the
// keypad and the currency buttons keep their size.

void ExchangeCommands::HideClick()
{
    trapped(QString(), [this] {
        const bool show = ctx_.panes.commissionBarShown();
        // The menu item sets the button down, which clicks it: the bar changes only once.
        if (show == ctx_.commissionBar.isHidden()) {
            ctx_.commissionBar.setVisible(show);
            ctx_.window.setFixedSize(ctx_.window.width(), ctx_.window.height() + (show ? CommissionBar::kHeight : -CommissionBar::kHeight));
        }
        const QString text = show ? QStringLiteral("Hide Commission Toobar") : QStringLiteral("Show Commission Toobar");
        ctx_.commands.action(Command::CommissionToolbar)->setText(text);
        ctx_.panes.setHideHint(text);
    });
}

void ExchangeCommands::MenuHideCommissionToolbar()
{
    ctx_.panes.setCommissionBarShown(!ctx_.panes.commissionBarShown());
    HideClick();
}
