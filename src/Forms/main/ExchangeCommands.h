#pragma once
// The conversion commands: the currency buttons, reverse mode, the options of the
// commission bar and the Hide button that shows or hides the bar. The conversion itself,
// its charges and its error handling live in the core's Exchanger.
#include "Forms/main/MainContext.h"

#include <QObject>
#include <functional>
#include <memory>

class Exchanger;
struct Conversion;

class ExchangeCommands : public QObject {
public:
    explicit ExchangeCommands(MainContext& ctx);
    ~ExchangeCommands() override;

    // Told of each conversion made, as the receipt needs its cells.
    std::function<void(const Conversion&)> conversionMade;

    void Exchange(const QString& country);   // a currency button, by its caption
    void Reverse();
    void RcashClick();
    void RcreditcardClick();
    void RtcClick();
    void RbuyClick();
    void RsellClick();
    void RbaseClick();
    void RcommissionClick();
    void HideClick();
    void MenuHideCommissionToolbar();
    Exchanger& exchanger() { return *Exchange_; }

private:
    void currencySlotClicked(int slot, Qt::KeyboardModifiers modifiers);
    void commissionOptionsChanged();

    MainContext& ctx_;
    std::unique_ptr<Exchanger> Exchange_;
};
