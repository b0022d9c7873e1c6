#pragma once
// The main window's side of drag and drop: the country selector (Ctrl+D), and the drops of
// its countries onto the two currency panes and the currency slots, whose controls their
// parts name; a slot shows what a drop put in it through the tab unit.
#include "Forms/main/MainContext.h"

#include <QObject>
#include <QPointer>
#include <memory>

class CountryDrops;
class TabCommands;
class TCurrencySelector;

class DropCommands : public QObject {
public:
    DropCommands(MainContext& ctx, TabCommands& tabs);
    ~DropCommands() override;

    void CountryDragList1Click();
    void CloseCountrySelector();
    // An open country list is built again from the table as it is now, where it stood.
    void rebuildCountrySelector();

    // A target's drag-over says whether it takes a drop; its drop says whether it did. A
    // slot is 1 .. 16; 0 is the home pane and -1 the foreign one. A slot's picture takes
    // the same drop as its button.
    bool DragOver(int slot) const;
    bool DropCountry(int slot, const QString& country);

private:
    void InstallDropTargets();

    MainContext& ctx_;
    TabCommands& tabs_;
    std::unique_ptr<CountryDrops> Drops;
    QPointer<TCurrencySelector> CurrencySelector;
};
