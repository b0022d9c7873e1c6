// The quick print and the accounting export: the QuickPrint button prints the receipt of the
// last conversion, adds it to the account file, or both, as chosen once in the print and
// accounts dialog; the Tools menu shows that dialog again, and the Options menu sets the
// account file. The export itself is the core's (data/AccountingExport).
#include "Forms/TForm1.h"
#include "Forms/TAccountForm.h"
#include "Forms/TPrintGo.h"
#include "Forms/common/DialogKit.h"
#include "Forms/main/KeypadPanel.h"
#include "data/AccountingExport.h"

#include <QAction>
#include <QDir>

void TForm1::connectAccounts()
{
    connect(keypad_, &KeypadPanel::quickPrintPressed, this, &TForm1::QuickPrintClick);
    showPrintAccountingCaption();
}

void TForm1::showPrintAccountingCaption()
{
    command(Command::ShowPrintAccountingDialog)
        ->setText(AccountingExport::dialogHidden() ? QStringLiteral("Hide Print Accounting Dialog")
                                                   : QStringLiteral("Show Print Accounting Dialog"));
}

void TForm1::QuickPrintClick()
{
    if (!AccountingExport::dialogHidden()) {
        TPrintGo dialog(this);
        const int result = runModal(dialog);
        showPrintAccountingCaption();
        if (result != QDialog::Accepted)
            return;
    }
    const QString printStatus = QuickPrintReceipt();
    AppendToAccounts();
    if (!printStatus.isEmpty() && State.panel[0] != AccountingExport::kAdded)
        State.panel[0] = printStatus;
    State.announce();
}

void TForm1::ShowPrintAccountingDialogClick()
{
    TPrintGo dialog(this);
    runModal(dialog);
    showPrintAccountingCaption();
}

void TForm1::SetAccountingExportFile1Click()
{
    TAccountForm dialog(this, QDir::currentPath());
    runModal(dialog);
}

void TForm1::AppendToAccounts()
{
    const Report::ReportContent& receipt = QuickReport->content();
    AccountingExport::AppendToAccounts(Exchange_->PendingAccountRecord, receipt.TypeLabel, receipt.DescriptionLabel,
                                       QDir::currentPath(), State.panel[0], QDateTime::currentDateTime());
    State.announce();
}
