#pragma once
// The main window: the keypad and display, the two currency panes, the commission bar,
// the nine tabs of currency buttons, the menus and the status bar. It owns the long-lived
// objects of a run and renders the core's MainState; the logic lives in the core.
#include "calc/Calculator.h"
#include "calc/MainState.h"
#include "calc/TransactionLog.h"
#include "data/CurrencyTable.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabBar;
class QToolBar;
class QToolButton;
class QFrame;
class TTransLog;
class THelpWindow;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Owned state of the run.
    MainState State;
    std::unique_ptr<::TransactionLog> TransactionLog;
    CurrencyTable Currencies;
    std::unique_ptr<QStringList> ButtonAssignments;   // 144 slots, tab * 16 + slot - 1
    ::CommissionTable CommissionTable;               // the charges of a conversion
    std::unique_ptr<Calculator> Calc;                // the keypad, display and arithmetic

    // Layout heights.
    static constexpr int kClientWidth = 550;
    static constexpr int kClientHeight = 286;
    static constexpr int kCommissionBarHeight = 23;
    static constexpr int kTopBarHeight = 29;

    // Controls, under their names (each also carries it as objectName).
    QFrame *Panel9 = nullptr, *Panel2 = nullptr, *Panel3 = nullptr, *Panel5 = nullptr;
    QLabel *homeImage = nullptr, *homecountry = nullptr, *R = nullptr;
    QLabel *localimage = nullptr, *localcountry = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QToolButton *UpdateTool = nullptr, *Hide = nullptr;
    QFrame* CommissionBar = nullptr;
    QRadioButton *Rcash = nullptr, *Rcreditcard = nullptr, *Rtc = nullptr;
    QRadioButton *Rbuy = nullptr, *Rsell = nullptr, *Rbase = nullptr;
    QCheckBox* Rcommission = nullptr;
    QLabel *calcdisplay = nullptr, *displaycurrency = nullptr;
    std::array<QToolButton*, 10> keyDigits{};        // key0 .. key9
    QToolButton *keydecimal = nullptr, *keyequals = nullptr, *keyplus = nullptr, *keyminus = nullptr;
    QToolButton *keytimes = nullptr, *keydivide = nullptr, *plusminus = nullptr, *keyclear = nullptr;
    QToolButton *rmode = nullptr, *QuickPrint = nullptr;
    QTabBar* TabControl1 = nullptr;
    std::array<QPushButton*, 16> Buttons{};          // Button1 .. Button16
    std::array<QLabel*, 16> Images{};                // Image1 .. Image16
    QLabel *isodata = nullptr, *localiso = nullptr, *homecurrency = nullptr, *localcurrency = nullptr;
    std::array<QLabel*, 3> StatusPanels{};           // StatusBar1's panels 0..2
    QMenu *PopupMenu1 = nullptr, *LoadCountryDefaults = nullptr;

    // Actions of the action list, by name.
    QAction* action(const QString& name) const;
    QList<QAction*> Actions() const { return actions_; }
    QAction* ShowPrintAccountingDialog = nullptr;
    QAction* CommissionToobar = nullptr;

    // Windows of the run that the close sequence closes.
    QPointer<TTransLog> TransLog;
    QPointer<THelpWindow> HelpWindow;

    // Commands of this window.
    void Exit1Click();
    void HelpIndex1Click();
    void ShowHelpTopic(const QString& topic);
    void WebSite1Click();
    void Downloadlatestversion1Click();
    void ActionSupportExecute();
    void TransactionLog1Click();
    void SaveTransactionLog1Click();
    void AppendLine(const QString& line) { TransactionLog->AppendLine(line); }

    // Opens an address in the browser; replaceable so tests never start one.
    std::function<bool(const QUrl&)> openUrl;

    // Renders the core's state into the controls.
    void Render();

    // Steps of the close sequence that ran, for the record of a run.
    QStringList CloseSteps;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar(QWidget* parent);
    void buildCommissionBar(QWidget* parent);
    void buildKeypad(QWidget* parent);
    void buildTabs(QWidget* parent);
    void buildStatusBar();
    void buildActions();
    void buildMenus();
    void connectKeypad();
    QAction* makeAction(const QString& name, const QString& caption, const QString& shortcut,
                        const QString& hint);
    void openWebPage(const QString& path);
    void FormKeyPress(QChar key);
    void SaveSettings();
    void construct();
    void centreOnScreen();
    bool closing_ = false;
    bool shownOnce_ = false;
    QList<QAction*> actions_;
};

// The program-wide pointer to the main window.
extern TForm1* Form1;
