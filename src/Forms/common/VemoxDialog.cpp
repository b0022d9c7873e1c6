#include "Forms/common/VemoxDialog.h"

#include "Forms/Placement.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

VemoxDialog::VemoxDialog(QWidget* owner, const Frame& frame) : QDialog(owner), frame_(frame)
{
    setObjectName(frame.name);
    setWindowTitle(frame.caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    if (!frame.clientSize.isEmpty())
        setFixedSize(frame.clientSize);
    if (frame.helpContext)
        setProperty("helpContext", frame.helpContext);
    toolBar_ = new DialogToolBar(this, frame.buttons);
    toolBar_->setHelpTopic(frame.helpTopic);
    if (QAction* ok = toolBar_->okay())
        connect(ok, &QAction::triggered, this, &VemoxDialog::ActionOkayExecute);
    if (QAction* cancel = toolBar_->cancel())
        connect(cancel, &QAction::triggered, this, &VemoxDialog::ActionCancelExecute);
}

void VemoxDialog::ActionOkayExecute()
{
    // A failure the save did not expect is reported as any handler's; it keeps the dialog open.
    bool saved = false;
    {
        // What the store has to say is told once the save is over, unless the dialog told
        // its failure in its own words.
        ZYMAPI::HeldReports store;
        trapped(QString(), [&] { saved = save(); });
    }
    if (saved)
        accept();
}

QVBoxLayout* VemoxDialog::columnWithToolBar(int bottomMargin)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, bottomMargin);
    column->setSpacing(0);
    column->addWidget(toolBar_);
    return column;
}

void VemoxDialog::showEvent(QShowEvent* event)
{
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (frame_.placement == Placement::OwnerCentre && owner)
        centreWindowOn(*this, owner->frameGeometry().center());
    else if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        centreWindowOn(*this, screen->availableGeometry().center());
    // The dialog's keys work wherever the focus is, a field that would take them included.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    QDialog::showEvent(event);
}

bool VemoxDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* a : actions())
            if (a->isEnabled() && a->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
                event->ignore();
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void describeField(QWidget* field, const QStringList& parts)
{
    QStringList words;
    for (QString p : parts) {
        p.remove(QLatin1Char('&'));
        p = p.trimmed();
        if (p.endsWith(QLatin1Char(':')))
            p.chop(1);
        // "Buy(%)" is read as "Buy (%)".
        p.replace(QRegularExpression(QStringLiteral("(\\w)\\(")), QStringLiteral("\\1 ("));
        if (!p.isEmpty())
            words << p;
    }
    field->setAccessibleName(words.join(QStringLiteral(", ")));
}
