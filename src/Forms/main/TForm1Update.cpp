// Update from the web, rollback and the firewall settings. The handlers call the core's
// RateUpdate, which leaves its results in the main state: the status texts, the hourglass
// while an update waits, and the date and source of the rates in force as the tool tip of
// status panel 1.
//
// The update button is disabled while the currency editor's setting (`CCdu`) says so, and
// then does nothing; that setting names the button only, so F2 and the U key still update.
#include "Forms/TForm1.h"
#include "Defs.h"
#include "Forms/Tproxyform.h"
#include "Forms/common/Labels.h"
#include "data/DataFiles.h"
#include "data/RateUpdate.h"
#include "support/Trap.h"

#include <QApplication>

void TForm1::connectUpdate(bool loaded)
{
    Updater = std::make_unique<RateUpdate>(State, Currencies);
    Updater->onCancel = [this] { Calc->OnCancel(); };
    Calc->onUpdate = [this] { GoUpdateFromTheWeb(); };   // the U key
    connect(&State, &MainState::changed, this, &TForm1::renderUpdate);
    if (loaded)
        trapped(QString(), [this] {
            State.panel1Hint = RateUpdate::RatesHint(DataFiles::readLines(Defs::kCurrencyFile), {});
        });
}

void TForm1::GoUpdateFromTheWeb()
{
    if (Updater)
        Updater->GoUpdateFromTheWeb();
}

void TForm1::RollBack1Click()
{
    if (Updater)
        Updater->RollBack1Click();
}

void TForm1::Proxy1Click()
{
    VemoxDialog::run<Tproxyform>(this);
}

void TForm1::renderUpdate()
{
    // One hourglass per update, taken back on every way out of it.
    if (State.busy != busyCursor_) {
        busyCursor_ = State.busy;
        if (busyCursor_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    statusPanels_[1]->setHint(State.panel1Hint);
}
