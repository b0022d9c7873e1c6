#include "Forms/TTransLog.h"
#include "Forms/Placement.h"
#include "Forms/common/DialogKit.h"
#include "calc/TransactionLog.h"
#include "support/Trap.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

TTransLog::TTransLog(TransactionLog& log, QWidget* owner) : QWidget(owner, Qt::Window), log_(log)
{
    setObjectName(QStringLiteral("TransLog"));
    setWindowTitle(tr("Transaction Log"));
    resize(608, 399);

    ActionClear = makeAction(this, QStringLiteral("ActionClear"), tr("Clear"), QStringLiteral("Ctrl+Alt+C"),
                             tr("Clear"));
    ActionPrint = makeAction(this, QStringLiteral("ActionPrint"), tr("ActionPrint"), QStringLiteral("Ctrl+P"),
                             tr("Print"));
    ActionOkay = makeAction(this, QStringLiteral("ActionOkay"), tr("ActionOkay"), QStringLiteral("F7"),
                            tr("Okay"));
    ActionHelp = makeAction(this, QStringLiteral("ActionHelp"), tr("ActionHelp"), QStringLiteral("F3"),
                            tr("Help"));
    // The owner connects Print to the log report; until it does, the command is greyed.
    ActionPrint->setEnabled(false);

    // The log's own tool bar: its buttons are labelled by their hints.
    auto* bar = new DialogToolBar(this, 0, QStringLiteral("ToolBar3"));
    bar->addButton(ActionClear, QStringLiteral("Cancel"));
    bar->addButton(ActionPrint, QStringLiteral("TBHelp"));
    bar->addButton(ActionOkay, QStringLiteral("Okay"));
    bar->addButton(ActionHelp, QStringLiteral("ToolButton1"));
    ToolBar3 = bar;

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    // The items follow their actions.
    mirrorItem(PopupMenu1, QStringLiteral("Clear1"), ActionClear);
    mirrorItem(PopupMenu1, QStringLiteral("ActionPrint1"), ActionPrint);
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(Memo1->mapToGlobal(p)); });

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    col->addWidget(ToolBar3);
    col->addWidget(Memo1, 1);

    connect(ActionClear, &QAction::triggered, this, &TTransLog::ActionClearExecute);
    connect(ActionOkay, &QAction::triggered, this, &TTransLog::ActionOkayExecute);
    connect(ActionHelp, &QAction::triggered, this, &TTransLog::ActionHelpExecute);

    // The memo shows the whole log and follows each new line as it is appended. Nothing
    // is ever undone in a read-only view, so it keeps no undo history of the whole log.
    Memo1->setUndoRedoEnabled(false);
    Memo1->setPlainText(log_.Lines().join(QLatin1Char('\n')));
    connect(&log_, &TransactionLog::lineAppended, this, &TTransLog::queueLine);
    connect(&log_, &TransactionLog::cleared, this, &TTransLog::dropLines);
}

void TTransLog::queueLine(const QString& line)
{
    pending_.append(line);
    if (!flushQueued_) {
        flushQueued_ = true;
        QTimer::singleShot(0, this, &TTransLog::flushPendingLines);
    }
}

void TTransLog::flushPendingLines()
{
    flushQueued_ = false;
    if (pending_.isEmpty())
        return;
    // One append of all waiting lines: the memo scrolls and lays out once.
    Memo1->appendPlainText(pending_.join(QLatin1Char('\n')));
    pending_.clear();
}

// Lines still waiting belong to the log that was just emptied.
void TTransLog::dropLines()
{
    pending_.clear();
    Memo1->clear();
}

void TTransLog::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        centreWindowOn(*this, owner->frameGeometry().center());
    QWidget::showEvent(event);
}

void TTransLog::ActionClearExecute()
{
    trapped(QString(), [this] { log_.Clear(); });
}

void TTransLog::ActionHelpExecute() { showHelpTopic(QStringLiteral("IDH_transactionlog")); }
