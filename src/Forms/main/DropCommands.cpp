#include "Forms/main/DropCommands.h"
#include "Forms/FlagImage.h"
#include "Forms/TCurrencySelector.h"
#include "Forms/main/Commands.h"
#include "Forms/main/CurrencyTabs.h"
#include "calc/Calculator.h"
#include "calc/Drops.h"
#include "calc/MainState.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>

namespace {

// A drop target of the window and the handlers that serve it.
struct Target {
    enum Kind { HomePane, ForeignPane, SlotButton, SlotPicture } kind;
    int slot = 0;
};

// Takes the drag-and-drop events of the target controls to the window's handlers.
class DropTargets : public QObject {
public:
    explicit DropTargets(DropCommands& owner, QObject* parent) : QObject(parent), form_(owner) {}

    void add(QWidget* w, Target t)
    {
        if (!w)
            return;
        w->setAcceptDrops(true);
        w->installEventFilter(this);
        targets_.insert(w, t);
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
        if (t == QEvent::Drop) {
            const bool taken = !country.isEmpty() && form_.DropCountry(it->kind, it->slot, country);
            e->setDropAction(Qt::CopyAction);
            e->setAccepted(taken);
        } else {
            const bool accept = !country.isEmpty() && form_.DragOver(it->kind);
            e->setDropAction(Qt::CopyAction);
            e->setAccepted(accept);
        }
        return true;
    }

private:
    DropCommands& form_;
    QHash<QObject*, Target> targets_;
};

// A flag, the banknote or no picture; raises when the picture's pixels are not whole.
QPixmap flagPicture(int resourceIndex, const ResourcePicture& picture)
{
    const QImage img = resourceIndex == NoResourceIndex ? defaultBanknote() : toImage(picture);
    return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

} // namespace

DropCommands::DropCommands(MainContext& ctx) : ctx_(ctx)
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
        ctx_.tabs.setFlag(slot, flagPicture(index, pic));
    };
    view.setSlotCaption = [this](int slot, const QString& caption) { ctx_.tabs.setCaption(slot, caption); };
    view.onCancel = [this] { ctx_.Calc.OnCancel(); };
    // Queued: the drop finishes first, then the window closes the ordinary way.
    view.closeMainWindow = [this] { QMetaObject::invokeMethod(&ctx_.window, &QWidget::close, Qt::QueuedConnection); };
    Drops = std::make_unique<CountryDrops>(ctx_.Currencies, ctx_.State, ctx_.Layout, std::move(view));

    auto* targets = new DropTargets(*this, this);
    for (const char* name : {"Panel2", "homeImage", "homecountry"})
        targets->add(ctx_.window.findChild<QWidget*>(QString::fromLatin1(name)), {Target::HomePane});
    for (const char* name : {"Panel3", "localimage", "localcountry"})
        targets->add(ctx_.window.findChild<QWidget*>(QString::fromLatin1(name)), {Target::ForeignPane});
    for (int n = 1; n <= 16; ++n) {
        targets->add(ctx_.window.findChild<QWidget*>(QStringLiteral("Button%1").arg(n)), {Target::SlotButton, n});
        targets->add(ctx_.window.findChild<QWidget*>(QStringLiteral("Image%1").arg(n)), {Target::SlotPicture, n});
    }
}

bool DropCommands::DragOver(int kind) const
{
    switch (kind) {
    case Target::HomePane: return AcceptDragOver();
    case Target::ForeignPane: return ForeignAcceptingdrag();
    case Target::SlotButton: return ButtonDragOver();
    default: return ImageDragOver();
    }
}

bool DropCommands::DropCountry(int kind, int slot, const QString& country)
{
    switch (kind) {
    case Target::HomePane: return Aceptinghomedrop(country);
    case Target::ForeignPane: return Foreigndragover(country);
    case Target::SlotButton: return AcceptingDragDrop(slot, country);
    default: return ImageDragDrop(slot, country);
    }
}

bool DropCommands::AcceptDragOver() const { return CountryDrops::paneAccepts(CountryDrops::Pane::Home, ctx_.State.reverseMode); }
bool DropCommands::ForeignAcceptingdrag() const { return CountryDrops::paneAccepts(CountryDrops::Pane::Foreign, ctx_.State.reverseMode); }

bool DropCommands::Aceptinghomedrop(const QString& country)
{
    return Drops->dropOnPane(CountryDrops::Pane::Home, country) == CountryDrops::Outcome::Taken;
}

bool DropCommands::Foreigndragover(const QString& country)
{
    return Drops->dropOnPane(CountryDrops::Pane::Foreign, country) == CountryDrops::Outcome::Taken;
}

bool DropCommands::AcceptingDragDrop(int slot, const QString& country)
{
    return Drops->dropOnSlot(ctx_.tabs.currentTab(), slot, country) == CountryDrops::Outcome::Taken;
}

// The picture of a slot takes the same drop as its button.
bool DropCommands::ImageDragDrop(int slot, const QString& country) { return AcceptingDragDrop(slot, country); }

void DropCommands::CountryDragList1Click()
{
    // A fresh selector every time, so the tree shows the table as it is now.
    CloseCountrySelector();
    CurrencySelector = new TCurrencySelector(ctx_.Currencies, &ctx_.window);
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
    CurrencySelector = new TCurrencySelector(ctx_.Currencies, &ctx_.window);
    CurrencySelector->move(at);
    CurrencySelector->setVisible(shown);
}

TCurrencySelector* DropCommands::currencySelector() const { return CurrencySelector; }
