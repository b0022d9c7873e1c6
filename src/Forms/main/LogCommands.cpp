#include "Forms/main/LogCommands.h"
#include "Forms/TTransLog.h"
#include "Forms/main/Commands.h"
#include "calc/CounterSession.h"
#include "support/DataFolder.h"
#include "support/Messenger.h"

#include <QAction>

LogCommands::LogCommands(MainContext& ctx) : ctx_(ctx)
{
    ctx.commands.bind(Command::ViewTransactionLog, [this] { TransactionLog1Click(); });
    ctx.commands.bind(Command::SaveTransactionLog, [this] { SaveTransactionLog1Click(); });
}

void LogCommands::closeWindow() { delete TransLog.data(); }

void LogCommands::TransactionLog1Click()
{
    closeWindow();
    TransLog = new TTransLog(ctx_.session.log(), &ctx_.window);
    // Its Print prints the log report, as Ctrl+R does.
    TransLog->ActionPrint->setEnabled(true);
    connect(TransLog->ActionPrint, &QAction::triggered, ctx_.commands.action(Command::PrintTransactionLog),
            &QAction::trigger);
    TransLog->show();
}

void LogCommands::SaveTransactionLog1Click()
{
    Messenger::FileDialog d;
    d.title = tr("Save Transaction Log");
    d.filter = tr("Transaction Log (*.tlg *.TLG)");
    d.defaultSuffix = QStringLiteral("tlg");
    d.directory = DataFolder::path();
    d.confirmOverwrite = true;
    const QString file = messenger().saveFileName(d);
    if (!file.isEmpty())
        SaveTransactionLogFile(ctx_.session.log().Lines(), file);
}
