#pragma once
// The conversion commands: the currency buttons, reverse mode, the options of the
// commission bar and the Hide button that shows or hides the bar. The counter's session
// converts; this unit asks the operator what only the operator can answer.
#include "Forms/main/MainContext.h"

#include <QObject>

class ExchangeCommands : public QObject {
public:
    explicit ExchangeCommands(MainContext& ctx);

    // A currency button: converts by its slot's country; a missing rate asks whether to
    // update first.
    void Exchange(int slot);
    void Reverse();
    void commissionOptionsChanged();
    void HideClick(bool show);
    void MenuHideCommissionToolbar();

private:
    void currencySlotClicked(int slot, Qt::KeyboardModifiers modifiers);

    MainContext& ctx_;
};
