#pragma once
// What every window of the program builds with: named controls, actions with their
// shortcut and hint, menu items that mirror an action, the dialog tool bar (Okay F7,
// Cancel Ctrl+Q, Help F3) and the way to the help window.
#include <QString>
#include <QToolBar>
#include <functional>

class QAction;
class QMenu;
class QWidget;

// A control under its name: tests and screen readers find it by it.
template <typename W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

// An action of a window's action list. Its shortcut (portable text, "" for none) works
// while the window is active; the hint is its tool tip, status tip and accessible name.
QAction* makeAction(QWidget* owner, const QString& name, const QString& caption, const QString& shortcut,
                    const QString& hint);

// A menu item that runs `act` under a name of its own. It is usable exactly when its
// action is, and shows the action's shortcut without owning it; its caption stays its own.
QAction* mirrorItem(QMenu* menu, const QString& name, QAction* act, const QString& caption = {}, int tag = 0);

// The dialog tool bar: Okay (F7), Cancel (Ctrl+Q, hint "Clear") and Help (F3), as far as
// the dialog has them, labelled by their captions. The actions belong to the dialog, so their
// keys work anywhere in it.
class DialogToolBar : public QToolBar {
    Q_OBJECT
public:
    enum Button { Okay = 1, Cancel = 2, Help = 4 };
    DialogToolBar(QWidget* dialog, int buttons = Okay | Cancel | Help,
                  const QString& name = QStringLiteral("ToolBar1"));

    QAction* okay() const { return okay_; }
    QAction* cancel() const { return cancel_; }
    QAction* help() const { return help_; }

    // A further button for one of the dialog's own actions, under a name of its own and
    // labelled by `label` or else the action's hint; the label is also its accessible name.
    QWidget* addButton(QAction* action, const QString& buttonName, const QString& label = {});

    // Help opens this topic ("IDH_currency").
    void setHelpTopic(const QString& topic);

private:
    QAction* okay_ = nullptr;
    QAction* cancel_ = nullptr;
    QAction* help_ = nullptr;
    QString topic_;
};

// The help window is the main window's; every other window reaches it through here.
using HelpOpener = std::function<void(const QString& topic)>;
void setHelpOpener(HelpOpener opener);
// Shows the topic; without a main window to show it, does nothing.
void showHelpTopic(const QString& topic);

// Every modal dialog is shown through here. Tests put their own way in place, which drives
// the dialog and returns its result, so that no test waits on a modal window.
class QDialog;
using ModalRunner = std::function<int(QDialog& dialog)>;
// An empty runner puts back the real modal loop.
void setModalRunner(ModalRunner runner);
int runModal(QDialog& dialog);
