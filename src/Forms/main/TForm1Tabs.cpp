// The currency buttons and their tabs: showing a tab, region loads, clearing, renaming,
// emptying a slot; and the commission dialog. The layout itself is the core's ButtonLayout.
#include "Forms/FlagImage.h"
#include "Forms/TCurrencyForm.h"
#include "Forms/TForm1.h"
#include "Forms/main/CurrencyTabs.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Trap.h"

#include <QAction>
#include <QLabel>

namespace {
const QString kClearQuestion = QStringLiteral("This will delete current settings!");
const QString kClearTitle = QStringLiteral("Load Defaults");
} // namespace

void TForm1::connectTabs()
{
    connect(tabs_, &CurrencyTabs::tabChanged, this, &TForm1::TabControl1Change);
    connect(tabs_, &CurrencyTabs::slotPressed, this, &TForm1::removeitem);
}

bool TForm1::LoadTabButtons(int tab)
{
    const ButtonLayout::TabView view = Layout.tabSlots(tab, Currencies);
    for (int slot = 1; slot <= ButtonLayout::kSlots; ++slot)
        tabs_->setCaption(slot, view[slot - 1].caption);
    return trapped(QString(), [&] {
        ResourceLibrary library;
        ButtonLayout::openLibrary(library);
        for (int slot = 1; slot <= ButtonLayout::kSlots; ++slot)
            tabs_->setFlag(slot, flagPixmap(library, view[slot - 1].picture));
    });
}

void TForm1::showTabNames()
{
    for (int tab = 0; tab < ButtonLayout::kTabs; ++tab)
        tabs_->setTabName(tab, Layout.tabName(tab));
}

void TForm1::ResetTabNames()
{
    Layout.ResetTabNames();
    showTabNames();
}

void TForm1::LoadRegionDefaults(const QString& region)
{
    Layout.LoadRegionDefaults(Currencies, region, [this] {
        LoadTabButtons(0);
        tabs_->selectTab(0);
    });
    showTabNames();
}

// Every failure of LoadTabButtons is of the program's own kind and reported there; none
// is left for the text of a failed change of tab (ButtonLayout::kTabChangeError).
void TForm1::TabControl1Change(int tab) { LoadTabButtons(tab); }

void TForm1::Loaddefaults(int tag) { LoadRegionDefaults(ButtonLayout::RegionOfTag(tag)); }

void TForm1::ActionAficaExecute() { LoadRegionDefaults(QStringLiteral("Africa")); }
void TForm1::ActionAmericaExecute() { LoadRegionDefaults(QStringLiteral("America")); }
void TForm1::ActionAsiaExecute() { LoadRegionDefaults(QStringLiteral("Asia")); }
void TForm1::ActionCaribbeanExecute() { LoadRegionDefaults(QStringLiteral("Caribbean")); }
void TForm1::ActionEuropeExecute() { LoadRegionDefaults(QStringLiteral("Europe")); }
void TForm1::ActionMiddleEastExecute() { LoadRegionDefaults(QStringLiteral("Middle East")); }
void TForm1::ActionOceaniaExecute() { LoadRegionDefaults(QStringLiteral("Oceania")); }

void TForm1::ClearSelectedTabbedPanel1Click()
{
    if (!messenger().confirmTitled(kClearQuestion, kClearTitle))
        return;
    const int tab = tabs_->currentTab();
    Layout.clearTab(tab);
    LoadTabButtons(tab);
    tabs_->setTabName(tab, Layout.tabName(tab));
}

void TForm1::ClearAllTabbedPanels1Click()
{
    if (!messenger().confirmTitled(kClearQuestion, kClearTitle))
        return;
    Layout.clearAll();
    LoadTabButtons(0);
    showTabNames();
}

void TForm1::ChangeTabNames1Click()
{
    const auto name = messenger().inputBox(QStringLiteral("Change Tab Name"), QStringLiteral("Enter the new Tab Name"),
                                           QString());
    if (!name)
        return;
    const int tab = tabs_->currentTab();
    Layout.setTabName(tab, *name);
    tabs_->setTabName(tab, *name);
}

void TForm1::emptySlot(int slot)
{
    tabs_->setFlag(slot, QPixmap());
    if (Layout.remove(tabs_->currentTab(), slot))
        tabs_->setCaption(slot, QString());
}

void TForm1::ActionDeleteButtonExecute()
{
    if (const int slot = tabs_->focusedSlot())
        emptySlot(slot);
}

void TForm1::removeitem(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::LeftButton && (modifiers & Qt::ShiftModifier))
        emptySlot(slot);
}

void TForm1::CurrencyFormat1Click()
{
    // The header describes the pane whose picture it shows: home, or foreign in reverse mode.
    const bool reverse = State.reverseMode;
    const PaneState& pane = reverse ? State.foreign : State.home;
    const auto* picture = findChild<QLabel*>(reverse ? QStringLiteral("localimage") : QStringLiteral("homeImage"));
    const CommissionHeader header{picture ? picture->pixmap() : QPixmap(), pane.country, pane.iso};
    VemoxDialog::run<TCurrencyForm>(header, CommissionTable, this);
}
