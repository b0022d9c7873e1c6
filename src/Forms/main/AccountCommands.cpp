#include "Forms/main/AccountCommands.h"
#include "Forms/TAccountForm.h"
#include "Forms/TPrintGo.h"
#include "Forms/main/Commands.h"
#include "Forms/main/KeypadPanel.h"
#include "Forms/main/PrintCommands.h"
#include "calc/CounterSession.h"
#include "data/AccountingExport.h"
#include "support/DataFolder.h"

#include <QAction>

AccountCommands::AccountCommands(MainContext& ctx, PrintCommands& printing) : ctx_(ctx), printing_(printing)
{
    CommandSet& c = ctx.commands;
    c.bind(Command::QuickPrint, [this] { QuickPrintClick(); });
    c.bind(Command::ShowPrintAccountingDialog, [this] { ShowPrintAccountingDialogClick(); });
    c.bind(Command::SetAccountingExportFile, [this] { SetAccountingExportFile1Click(); });
    connect(&ctx.keypad, &KeypadPanel::quickPrintPressed, c.action(Command::QuickPrint), &QAction::trigger);
    showPrintAccountingCaption();
}

void AccountCommands::showPrintAccountingCaption()
{
    ctx_.commands.action(Command::ShowPrintAccountingDialog)
        ->setText(AccountingExport::dialogHidden() ? tr("Hide Print Accounting Dialog")
                                                   : tr("Show Print Accounting Dialog"));
}

// A receipt that cannot be prepared is told, and nothing goes to the account file.
void AccountCommands::QuickPrintClick()
{
    if (!AccountingExport::dialogHidden()) {
        const int result = VemoxDialog::run<TPrintGo>(&ctx_.window);
        showPrintAccountingCaption();
        if (result != QDialog::Accepted)
            return;
    }
    CounterSession& session = ctx_.session;
    printing_.PrepareReport(PrintCommands::Mode::CustomerReceipt);
    if (AccountingExport::printChosen() && printing_.PrintPrepared() != Report::ReportPrinter::Outcome::NotPrinted) {
        session.state().panel[0] = tr("Printing...");
        session.state().announce();
    }
    session.appendToAccounts(QDateTime::currentDateTime());
}

void AccountCommands::ShowPrintAccountingDialogClick()
{
    VemoxDialog::run<TPrintGo>(&ctx_.window);
    showPrintAccountingCaption();
}

void AccountCommands::SetAccountingExportFile1Click()
{
    VemoxDialog::run<TAccountForm>(&ctx_.window, DataFolder::path());
}
