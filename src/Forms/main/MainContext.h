#pragma once
// What the main window's handler units share: the run's objects, which the window owns,
// and the window's parts. A unit keeps a reference to it and works only through it.
#include <array>

class QMainWindow;
class Calculator;
class CommandSet;
class CommissionBar;
class CommissionTable;
class CurrencyPanes;
class CurrencyTable;
class CurrencyTabs;
class ButtonLayout;
class ElidedLabel;
class KeypadPanel;
class MainState;
class TransactionLog;

struct MainContext {
    QMainWindow& window;
    CommandSet& commands;
    // The run's objects.
    MainState& State;
    TransactionLog& Log;
    CurrencyTable& Currencies;
    ButtonLayout& Layout;
    CommissionTable& Commission;
    Calculator& Calc;
    // The window's parts.
    CurrencyPanes& panes;
    CommissionBar& commissionBar;
    KeypadPanel& keypad;
    CurrencyTabs& tabs;
    std::array<ElidedLabel*, 3>& statusPanels;
};
