#include "Forms/main/UpdateCommands.h"
#include "Defs.h"
#include "Forms/Tproxyform.h"
#include "Forms/common/Labels.h"
#include "Forms/main/Commands.h"
#include "calc/Calculator.h"
#include "calc/MainState.h"
#include "data/DataFiles.h"
#include "data/RateUpdate.h"
#include "support/DataFolder.h"
#include "support/Trap.h"

#include <QApplication>
#include <QMainWindow>

UpdateCommands::UpdateCommands(MainContext& ctx, bool loaded) : ctx_(ctx)
{
    Updater = std::make_unique<RateUpdate>(ctx.Currencies);
    ctx.State.follow(*Updater);
    Updater->onCancel = [this] { ctx_.Calc.OnCancel(); };
    // The data the program started with is what a rollback returns to.
    Updater->KeepStartData(loaded);
    ctx.Calc.onUpdate = [this] { GoUpdateFromTheWeb(); };   // the U key
    connect(&ctx.State, &MainState::changed, this, &UpdateCommands::renderUpdate);
    if (loaded)
        trapped(QString(), [this] {
            ctx_.State.panel1Hint = RateUpdate::RatesHint(DataFiles::readLines(DataFolder::file(Defs::kCurrencyFile)), {});
        });
    ctx.commands.bind(Command::Update, [this] { GoUpdateFromTheWeb(); });
    ctx.commands.bind(Command::Rollback, [this] { RollBack1Click(); });
    ctx.commands.bind(Command::FireWallAccessSetup, [this] { Proxy1Click(); });
}

UpdateCommands::~UpdateCommands()
{
    if (busyCursor_)
        QApplication::restoreOverrideCursor();
}

void UpdateCommands::GoUpdateFromTheWeb() { Updater->GoUpdateFromTheWeb(); }

void UpdateCommands::RollBack1Click() { Updater->RollBack1Click(); }

void UpdateCommands::Proxy1Click() { VemoxDialog::run<Tproxyform>(&ctx_.window); }

void UpdateCommands::abort() { Updater->abort(); }

void UpdateCommands::renderUpdate()
{
    // One hourglass per update, taken back on every way out of it.
    if (ctx_.State.busy != busyCursor_) {
        busyCursor_ = ctx_.State.busy;
        if (busyCursor_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    ctx_.statusPanels[1]->setHint(ctx_.State.panel1Hint);
}
