#pragma once
// The main window: the keypad and display, the two currency panes, the commission bar,
// the nine tabs of currency buttons, the menus and the status bar. It owns the counter's
// session (calc/CounterSession) and renders its main state; the logic lives in the core.
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
//   LanguageCommands  the interface's language from the next start
// The window itself keeps the start-up, the close, rendering, key preview, help, web pages
// and the date format (TForm1.cpp), and the menus and popups (TForm1Menus.cpp).
//
// A new unit is a class in Forms/main/ that takes the MainContext, binds its commands in its
// constructor (CommandSet::bind) and is created in construct(); see Commands.h for adding a
// command.
#include "Forms/main/Commands.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QMenu;
class THelpWindow;
class KeypadPanel;
class CurrencyPanes;
class CommissionBar;
class CurrencyTabs;
class CounterSession;
class ElidedLabel;
struct MainContext;
class LogCommands;
class UpdateCommands;
class TabCommands;
class ExchangeCommands;
class DropCommands;
class EditorCommands;
class PrintCommands;
class AccountCommands;
class LanguageCommands;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The command's action (or menu item, for the menu-only commands).
    QAction* command(Command c) const { return commands_->action(c); }
    // The counter's run: what the window shows and the objects behind it.
    CounterSession& session() { return *session_; }
    void ShowHelpTopic(const QString& topic);
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
    static constexpr int kClientWidth = 550;
    static constexpr int kClientHeight = 286;

    // The window's own commands.
    void Exit1Click();
    void HelpIndex1Click();
    void WebSite1Click();
    void Downloadlatestversion1Click();
    void ActionSupportExecute();
    // The date and number format dialog applies its choices at once.
    void DateFormat1Click();
    void bindWindowCommands();

    void Render();
    void renderCommissionBar(bool shown);
    void renderBusy(bool busy);
    void buildStatusBar();
    void buildMenus();
    void buildPopups();
    void connectKeypad();
    void openWebPage(const QString& path);
    void construct();
    void centreOnScreen();

    std::unique_ptr<CounterSession> session_;

    // The parts of the window.
    CurrencyPanes* panes_ = nullptr;
    CommissionBar* commissionBar_ = nullptr;
    KeypadPanel* keypad_ = nullptr;
    CurrencyTabs* tabs_ = nullptr;
    std::array<ElidedLabel*, 3> statusPanels_{};     // StatusBar1's panels 0..2
    QMenu *PopupMenu1 = nullptr, *LoadCountryDefaults = nullptr;
    std::unique_ptr<CommandSet> commands_;

    // The handler units, created with the session and gone before it.
    std::unique_ptr<MainContext> context_;
    std::unique_ptr<LogCommands> log_;
    std::unique_ptr<UpdateCommands> update_;
    std::unique_ptr<TabCommands> tabUnit_;
    std::unique_ptr<ExchangeCommands> exchange_;
    std::unique_ptr<DropCommands> drops_;
    std::unique_ptr<EditorCommands> editor_;
    std::unique_ptr<PrintCommands> printing_;
    std::unique_ptr<AccountCommands> accounts_;
    std::unique_ptr<LanguageCommands> language_;

    // Windows of the run that the close sequence closes.
    QPointer<THelpWindow> HelpWindow;

    std::function<bool(const QUrl&)> openUrl_;
    QStringList CloseSteps;
    bool busyCursor_ = false;   // the hourglass of a running update is up
    bool closing_ = false;
    bool shownOnce_ = false;
};
