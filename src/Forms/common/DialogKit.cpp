#include "Forms/common/DialogKit.h"

#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

QAction* makeAction(QWidget* owner, const QString& name, const QString& caption, const QString& shortcut,
                    const QString& hint)
{
    auto* a = new QAction(caption, owner);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut, QKeySequence::PortableText));
    const QString tip = hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint;
    a->setToolTip(tip);
    a->setStatusTip(tip);
    a->setShortcutContext(Qt::WindowShortcut);
    owner->addAction(a);
    return a;
}

QAction* mirrorItem(QMenu* menu, const QString& name, QAction* act, const QString& caption, int tag)
{
    auto* it = menu->addAction(act->icon(), caption.isEmpty() ? act->text() : caption);
    it->setObjectName(name);
    // The action itself owns the key; the item shows it only while its menu is open. A key
    // kept on the item would also match while the menu bar has the focus, as it keeps it
    // after the menus were used with keys, and the key would then be ambiguous and do nothing.
    it->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(menu, &QMenu::aboutToShow, it, [it, act] { it->setShortcut(act->shortcut()); });
    QObject::connect(menu, &QMenu::aboutToHide, it, [it] { it->setShortcut({}); });
    it->setToolTip(act->toolTip());
    if (tag)
        it->setData(tag);
    it->setEnabled(act->isEnabled());
    QObject::connect(act, &QAction::changed, it, [it, act] { it->setEnabled(act->isEnabled()); });
    QObject::connect(it, &QAction::triggered, act, &QAction::trigger);
    return it;
}

DialogToolBar::DialogToolBar(QWidget* dialog, int buttons, const QString& name) : QToolBar(dialog)
{
    setObjectName(name);
    setMovable(false);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [&](const QString& actionName, const QString& key, const QString& caption, const QString& hint,
                   const QString& buttonName) {
        QAction* a = makeAction(dialog, actionName, caption, key, hint);
        addButton(a, buttonName, caption);
        return a;
    };
    if (buttons & Okay)
        okay_ = add(QStringLiteral("ActionOkay"), QStringLiteral("F7"), tr("Okay"), tr("Okay"),
                    QStringLiteral("Okay"));
    if (buttons & Cancel)
        cancel_ = add(QStringLiteral("ActionCancel"), QStringLiteral("Ctrl+Q"), tr("Cancel"),
                      tr("Clear"), QStringLiteral("Cancel"));
    if (buttons & Help) {
        help_ = add(QStringLiteral("ActionHelp"), QStringLiteral("F3"), tr("Help"), tr("Help"),
                    QStringLiteral("TBHelp"));
        connect(help_, &QAction::triggered, this, [this] {
            if (!topic_.isEmpty())
                showHelpTopic(topic_);
        });
    }
}

QWidget* DialogToolBar::addButton(QAction* action, const QString& buttonName, const QString& label)
{
    // As the action's icon text the label stays when the action changes; its caption
    // remains its own.
    action->setIconText(label.isEmpty() ? action->toolTip() : label);
    addAction(action);
    QWidget* w = widgetForAction(action);
    if (w) {
        w->setObjectName(buttonName);
        w->setAccessibleName(action->iconText());
    }
    return w;
}

void DialogToolBar::setHelpTopic(const QString& topic) { topic_ = topic; }

namespace {
HelpOpener& opener()
{
    static HelpOpener o;
    return o;
}
} // namespace

void setHelpOpener(HelpOpener o) { opener() = std::move(o); }

void showHelpTopic(const QString& topic)
{
    if (opener())
        opener()(topic);
}

namespace {
ModalRunner& modalRunner()
{
    static ModalRunner r;
    return r;
}
} // namespace

void setModalRunner(ModalRunner runner) { modalRunner() = std::move(runner); }

int runModal(QDialog& dialog) { return modalRunner() ? modalRunner()(dialog) : dialog.exec(); }
