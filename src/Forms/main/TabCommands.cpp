#include "Forms/main/TabCommands.h"
#include "Forms/FlagImage.h"
#include "Forms/TCurrencyForm.h"
#include "Forms/main/Commands.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "calc/CounterSession.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Trap.h"

// Clearing folders loses the operator's button layout: they confirm it first.
bool TabCommands::confirmClear()
{
    return messenger().confirmTitled(tr("This will delete current settings!"), tr("Load Defaults"));
}

TabCommands::TabCommands(MainContext& ctx) : ctx_(ctx)
{
    connect(&ctx.tabs, &CurrencyTabs::tabChanged, this, &TabCommands::TabControl1Change);
    connect(&ctx.tabs, &CurrencyTabs::slotPressed, this, &TabCommands::removeitem);
    CommandSet& c = ctx.commands;
    c.bind(Command::ChangeFolderName, [this] { ChangeTabNames1Click(); });
    c.bind(Command::ClearSelectedFolders, [this] { ClearSelectedTabbedPanel1Click(); });
    c.bind(Command::ClearAllFolders, [this] { ClearAllTabbedPanels1Click(); });
    c.bind(Command::DeleteButton, [this] { ActionDeleteButtonExecute(); });
    c.bind(Command::CommissionEditor, [this] { CurrencyFormat1Click(); });
    for (const CommandDef& d : CommandSet::table())
        if (d.region)
            c.bind(d.id, [this, tag = d.region] { Loaddefaults(tag); });
}

bool TabCommands::LoadTabButtons(int tab)
{
    const ButtonLayout::TabView view = ctx_.session.layout().tabSlots(tab, ctx_.session.currencies());
    for (int slot = 1; slot <= ButtonLayout::kSlots; ++slot)
        ctx_.tabs.setCaption(slot, view[slot - 1].caption);
    return trapped(QString(), [&] {
        ResourceLibrary library;
        ButtonLayout::openLibrary(library);
        for (int slot = 1; slot <= ButtonLayout::kSlots; ++slot)
            ctx_.tabs.setFlag(slot, flagPixmap(library, view[slot - 1].picture));
    });
}

void TabCommands::showTabNames()
{
    for (int tab = 0; tab < ButtonLayout::kTabs; ++tab)
        ctx_.tabs.setTabName(tab, ctx_.session.layout().tabName(tab));
}

void TabCommands::LoadRegionDefaults(const QString& region)
{
    ctx_.session.layout().LoadRegionDefaults(ctx_.session.currencies(), region, [this] {
        LoadTabButtons(0);
        ctx_.tabs.selectTab(0);
    });
    showTabNames();
}

// Every failure of LoadTabButtons is of the program's own kind and reported there; none
// is left for the text of a failed change of tab (ButtonLayout::kTabChangeError).
void TabCommands::TabControl1Change(int tab) { LoadTabButtons(tab); }

void TabCommands::Loaddefaults(int tag) { LoadRegionDefaults(ButtonLayout::RegionOfTag(tag)); }

void TabCommands::ClearSelectedTabbedPanel1Click()
{
    if (!confirmClear())
        return;
    const int tab = ctx_.tabs.currentTab();
    ctx_.session.layout().clearTab(tab);
    LoadTabButtons(tab);
    ctx_.tabs.setTabName(tab, ctx_.session.layout().tabName(tab));
}

void TabCommands::ClearAllTabbedPanels1Click()
{
    if (!confirmClear())
        return;
    ctx_.session.layout().clearAll();
    LoadTabButtons(0);
    showTabNames();
}

void TabCommands::ChangeTabNames1Click()
{
    const auto name = messenger().inputBox(tr("Change Tab Name"), tr("Enter the new Tab Name"), QString());
    if (!name)
        return;
    const int tab = ctx_.tabs.currentTab();
    ctx_.session.layout().setTabName(tab, *name);
    ctx_.tabs.setTabName(tab, *name);
}

void TabCommands::showSlotCaption(int slot, const QString& caption) { ctx_.tabs.setCaption(slot, caption); }

void TabCommands::showSlotFlag(int slot, const QPixmap& flag) { ctx_.tabs.setFlag(slot, flag); }

void TabCommands::emptySlot(int slot)
{
    ctx_.tabs.setFlag(slot, QPixmap());
    if (ctx_.session.layout().remove(ctx_.tabs.currentTab(), slot))
        ctx_.tabs.setCaption(slot, QString());
}

void TabCommands::ActionDeleteButtonExecute()
{
    if (const int slot = ctx_.tabs.focusedSlot())
        emptySlot(slot);
}

void TabCommands::removeitem(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button == Qt::LeftButton && (modifiers & Qt::ShiftModifier))
        emptySlot(slot);
}

void TabCommands::CurrencyFormat1Click()
{
    // The header describes the pane whose picture it shows: home, or foreign in reverse mode.
    const MainState& state = ctx_.session.state();
    const PaneState& pane = state.reverseMode ? state.foreign : state.home;
    const CommissionHeader header{CurrencyPanes::picture(pane), pane.country, pane.iso};
    VemoxDialog::run<TCurrencyForm>(header, ctx_.session.commission(), &ctx_.window);
}
