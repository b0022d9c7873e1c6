#pragma once
// The currency buttons and their tabs: showing a tab, region loads, clearing, renaming,
// emptying a slot; and the commission dialog (F5). The layout itself is the core's
// ButtonLayout.
#include "Forms/main/MainContext.h"

#include <QObject>

class QPixmap;

class TabCommands : public QObject {
    Q_OBJECT
public:
    explicit TabCommands(MainContext& ctx);

    // Shows a tab's slots from the layout; false after a reported error.
    bool LoadTabButtons(int tab);
    // Shows the layout's tab names on the tabs.
    void showTabNames();
    // Shows a slot (1 .. 16) of the selected tab as a drop changed it.
    void showSlotCaption(int slot, const QString& caption);
    void showSlotFlag(int slot, const QPixmap& flag);
    // Fills the tabs from a region, shows tab 0 and names the tabs.
    void LoadRegionDefaults(const QString& region);
    void TabControl1Change(int tab);
    void Loaddefaults(int tag);
    void ClearSelectedTabbedPanel1Click();
    void ClearAllTabbedPanels1Click();
    void ChangeTabNames1Click();
    void ActionDeleteButtonExecute();
    void removeitem(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void CurrencyFormat1Click();

private:
    void emptySlot(int slot);
    static bool confirmClear();

    MainContext& ctx_;
};
