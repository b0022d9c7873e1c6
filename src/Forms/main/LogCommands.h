#pragma once
// The commands of the transaction log: its window (Ctrl+V) and saving it to a file (Ctrl+T).
#include "Forms/main/MainContext.h"

#include <QObject>
#include <QPointer>

class TTransLog;

class LogCommands : public QObject {
    Q_OBJECT
public:
    explicit LogCommands(MainContext& ctx);
    // Closes the log window, as the main window's close does.
    void closeWindow();

    void TransactionLog1Click();
    void SaveTransactionLog1Click();

private:
    MainContext& ctx_;
    QPointer<TTransLog> TransLog;
};
