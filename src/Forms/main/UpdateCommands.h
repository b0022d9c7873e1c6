#pragma once
// Update from the web (F2, U, the update button), rollback (Ctrl+B) and the firewall
// settings (Ctrl+J). The counter's session runs them; the main state shows what they tell:
// the status texts, the hourglass while an update waits, and the date and source of the
// rates in force as the tool tip of status panel 1.
//
// The update button is disabled while the currency editor's setting (`CCdu`) says so, and
// then does nothing; that setting names the button only, so F2 and the U key still update.
#include "Forms/main/MainContext.h"

#include <QObject>

class UpdateCommands : public QObject {
public:
    explicit UpdateCommands(MainContext& ctx);

    void GoUpdateFromTheWeb();
    void RollBack1Click();
    void Proxy1Click();

private:
    MainContext& ctx_;
};
