#pragma once
// The transaction log window: a read-only view of the log that follows every new line.
// Closing only hides it; the main window replaces it when the log is opened again.
#include <QWidget>

class QAction;
class QPlainTextEdit;
class QToolBar;
class QMenu;
class TransactionLog;

class TTransLog : public QWidget {
    Q_OBJECT
public:
    TTransLog(TransactionLog& log, QWidget* owner);

    QToolBar* ToolBar3 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction *ActionClear = nullptr, *ActionPrint = nullptr, *ActionOkay = nullptr, *ActionHelp = nullptr;

    void ActionClearExecute();
    void ActionOkayExecute() { close(); }
    void ActionHelpExecute();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TransactionLog& log_;
};
