#pragma once
// Update from the web (F2, U, the update button), rollback (Ctrl+B) and the firewall
// settings (Ctrl+J). The core's RateUpdate does the work and leaves its results in the main
// state: the status texts, the hourglass while an update waits, and the date and source of
// the rates in force as the tool tip of status panel 1.
//
// The update button is disabled while the currency editor's setting (`CCdu`) says so, and
// then does nothing; that setting names the button only, so F2 and the U key still update.
#include "Forms/main/MainContext.h"

#include <QObject>
#include <memory>

class RateUpdate;

class UpdateCommands : public QObject {
public:
    // `loaded` says whether the start-up found currency data, whose date the status shows.
    UpdateCommands(MainContext& ctx, bool loaded);
    ~UpdateCommands() override;

    void GoUpdateFromTheWeb();
    void RollBack1Click();
    void Proxy1Click();
    // An update still waiting is abandoned: it changes nothing.
    void abort();

private:
    void renderUpdate();

    MainContext& ctx_;
    std::unique_ptr<RateUpdate> Updater;
    bool busyCursor_ = false;   // the hourglass of a running update is up
};
