#include "Forms/TTransLog.h"
#include "Forms/Placement.h"
#include "Forms/TForm1.h"
#include "calc/TransactionLog.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

TTransLog::TTransLog(TransactionLog& log, QWidget* owner) : QWidget(owner, Qt::Window), log_(log)
{
    setObjectName(QStringLiteral("TransLog"));
    setWindowTitle(QStringLiteral("Transaction Log"));
    resize(608, 399);

    auto make = [this](const QString& name, const QString& caption, const QString& hint, const QString& key) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        a->setToolTip(hint);
        a->setShortcut(QKeySequence(key, QKeySequence::PortableText));
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        return a;
    };
    ActionClear = make(QStringLiteral("ActionClear"), QStringLiteral("Clear"), QStringLiteral("Clear"), QStringLiteral("Ctrl+Alt+C"));
    ActionPrint = make(QStringLiteral("ActionPrint"), QStringLiteral("ActionPrint"), QStringLiteral("Print"), QStringLiteral("Ctrl+P"));
    ActionOkay = make(QStringLiteral("ActionOkay"), QStringLiteral("ActionOkay"), QStringLiteral("Okay"), QStringLiteral("F7"));
    ActionHelp = make(QStringLiteral("ActionHelp"), QStringLiteral("ActionHelp"), QStringLiteral("Help"), QStringLiteral("F3"));
    // Printing the log arrives with the reports; until then the command is shown greyed.
    ActionPrint->setEnabled(false);

    ToolBar3 = new QToolBar(this);
    ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
    ToolBar3->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const std::pair<QString, QAction*> buttons[] = {{QStringLiteral("Cancel"), ActionClear},
                                                    {QStringLiteral("TBHelp"), ActionPrint},
                                                    {QStringLiteral("Okay"), ActionOkay},
                                                    {QStringLiteral("ToolButton1"), ActionHelp}};
    // The buttons are labelled by their hints. As the actions' icon texts the labels stay
    // when an action changes; the captions remain the actions' own.
    for (const auto& [name, act] : buttons) {
        act->setIconText(act->toolTip());
        ToolBar3->addAction(act);
        if (QWidget* w = ToolBar3->widgetForAction(act))
            w->setObjectName(name);
    }

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (auto [name, act] : {std::pair{QStringLiteral("Clear1"), ActionClear},
                             std::pair{QStringLiteral("ActionPrint1"), ActionPrint}}) {
        QAction* it = PopupMenu1->addAction(act->text());
        it->setObjectName(name);
        it->setShortcut(act->shortcut());
        it->setShortcutContext(Qt::WidgetShortcut);
        it->setEnabled(act->isEnabled());
        // The item follows its action, so Print comes alive here with the reports.
        QAction* source = act;
        connect(act, &QAction::changed, it, [it, source] { it->setEnabled(source->isEnabled()); });
        connect(it, &QAction::triggered, act, &QAction::trigger);
    }
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

void TTransLog::ActionClearExecute() { log_.Clear(); }

void TTransLog::ActionHelpExecute()
{
    if (Form1)
        Form1->ShowHelpTopic(QStringLiteral("IDH_transactionlog"));
}
