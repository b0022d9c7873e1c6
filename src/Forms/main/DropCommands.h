#pragma once
// The main window's side of drag and drop: the country selector (Ctrl+D), and the drops of
// its countries onto the two currency panes and the currency slots. The controls are found
// by their names, so the drop targets are whatever controls carry them.
#include "Forms/main/MainContext.h"

#include <QObject>
#include <QPointer>
#include <memory>

class CountryDrops;
class TCurrencySelector;

class DropCommands : public QObject {
public:
    explicit DropCommands(MainContext& ctx);
    ~DropCommands() override;

    void CountryDragList1Click();
    TCurrencySelector* currencySelector() const;
    void CloseCountrySelector();
    // An open country list is built again from the table as it is now, where it stood.
    void rebuildCountrySelector();

    // The drag-over handlers say whether a target takes a drop; the drop handlers say
    // whether it did.
    bool AcceptDragOver() const;
    bool ForeignAcceptingdrag() const;
    bool ButtonDragOver() const { return true; }
    bool ImageDragOver() const { return true; }
    bool Aceptinghomedrop(const QString& country);
    bool Foreigndragover(const QString& country);
    bool AcceptingDragDrop(int slot, const QString& country);
    bool ImageDragDrop(int slot, const QString& country);
    // A target control's drag-over and drop, by the kind of target it is.
    bool DragOver(int kind) const;
    bool DropCountry(int kind, int slot, const QString& country);

private:
    void InstallDropTargets();

    MainContext& ctx_;
    std::unique_ptr<CountryDrops> Drops;
    QPointer<TCurrencySelector> CurrencySelector;
};
