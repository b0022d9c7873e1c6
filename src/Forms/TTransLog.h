#pragma once
// The transaction log window: a read-only view of the log that follows every new line.
// Closing only hides it; the main window replaces it when the log is opened again.
#include <QStringList>
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
    void queueLine(const QString& line);
    // Puts the lines appended since the last event-loop turn into the memo.
    void flushPendingLines();
    void dropLines();

    TransactionLog& log_;
    // Lines appended since the memo was last brought up to date. A calculation appends
    // several lines in a row; adding them to the memo one at a time scrolls and lays out
    // the memo once per line, so they go in together on the next event-loop turn.
    QStringList pending_;
    bool flushQueued_ = false;
};
