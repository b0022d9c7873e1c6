// The main window's commands for the transaction log: its window and saving it to a file.
#include "Forms/TForm1.h"
#include "Forms/TTransLog.h"
#include "Forms/main/PrintCommands.h"
#include "calc/TransactionLog.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <QAction>
#include <QDir>

void TForm1::TransactionLog1Click()
{
    if (TransLog)
        delete TransLog.data();
    TransLog = new TTransLog(*TransactionLog, this);
    // The log window's Print prints the log report at once.
    TransLog->ActionPrint->setEnabled(true);
    connect(TransLog->ActionPrint, &QAction::triggered, Printing, &PrintCommands::ActionPrintTransactionLogExecute);
    TransLog->show();
}

void TForm1::SaveTransactionLog1Click()
{
    trapped(QString(), [this] {
        Messenger::FileDialog d;
        d.title = QStringLiteral("Save Transaction Log");
        d.filter = QStringLiteral("Transaction Log (*.tlg)");
        d.defaultSuffix = QStringLiteral("tlg");
        d.directory = QDir::currentPath();
        d.confirmOverwrite = true;
        const QString file = messenger().saveFileName(d);
        if (!file.isEmpty())
            SaveTransactionLogFile(TransactionLog->Lines(), file);
    });
}
