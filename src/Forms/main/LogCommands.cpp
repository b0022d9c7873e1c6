#include "Forms/main/LogCommands.h"
#include "Forms/TTransLog.h"
#include "Forms/main/Commands.h"
#include "calc/TransactionLog.h"
#include "support/Messenger.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>

LogCommands::LogCommands(MainContext& ctx) : ctx_(ctx)
{
    ctx.commands.bind(Command::ViewTransactionLog, [this] { TransactionLog1Click(); });
    ctx.commands.bind(Command::SaveTransactionLog, [this] { SaveTransactionLog1Click(); });
}

void LogCommands::closeWindow() { delete TransLog.data(); }

void LogCommands::TransactionLog1Click()
{
    closeWindow();
    TransLog = new TTransLog(ctx_.Log, &ctx_.window);
    if (printLog) {
        TransLog->ActionPrint->setEnabled(true);
        connect(TransLog->ActionPrint, &QAction::triggered, this, [this] { printLog(); });
    }
    TransLog->show();
}

void LogCommands::SaveTransactionLog1Click()
{
    Messenger::FileDialog d;
    d.title = QStringLiteral("Save Transaction Log");
    d.filter = QStringLiteral("Transaction Log (*.tlg *.TLG)");
    d.defaultSuffix = QStringLiteral("tlg");
    d.directory = QDir::currentPath();
    d.confirmOverwrite = true;
    const QString file = messenger().saveFileName(d);
    if (!file.isEmpty())
        SaveTransactionLogFile(ctx_.Log.Lines(), file);
}
