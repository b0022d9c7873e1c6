#include "Forms/main/AccountCommands.h"
#include "Forms/TAccountForm.h"
#include "Forms/TForm1.h"
#include "Forms/TPrintGo.h"
#include "Forms/main/ExchangeCommands.h"
#include "Forms/main/KeypadPanel.h"
#include "Forms/main/PrintCommands.h"
#include "calc/Exchange.h"
#include "data/AccountingExport.h"
#include "support/DataFolder.h"
#include "support/Trap.h"

#include <QAction>

AccountCommands::AccountCommands(TForm1& form) : QObject(&form), form_(form) {}

void AccountCommands::showPrintAccountingCaption()
{
    form_.command(Command::ShowPrintAccountingDialog)
        ->setText(AccountingExport::dialogHidden() ? QStringLiteral("Hide Print Accounting Dialog")
                                                   : QStringLiteral("Show Print Accounting Dialog"));
}

void AccountCommands::QuickPrintClick()
{
    if (!AccountingExport::dialogHidden()) {
        const int result = VemoxDialog::run<TPrintGo>(&form_);
        showPrintAccountingCaption();
        if (result != QDialog::Accepted)
            return;
    }
    // The receipt is prepared either way: the export takes its rate and payment captions.
    const bool prepared = trapped(QString(), [this] {
        PrintCommands& printing = form_.printing();
        printing.PrepareReport(TQuickReport1::CustomerReceipt);
        if (AccountingExport::printChosen() &&
            printing.PrintPrepared() != Report::ReportPrinter::Outcome::NotPrinted) {
            form_.state().panel[0] = QStringLiteral("Printing...");
            form_.state().announce();
        }
    });
    if (prepared)
        AppendToAccounts();
}

void AccountCommands::ShowPrintAccountingDialogClick()
{
    VemoxDialog::run<TPrintGo>(&form_);
    showPrintAccountingCaption();
}

void AccountCommands::SetAccountingExportFile1Click()
{
    VemoxDialog::run<TAccountForm>(&form_, DataFolder::path());
}

void AccountCommands::AppendToAccounts()
{
    const Report::ReportContent& receipt = form_.printing().QuickReport1().content();
    AccountingExport::AppendToAccounts(form_.exchanger().PendingAccountRecord, receipt.TypeLabel,
                                       receipt.DescriptionLabel, DataFolder::path(), form_.state().panel[0],
                                       QDateTime::currentDateTime());
    form_.state().announce();
}

Exchanger& TForm1::exchanger() { return exchange_->exchanger(); }

void TForm1::connectAccounts()
{
    Accounts = new AccountCommands(*this);
    connect(keypad_, &KeypadPanel::quickPrintPressed, Accounts, &AccountCommands::QuickPrintClick);
    connect(command(Command::ShowPrintAccountingDialog), &QAction::triggered, Accounts,
            &AccountCommands::ShowPrintAccountingDialogClick);
    connect(command(Command::SetAccountingExportFile), &QAction::triggered, Accounts,
            &AccountCommands::SetAccountingExportFile1Click);
    Accounts->showPrintAccountingCaption();
}
