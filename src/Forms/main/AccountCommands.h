#pragma once
// The quick print and the accounting export of the main window: the QuickPrint key prints
// the receipt of the last conversion, adds it to the account file, or both, as chosen once
// in the print and accounts dialog (TPrintGo); the Tools menu shows that dialog again, and
// the Options menu sets the account file (TAccountForm). The session appends the record.
#include "Forms/main/MainContext.h"

#include <QObject>

class PrintCommands;

class AccountCommands : public QObject {
    Q_OBJECT
public:
    AccountCommands(MainContext& ctx, PrintCommands& printing);

    void QuickPrintClick();
    void ShowPrintAccountingDialogClick();
    void SetAccountingExportFile1Click();

private:
    // The Tools menu item names what Quick Print will do: "Hide Print Accounting Dialog"
    // while the dialog is skipped, "Show Print Accounting Dialog" otherwise.
    void showPrintAccountingCaption();

    MainContext& ctx_;
    PrintCommands& printing_;
};
