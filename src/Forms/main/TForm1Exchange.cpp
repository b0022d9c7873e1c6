// The main window's conversion commands: the currency buttons, reverse mode, the options
// of the commission bar and the Hide button that shows or hides the bar. The conversion
// itself, its charges and its error handling live in the core's Exchanger.
#include "Forms/TForm1.h"
#include "Forms/main/CommissionBar.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/KeypadPanel.h"
#include "Forms/main/PrintCommands.h"
#include "support/Trap.h"

#include <QAction>

void TForm1::connectExchange()
{
    // The exchanger takes the calculator's R key for itself.
    Exchange_ = std::make_unique<Exchanger>(*Calc, Currencies, CommissionTable);
    connect(keypad_, &KeypadPanel::reverseModePressed, this, &TForm1::Reverse);
    connect(tabs_, &CurrencyTabs::slotClicked, this, &TForm1::currencySlotClicked);
    connect(commissionBar_, &CommissionBar::optionsChanged, this, &TForm1::commissionOptionsChanged);
    connect(panes_, &CurrencyPanes::commissionBarToggled, this, &TForm1::HideClick);
}

void TForm1::currencySlotClicked(int slot, Qt::KeyboardModifiers modifiers)
{
    // Shift with a click removes the slot's country instead; an empty slot converts nothing.
    if (modifiers & Qt::ShiftModifier)
        return;
    const QString country = tabs_->slotCaption(slot);
    if (!country.isEmpty())
        Exchange(country);
}

// The exchanger runs the whole conversion in its own trap: the error box, then the keypad
// locked until Clear.
// A conversion fills the receipt cells, which keep them until the next one.
void TForm1::Exchange(const QString& country)
{
    if (const std::optional<Conversion> made = Exchange_->Exchange(country))
        Printing->conversionMade(*made);
}

// Its trap shows "Error " in the display and locks the keypad.
void TForm1::Reverse() { Exchange_->Reverse(); }

// ---------------------------------------------------------------------------------------
// The commission bar: each option applies from the next conversion on.

void TForm1::RcashClick()
{
    trapped(QString(), [this] { Exchange_->SetPayment(Payment::Cash); });
}

void TForm1::RcreditcardClick()
{
    trapped(QString(), [this] { Exchange_->SetPayment(Payment::CreditCard); });
}

void TForm1::RtcClick()
{
    trapped(QString(), [this] { Exchange_->SetPayment(Payment::TravellersCheques); });
}

void TForm1::RbuyClick()
{
    trapped(QString(), [this] { Exchange_->SetRateKind(RateKind::Buy); });
}

void TForm1::RsellClick()
{
    trapped(QString(), [this] { Exchange_->SetRateKind(RateKind::Sell); });
}

void TForm1::RbaseClick()
{
    trapped(QString(), [this] { Exchange_->SetRateKind(RateKind::Base); });
}

void TForm1::RcommissionClick()
{
    trapped(QString(), [this] { Exchange_->SetCommission(commissionBar_->commission()); });
}

// The bar tells that the operator changed a choice; the choice that now differs from the
// state says which one. A click on the choice already made changes nothing.
void TForm1::commissionOptionsChanged()
{
    const Payment payment = commissionBar_->payment();
    if (payment != State.payment) {
        if (payment == Payment::Cash)
            RcashClick();
        else if (payment == Payment::CreditCard)
            RcreditcardClick();
        else
            RtcClick();
    }
    const RateKind kind = commissionBar_->rateKind();
    if (kind != State.rateKind) {
        if (kind == RateKind::Buy)
            RbuyClick();
        else if (kind == RateKind::Sell)
            RsellClick();
        else
            RbaseClick();
    }
    if (commissionBar_->commission() != State.commission)
        RcommissionClick();
}

// ---------------------------------------------------------------------------------------
// Showing and hiding the bar. The window grows and shrinks by the bar's height, so the
// keypad and the currency buttons keep their size.

void TForm1::HideClick()
{
    trapped(QString(), [this] {
        const bool show = panes_->commissionBarShown();
        // The menu item sets the button down, which clicks it: the bar changes only once.
        if (show == commissionBar_->isHidden()) {
            commissionBar_->setVisible(show);
            setFixedSize(width(), height() + (show ? CommissionBar::kHeight : -CommissionBar::kHeight));
        }
        const QString text = show ? QStringLiteral("Hide Commission Toobar") : QStringLiteral("Show Commission Toobar");
        command(Command::CommissionToolbar)->setText(text);
        panes_->setHideHint(text);
    });
}

void TForm1::MenuHideCommissionToolbar()
{
    panes_->setCommissionBarShown(!panes_->commissionBarShown());
    HideClick();
}
