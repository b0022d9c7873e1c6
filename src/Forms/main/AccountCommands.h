#pragma once
// The quick print and the accounting export of the main window: the QuickPrint key prints
// the receipt of the last conversion, adds it to the account file, or both, as chosen once
// in the print and accounts dialog (TPrintGo); the Tools menu shows that dialog again, and
// the Options menu sets the account file (TAccountForm). The export itself is the core's
// (data/AccountingExport).
#include <QObject>

class TForm1;

class AccountCommands : public QObject {
    Q_OBJECT
public:
    explicit AccountCommands(TForm1& form);

    void QuickPrintClick();
    void ShowPrintAccountingDialogClick();
    void SetAccountingExportFile1Click();
    // Appends the pending record of the last conversion to the account file.
    void AppendToAccounts();

    // The Tools menu item names what Quick Print will do: "Hide Print Accounting Dialog"
    // while the dialog is skipped, "Show Print Accounting Dialog" otherwise.
    void showPrintAccountingCaption();

private:
    TForm1& form_;
};
