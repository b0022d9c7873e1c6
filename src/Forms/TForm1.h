#pragma once
// The main window: the keypad and display, the two currency panes, the commission bar,
// the nine tabs of currency buttons, the menus and the status bar. It owns the long-lived
// objects of a run and renders the core's MainState; the logic lives in the core.
//
// Its parts live in Forms/main/: KeypadPanel, CurrencyPanes, CommissionBar, CurrencyTabs
// (each owns its controls and emits intents) and the command table (Commands.h). The
// handlers are members of TForm1 grouped by what they serve, one file each:
//   TForm1.cpp          start-up, close, render, key preview, help and web pages
//   TForm1Commands.cpp  the command table, the actions, the main menu and the popups
//   TForm1Log.cpp       viewing and saving the transaction log
//   TForm1Update.cpp    update from the server, rollback, the firewall settings
//   TForm1Tabs.cpp      tabs, region loads, clearing, renaming, deleting a country
//   TForm1Exchange.cpp  conversion, reverse mode, the commission bar and its Hide button
//   TForm1Settings.cpp  settings load and save, the date and number formats
//   TForm1Drop.cpp      the country list and drops on the panes and buttons
//   TForm1Editor.cpp    the currency editor and the reload after it
//   PrintCommands       the receipt and log report, the print options, the printer setup
//   AccountCommands     the quick print, the print and accounts dialog, the account file
// A new file declares its handlers below, gives a command its handler in the command
// table, and connects any part's intents in a `connect...()` member called from the
// constructor.
#include "Forms/main/Commands.h"
#include "calc/Calculator.h"
#include "calc/Drops.h"
#include "calc/CommissionTable.h"
#include "calc/Exchange.h"
#include "calc/MainState.h"
#include "calc/TransactionLog.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyTable.h"
#include "support/MainSettings.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <span>

