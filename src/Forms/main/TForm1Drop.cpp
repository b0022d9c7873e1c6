// The main window's side of drag and drop: the country selector, and the drops of its
// countries onto the two currency panes and the currency slots. The controls are found by
// their names, so the drop targets are whatever controls carry them.
#include "Forms/FlagImage.h"
#include "Forms/TCurrencySelector.h"
#include "Forms/TForm1.h"
#include "Forms/main/CurrencyTabs.h"
#include "calc/Drops.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QLabel>
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
    explicit DropTargets(TForm1& form) : QObject(&form), form_(form) {}

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
    TForm1& form_;
    QHash<QObject*, Target> targets_;
};

// A flag, the banknote or no picture; raises when the picture's pixels are not whole.
QPixmap flagPicture(int resourceIndex, const ResourcePicture& picture)
{
    const QImage img = resourceIndex == NoResourceIndex ? defaultBanknote() : toImage(picture);
    return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

} // namespace

void TForm1::InstallDropTargets()
{
    CountryDrops::View view;
    // The panes show the flag the drop puts into the main state; here it is only made
    // into a picture, so that a flag that cannot be shown fails the drop.
    view.setPanePicture = [](CountryDrops::Pane, int index, const ResourcePicture& pic) { flagPicture(index, pic); };
    view.setSlotPicture = [this](int slot, int index, const ResourcePicture& pic) {
        tabs_->setFlag(slot, flagPicture(index, pic));
    };
    view.setSlotCaption = [this](int slot, const QString& caption) { tabs_->setCaption(slot, caption); };
    view.onCancel = [this] { Calc->OnCancel(); };
    // Queued: the drop finishes first, then the window closes the ordinary way.
    view.closeMainWindow = [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); };
    Drops = std::make_unique<CountryDrops>(Currencies, State, Layout, std::move(view));

    auto* targets = new DropTargets(*this);
    for (const char* name : {"Panel2", "homeImage", "homecountry"})
        targets->add(findChild<QWidget*>(QString::fromLatin1(name)), {Target::HomePane});
    for (const char* name : {"Panel3", "localimage", "localcountry"})
        targets->add(findChild<QWidget*>(QString::fromLatin1(name)), {Target::ForeignPane});
    for (int n = 1; n <= 16; ++n) {
        targets->add(findChild<QWidget*>(QStringLiteral("Button%1").arg(n)), {Target::SlotButton, n});
        targets->add(findChild<QWidget*>(QStringLiteral("Image%1").arg(n)), {Target::SlotPicture, n});
    }
}

bool TForm1::DragOver(int kind) const
{
    switch (kind) {
    case Target::HomePane: return AcceptDragOver();
    case Target::ForeignPane: return ForeignAcceptingdrag();
    case Target::SlotButton: return ButtonDragOver();
    default: return ImageDragOver();
    }
}

bool TForm1::DropCountry(int kind, int slot, const QString& country)
{
    switch (kind) {
    case Target::HomePane: return Aceptinghomedrop(country);
    case Target::ForeignPane: return Foreigndragover(country);
    case Target::SlotButton: return AcceptingDragDrop(slot, country);
    default: return ImageDragDrop(slot, country);
    }
}

bool TForm1::AcceptDragOver() const { return CountryDrops::paneAccepts(CountryDrops::Pane::Home, State.reverseMode); }
bool TForm1::ForeignAcceptingdrag() const { return CountryDrops::paneAccepts(CountryDrops::Pane::Foreign, State.reverseMode); }

bool TForm1::Aceptinghomedrop(const QString& country)
{
    return Drops->dropOnPane(CountryDrops::Pane::Home, country) == CountryDrops::Outcome::Taken;
}

bool TForm1::Foreigndragover(const QString& country)
{
    return Drops->dropOnPane(CountryDrops::Pane::Foreign, country) == CountryDrops::Outcome::Taken;
}

bool TForm1::AcceptingDragDrop(int slot, const QString& country)
{
    return Drops->dropOnSlot(tabs_->currentTab(), slot, country) == CountryDrops::Outcome::Taken;
}

// The picture of a slot takes the same drop as its button.
bool TForm1::ImageDragDrop(int slot, const QString& country) { return AcceptingDragDrop(slot, country); }

void TForm1::CountryDragList1Click()
{
    // A fresh selector every time, so the tree shows the table as it is now.
    CloseCountrySelector();
    CurrencySelector = new TCurrencySelector(Currencies, this);
    CurrencySelector->move(QCursor::pos());
    CurrencySelector->show();
    CurrencySelector->raise();
    CurrencySelector->activateWindow();
}

TCurrencySelector* TForm1::currencySelector() const { return CurrencySelector; }

void TForm1::CloseCountrySelector()
{
    if (CurrencySelector) {
        CurrencySelector->close();
        delete CurrencySelector.data();
    }
}
