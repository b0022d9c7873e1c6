#pragma once
// The main window: the keypad and display, the two currency panes, the commission bar,
// the nine tabs of currency buttons, the menus and the status bar. It owns the long-lived
// objects of a run and renders the core's MainState; the logic lives in the core.
//
// Its parts live in Forms/main/: KeypadPanel, CurrencyPanes, CommissionBar, CurrencyTabs
// (each owns its controls and emits intents), the command table (Commands.h) and the
// handler units, each a class owning a group of commands:
//   LogCommands       viewing and saving the transaction log
//   UpdateCommands    update from the server, rollback, the firewall settings
//   TabCommands       tabs, region loads, clearing, renaming, deleting a country, commissions
//   ExchangeCommands  conversion, reverse mode, the commission bar and its Hide button
//   DropCommands      the country list and drops on the panes and buttons
//   EditorCommands    the currency editor and the reload after it
//   PrintCommands     the receipt and log report, the print options, the printer setup
//   AccountCommands   the quick print, the print and accounts dialog, the account file
// The window itself keeps the start-up, the close, rendering, key preview, help and web
// pages (TForm1.cpp), the menus and popups (TForm1Commands.cpp) and the settings
// (TForm1Settings.cpp).
//
// A new unit is a class in Forms/main/ that takes the MainContext, binds its commands in its
// constructor (CommandSet::bind) and is created in construct(); see Commands.h for adding a
// command.
#include "Forms/main/Commands.h"
#include "Forms/main/MainContext.h"
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "calc/MainState.h"
#include "calc/TransactionLog.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyTable.h"
#include "calc/MainSettings.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QMenu;
class TCurrencySelector;
class THelpWindow;
class KeypadPanel;
class CurrencyPanes;
class CommissionBar;
class CurrencyTabs;
class ElidedLabel;
class LogCommands;
class UpdateCommands;
class TabCommands;
class ExchangeCommands;
class DropCommands;
class EditorCommands;
class PrintCommands;
class AccountCommands;
class Exchanger;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    static constexpr int kClientWidth = 550;
    static constexpr int kClientHeight = 286;

    // The command's action (or menu item, for the menu-only commands).
    QAction* command(Command c) const { return commands_->action(c); }

    // What the window shows and the run's objects, for the windows that work with them.
    MainState& state() { return State; }
    const ::TransactionLog& transactionLog() const { return *TransactionLog; }
    const CurrencyTable& currencies() const { return Currencies; }
    Calculator& calculator() { return *Calc; }
    ButtonLayout& buttonLayout() { return Layout; }
    void AppendLine(const QString& line) { TransactionLog->AppendLine(line); }
    // The open country selector, if any.
    TCurrencySelector* currencySelector() const;
    // Shows a tab's slots from the layout; false after a reported error.
    bool LoadTabButtons(int tab);
    void ShowHelpTopic(const QString& topic);
    // The report layout, the printer and the printing commands (PrintCommands.h).
    PrintCommands& printing() { return *Printing; }
    // The conversion of the currency buttons, with the record waiting for the account file.
    Exchanger& exchanger();

    // Opens an address in the browser; replaceable so tests never start one.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
    // Steps of the close sequence that ran, for the record of a run.
    QStringList closeSteps() const { return CloseSteps; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's own commands.
    void Exit1Click();
    void HelpIndex1Click();
    void WebSite1Click();
    void Downloadlatestversion1Click();
    void ActionSupportExecute();
    void bindWindowCommands();
    void connectPrinting();
    void connectAccounts();
    // The settings (TForm1Settings.cpp): restored while the window is built, stored first
    // when it closes; the date and number format dialog applies its choices at once.
    bool LoadSettings();
    void SaveSettings();
    void DateFormat1Click();

    void Render();
    void buildStatusBar();
    void buildMenus();
    void buildPopups();
    void connectKeypad();
    void openWebPage(const QString& path);
    void FormKeyPress(QChar key);
    void construct();
    void centreOnScreen();

    // Owned state of the run.
    MainState State;
    std::unique_ptr<::TransactionLog> TransactionLog;
    CurrencyTable Currencies;
    ButtonLayout Layout;                             // ButtonAssignments and the tab names
    ::CommissionTable CommissionTable;               // the charges of a conversion
    std::unique_ptr<Calculator> Calc;                // the keypad, display and arithmetic
    std::unique_ptr<MainSettings> Settings;          // what survives a restart

    // The parts of the window.
    CurrencyPanes* panes_ = nullptr;
    CommissionBar* commissionBar_ = nullptr;
    KeypadPanel* keypad_ = nullptr;
    CurrencyTabs* tabs_ = nullptr;
    std::array<ElidedLabel*, 3> statusPanels_{};     // StatusBar1's panels 0..2
    QMenu *PopupMenu1 = nullptr, *LoadCountryDefaults = nullptr;
    std::unique_ptr<CommandSet> commands_;

    // The handler units, created with the run's objects and gone before them.
    std::unique_ptr<MainContext> context_;
    std::unique_ptr<LogCommands> log_;
    std::unique_ptr<UpdateCommands> update_;
    std::unique_ptr<TabCommands> tabUnit_;
    std::unique_ptr<ExchangeCommands> exchange_;
    std::unique_ptr<DropCommands> drops_;
    std::unique_ptr<EditorCommands> editor_;
    PrintCommands* Printing = nullptr;               // TQuickReport1 and the printer
    AccountCommands* Accounts = nullptr;             // the quick print and the account file

    // Windows of the run that the close sequence closes.
    QPointer<THelpWindow> HelpWindow;

    std::function<bool(const QUrl&)> openUrl_;
    QStringList CloseSteps;
    bool closing_ = false;
    bool shownOnce_ = false;
};

// The program-wide pointer to the main window.
extern TForm1* Form1;
