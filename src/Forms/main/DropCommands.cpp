#include "Forms/main/DropCommands.h"
#include "Forms/FlagImage.h"
#include "Forms/TCurrencySelector.h"
#include "Forms/main/Commands.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/TabCommands.h"
#include "calc/CounterSession.h"
#include "calc/Drops.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QWidget>
#include <QMimeData>

namespace {

constexpr int kHomePane = 0;
constexpr int kForeignPane = -1;

// Takes the drag-and-drop events of the target controls to the window's handlers.
class DropTargets : public QObject {
public:
    explicit DropTargets(DropCommands& owner, QObject* parent) : QObject(parent), form_(owner) {}

    void add(const QList<QWidget*>& widgets, int target)
    {
        for (QWidget* w : widgets) {
            w->setAcceptDrops(true);
            w->installEventFilter(this);
            targets_.insert(w, target);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto t = event->type();
        if (t != QEvent::DragEnter && t != QEvent::DragMove && t != QEvent::Drop)
            return false;
        const auto it = targets_.constFind(watched);
        if (it == targets_.constEnd())
            return false;
        auto* e = static_cast<QDropEvent*>(event);
        const QString country = e->mimeData() ? e->mimeData()->text() : QString();
        const bool accept = !country.isEmpty() &&
                            (t == QEvent::Drop ? form_.DropCountry(*it, country) : form_.DragOver(*it));
        e->setDropAction(Qt::CopyAction);
        e->setAccepted(accept);
        return true;
    }

private:
    DropCommands& form_;
    QHash<QObject*, int> targets_;
};

// A flag, the banknote or no picture; raises when the picture's pixels are not whole.
QPixmap flagPicture(int resourceIndex, const ResourcePicture& picture)
{
    const QImage img = resourceIndex == NoResourceIndex ? defaultBanknote() : toImage(picture);
    return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

} // namespace

DropCommands::DropCommands(MainContext& ctx, TabCommands& tabs) : ctx_(ctx), tabs_(tabs)
{
    InstallDropTargets();
    ctx.commands.bind(Command::CountryDragList, [this] { CountryDragList1Click(); });
}

DropCommands::~DropCommands() = default;

void DropCommands::InstallDropTargets()
{
    CountryDrops::View view;
    // The panes show the flag the drop puts into the main state; here it is only made
    // into a picture, so that a flag that cannot be shown fails the drop.
    view.setPanePicture = [](CountryDrops::Pane, int index, const ResourcePicture& pic) { flagPicture(index, pic); };
    view.setSlotPicture = [this](int slot, int index, const ResourcePicture& pic) {
        tabs_.showSlotFlag(slot, flagPicture(index, pic));
    };
    view.setSlotCaption = [this](int slot, const QString& caption) { tabs_.showSlotCaption(slot, caption); };
    CounterSession& session = ctx_.session;
    view.onCancel = [&session] { session.calculator().OnCancel(); };
    // Queued: the drop finishes first, then the window closes the ordinary way.
    view.closeMainWindow = [this] { QMetaObject::invokeMethod(&ctx_.window, &QWidget::close, Qt::QueuedConnection); };
    Drops = std::make_unique<CountryDrops>(session.currencies(), session.state(), session.layout(), std::move(view));

    auto* targets = new DropTargets(*this, this);
    targets->add(ctx_.panes.dropTargets(true), kHomePane);
    targets->add(ctx_.panes.dropTargets(false), kForeignPane);
    for (int slot = 1; slot <= ButtonLayout::kSlots; ++slot)
        targets->add(ctx_.tabs.dropTargets(slot), slot);
}

bool DropCommands::DragOver(int slot) const
{
    if (slot > 0)
        return true;
    const auto pane = slot == kHomePane ? CountryDrops::Pane::Home : CountryDrops::Pane::Foreign;
    return CountryDrops::paneAccepts(pane, ctx_.session.state().reverseMode);
}

bool DropCommands::DropCountry(int slot, const QString& country)
{
    if (slot > 0)
        return Drops->dropOnSlot(ctx_.tabs.currentTab(), slot, country) == CountryDrops::Outcome::Taken;
    const auto pane = slot == kHomePane ? CountryDrops::Pane::Home : CountryDrops::Pane::Foreign;
    return Drops->dropOnPane(pane, country) == CountryDrops::Outcome::Taken;
}

void DropCommands::CountryDragList1Click()
{
    // A fresh selector every time, so the tree shows the table as it is now.
    CloseCountrySelector();
    CurrencySelector = new TCurrencySelector(ctx_.session.currencies(), &ctx_.window);
    CurrencySelector->move(QCursor::pos());
    CurrencySelector->show();
    CurrencySelector->raise();
    CurrencySelector->activateWindow();
}

void DropCommands::CloseCountrySelector()
{
    if (CurrencySelector) {
        CurrencySelector->close();
        delete CurrencySelector.data();
    }
}

void DropCommands::rebuildCountrySelector()
{
    if (!CurrencySelector)
        return;
    const QPoint at = CurrencySelector->pos();
    const bool shown = CurrencySelector->isVisible();
    CloseCountrySelector();
    CurrencySelector = new TCurrencySelector(ctx_.session.currencies(), &ctx_.window);
    CurrencySelector->move(at);
    CurrencySelector->setVisible(shown);
}