class QAction;
class QMenu;
class TCurrencySelector;
class TTransLog;
class THelpWindow;
class KeypadPanel;
class CurrencyPanes;
class CommissionBar;
class CurrencyTabs;
class ElidedLabel;
class RateUpdate;
class PrintCommands;
class AccountCommands;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    static constexpr int kClientWidth = 550;
    static constexpr int kClientHeight = 286;

    // The command's action (or menu item, for the menu-only commands).
    QAction* command(Command c) const { return commands_.at(static_cast<size_t>(c)); }
    static std::span<const CommandDef> commandTable();

    // What the window shows and the run's objects, for the windows and handlers that
    // work with them.
    MainState& state() { return State; }
    const ::TransactionLog& transactionLog() const { return *TransactionLog; }
    const CurrencyTable& currencies() const { return Currencies; }
    Calculator& calculator() { return *Calc; }
    void AppendLine(const QString& line) { TransactionLog->AppendLine(line); }

    // Opens an address in the browser; replaceable so tests never start one.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
    // Steps of the close sequence that ran, for the record of a run.
    QStringList closeSteps() const { return CloseSteps; }

    // Commands of this window.
    void Exit1Click();
    void HelpIndex1Click();
    void ShowHelpTopic(const QString& topic);
    void WebSite1Click();
    void Downloadlatestversion1Click();
    void ActionSupportExecute();
    void TransactionLog1Click();
    void SaveTransactionLog1Click();
    // Update from the web (F2, U, the update button), rollback (Ctrl+B) and the firewall
    // settings (Ctrl+J): TForm1Update.cpp.
    void GoUpdateFromTheWeb();
    void RollBack1Click();
    void Proxy1Click();
    RateUpdate& rateUpdate() { return *Updater; }
    // The currency editor (F4) and the reload after it: TForm1Editor.cpp.
    void CurrencyEditor1Click();
    void ReloadCurrencyData();

    // The country selector and the drops of its countries (TForm1Drop.cpp). The drag-over
    // handlers say whether a target takes a drop; the drop handlers say whether it did.
    void CountryDragList1Click();
    TCurrencySelector* currencySelector() const;
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
    // The currency buttons and their tabs (TForm1Tabs.cpp).
    ButtonLayout& buttonLayout() { return Layout; }
    // Shows a tab's slots from the layout; false after a reported error.
    bool LoadTabButtons(int tab);
    // Fills the tabs from a region, shows tab 0 and names the tabs.
    void LoadRegionDefaults(const QString& region);
    void ResetTabNames();
    // Shows the layout's tab names on the tabs (after loadTabNames, for one).
    void showTabNames();
    void TabControl1Change(int tab);
    void Loaddefaults(int tag);
    void ActionAficaExecute();
    void ActionAmericaExecute();
    void ActionAsiaExecute();
    void ActionCaribbeanExecute();
    void ActionEuropeExecute();
    void ActionMiddleEastExecute();
    void ActionOceaniaExecute();
    void ClearSelectedTabbedPanel1Click();
    void ClearAllTabbedPanels1Click();
    void ChangeTabNames1Click();
    void ActionDeleteButtonExecute();
    void removeitem(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void CurrencyFormat1Click();

    // Conversion, reverse mode and the commission bar (TForm1Exchange.cpp).
    Exchanger& exchanger() { return *Exchange_; }
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

    // The settings (TForm1Settings.cpp): restored while the window is built, stored first
    // when it closes; the date and number format dialog applies its choices at once.
    bool LoadSettings();
    void DateFormat1Click();

    // The report layout, the printer and the printing commands (PrintCommands.h).
    PrintCommands& printing() { return *Printing; }
    // The quick print and the accounting export (AccountCommands.h).
    AccountCommands& accounts() { return *Accounts; }

    // Renders the core's state into the controls.
    void Render();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildStatusBar();
    void buildCommands();
    void buildMenus();
    void buildPopups();
    void connectKeypad();
    void connectTabs();
    void emptySlot(int slot);
    void openWebPage(const QString& path);
    void FormKeyPress(QChar key);
    void SaveSettings();
    void construct();
    void InstallDropTargets();
    void CloseCountrySelector();
    void centreOnScreen();
    void connectUpdate(bool loaded);
    void renderUpdate();
    void connectExchange();
    void connectPrinting();
    void connectAccounts();
    void currencySlotClicked(int slot, Qt::KeyboardModifiers modifiers);
    void commissionOptionsChanged();

    // Owned state of the run.
    MainState State;
    std::unique_ptr<::TransactionLog> TransactionLog;
    CurrencyTable Currencies;
    ButtonLayout Layout;                             // ButtonAssignments and the tab names
    ::CommissionTable CommissionTable;               // the charges of a conversion
    std::unique_ptr<Calculator> Calc;                // the keypad, display and arithmetic
    std::unique_ptr<RateUpdate> Updater;             // the update from the web and the rollback
    bool busyCursor_ = false;                        // the hourglass of a running update is up
    std::unique_ptr<Exchanger> Exchange_;            // the currency buttons and reverse mode

    std::unique_ptr<MainSettings> Settings;          // what survives a restart
    PrintCommands* Printing = nullptr;               // TQuickReport1 and the printer
    AccountCommands* Accounts = nullptr;             // the quick print and the account file

    // The parts of the window.
    CurrencyPanes* panes_ = nullptr;
    CommissionBar* commissionBar_ = nullptr;
    KeypadPanel* keypad_ = nullptr;
    CurrencyTabs* tabs_ = nullptr;
    std::array<ElidedLabel*, 3> statusPanels_{};     // StatusBar1's panels 0..2
    QMenu *PopupMenu1 = nullptr, *LoadCountryDefaults = nullptr;
    std::array<QAction*, kCommandCount> commands_{};

    // Windows of the run that the close sequence closes.
    QPointer<TTransLog> TransLog;
    QPointer<THelpWindow> HelpWindow;
    QPointer<TCurrencySelector> CurrencySelector;
    std::unique_ptr<CountryDrops> Drops;

    std::function<bool(const QUrl&)> openUrl_;
    QStringList CloseSteps;
    bool closing_ = false;
    bool shownOnce_ = false;
};

// The program-wide pointer to the main window.
extern TForm1* Form1;
