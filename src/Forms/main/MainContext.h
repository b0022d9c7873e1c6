#pragma once
// What the main window's handler units share: the counter's session, the commands, and the
// window's parts, each unit working on its own part. A unit keeps a reference to it.
class QWidget;
class CommandSet;
class CommissionBar;
class CounterSession;
class CurrencyPanes;
class CurrencyTabs;
class KeypadPanel;

struct MainContext {
    QWidget& window;   // the owner of the unit's dialogs
    CommandSet& commands;
    CounterSession& session;
    // The window's parts.
    CurrencyPanes& panes;
    CommissionBar& commissionBar;
    KeypadPanel& keypad;
    CurrencyTabs& tabs;
};
