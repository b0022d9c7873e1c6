#include "Forms/TForm1.h"
#include "Defs.h"
#include "Forms/Placement.h"
#include "Forms/THelpWindow.h"
#include "Forms/TQuickReportViewer.h"
#include "Forms/Tdateform.h"
#include "Forms/common/DialogKit.h"
#include "Forms/common/Labels.h"
#include "Forms/main/AccountCommands.h"
#include "Forms/main/LanguageCommands.h"
#include "Forms/main/CommissionBar.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/DropCommands.h"
#include "Forms/main/EditorCommands.h"
#include "Forms/main/ExchangeCommands.h"
#include "Forms/main/KeypadPanel.h"
#include "Forms/main/LogCommands.h"
#include "Forms/main/MainContext.h"
#include "Forms/main/PrintCommands.h"
#include "Forms/main/TabCommands.h"
#include "Forms/main/UpdateCommands.h"
#include "calc/CounterSession.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Defs::kAppTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    openUrl_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    auto* central = named(new QWidget(this), QStringLiteral("Form1Client"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    panes_ = new CurrencyPanes(central);
    column->addWidget(panes_);
    commissionBar_ = new CommissionBar(central);
    column->addWidget(commissionBar_);
    auto* main = new QHBoxLayout();
    main->setContentsMargins(2, 2, 2, 2);
    main->setSpacing(3);
    keypad_ = new KeypadPanel(central);
    main->addWidget(keypad_, 0, Qt::AlignTop);
    tabs_ = new CurrencyTabs(central);
    main->addWidget(tabs_, 1);
    column->addLayout(main, 1);
    setCentralWidget(central);
    buildStatusBar();
    commands_ = std::make_unique<CommandSet>(this);
    bindWindowCommands();
    buildMenus();
    buildPopups();

    qApp->installEventFilter(this);
    // Every other window reaches the help through the kit.
    setHelpOpener([this](const QString& topic) { ShowHelpTopic(topic); });

    // A start that cannot complete is shown, and the window closes again.
    if (!trapped(QString(), [this] { construct(); }))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    setHelpOpener({});
    if (busyCursor_)
        QApplication::restoreOverrideCursor();
}

// The start-up steps, in their order.
void TForm1::construct()
{
    // 1. Calculator state, writing to the log: the counter's session.
    session_ = std::make_unique<CounterSession>();
    connect(&session_->state(), &MainState::changed, this, &TForm1::Render);
    connectKeypad();
    context_ = std::make_unique<MainContext>(
        MainContext{*this, *commands_, *session_, *panes_, *commissionBar_, *keypad_, *tabs_});
    exchange_ = std::make_unique<ExchangeCommands>(*context_);
    log_ = std::make_unique<LogCommands>(*context_);
    // 2. The button assignments start empty; the settings fill them.
    tabUnit_ = std::make_unique<TabCommands>(*context_);
    drops_ = std::make_unique<DropCommands>(*context_, *tabUnit_);
    editor_ = std::make_unique<EditorCommands>(*context_, *tabUnit_, *drops_);
    // 3. The report object and the printer.
    printing_ = std::make_unique<PrintCommands>(*context_);
    // 4. The transaction log: created with the calculator.
    // 5. The commission bar starts hidden: the window is shorter by its height.
    commissionBar_->hide();
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight - CommissionBar::kHeight);
    // 6. The print accounting dialog's command names what it will do.
    accounts_ = std::make_unique<AccountCommands>(*context_, *printing_);
    language_ = std::make_unique<LanguageCommands>(*context_);
    // 7 to 13. The session clears the calculator, loads the currency data and the settings
    // (each tab is shown as the layout is loaded), dates the status bar, empties the log and
    // keeps the data it started with for a rollback.
    session_->start([this](int tab) {
        tabs_->selectTab(tab);
        return tabUnit_->LoadTabButtons(tab);
    });
    tabUnit_->showTabNames();
    update_ = std::make_unique<UpdateCommands>(*context_);
    centreOnScreen();
}

void TForm1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        centreWindowOn(*this, screen->availableGeometry().center());
}

void TForm1::showEvent(QShowEvent* event)
{
    // The frame is known once the window system has the window: centre the whole window,
    // title and borders included, not only its client area.
    if (!shownOnce_) {
        shownOnce_ = true;
        centreOnScreen();
    }
    QMainWindow::showEvent(event);
}

void TForm1::buildStatusBar()
{
    auto* bar = named(new QStatusBar(this), QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[3] = {178, 180, 0};
    for (int i = 0; i < 3; ++i) {
        auto* panel = named(new ElidedLabel(bar), QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(3, 0, 3, 0);
        if (widths[i] > 0)
            panel->setFixedWidth(widths[i]);
        bar->addWidget(panel, widths[i] > 0 ? 0 : 1);
        statusPanels_[i] = panel;
    }
    setStatusBar(bar);
}

bool TForm1::event(QEvent* event)
{
    // A menu item's hint would replace the three status panels, the date included: the
    // panels keep what they say, and the hint stays in the item's tool tip.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void TForm1::Render()
{
    const MainState& state = session_->state();
    keypad_->render(state);
    panes_->render(state);
    commissionBar_->render(state);
    renderCommissionBar(state.commissionBarShown);
    for (int i = 0; i < 3; ++i)
        statusPanels_[i]->setFullText(state.panel[i]);
    statusPanels_[1]->setHint(state.panel1Hint);
    renderBusy(state.busy);
}

// The window grows and shrinks by the bar's height, so the keypad and the currency buttons
// keep their size. Until the first toggle the menu item keeps its designed caption.
void TForm1::renderCommissionBar(bool shown)
{
    if (commissionBar_->isHidden() != shown)
        return;
    commissionBar_->setVisible(shown);
    setFixedSize(width(), height() + (shown ? CommissionBar::kHeight : -CommissionBar::kHeight));
    command(Command::CommissionToolbar)->setText(CurrencyPanes::hideText(shown));
}

// One hourglass per update, taken back on every way out of it.
void TForm1::renderBusy(bool busy)
{
    if (busy == busyCursor_)
        return;
    busyCursor_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Key preview: every character typed in this window reaches FormKeyPress first, then
    // goes on to the control that has the focus. A key travels up the parents, so it is
    // taken only at its first receiver. While a box the key brought up has the keys, that
    // is still this window's own focus control.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        QWidget* first = QApplication::focusWidget();
        if (!first || first->window() != this)
            first = focusWidget();
        if (!first)
            first = this;
        if (w == first && w->window() == this) {
            // Alt with a letter is a menu key, not a typed character: Alt+C must not clear.
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (session_ && text.size() == 1 && !(key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
                session_->calculator().FormKeyPress(text.at(0));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::connectKeypad()
{
    Calculator* calc = &session_->calculator();
    connect(keypad_, &KeypadPanel::digitPressed, calc, &Calculator::OnNumeric);
    connect(keypad_, &KeypadPanel::decimalPressed, calc, &Calculator::OnDecimal);
    connect(keypad_, &KeypadPanel::operatorPressed, calc, &Calculator::OnCalcButton);
    connect(keypad_, &KeypadPanel::equalsPressed, calc, &Calculator::OnEquals);
    connect(keypad_, &KeypadPanel::plusMinusPressed, calc, &Calculator::plusminusClick);
    connect(keypad_, &KeypadPanel::clearPressed, calc, &Calculator::OnCancel);
}

void TForm1::bindWindowCommands()
{
    const std::pair<Command, void (TForm1::*)()> own[] = {
        {Command::Exit, &TForm1::Exit1Click},
        {Command::HelpIndex, &TForm1::HelpIndex1Click},
        {Command::About, &TForm1::WebSite1Click},
        {Command::DownloadLatestVersion, &TForm1::Downloadlatestversion1Click},
        {Command::Support, &TForm1::ActionSupportExecute},
        {Command::DateCurrencyFormat, &TForm1::DateFormat1Click},
    };
    for (const auto& [c, handler] : own)
        commands_->bind(c, [this, handler = handler] { (this->*handler)(); });
    panes_->setUpdateCommand(command(Command::Update));
}

void TForm1::Exit1Click() { close(); }

void TForm1::ShowHelpTopic(const QString& topic)
{
    trapped(QString(), [&] {
        if (!HelpWindow)
            HelpWindow = new THelpWindow(this);
        HelpWindow->showTopic(topic);
    });
}

void TForm1::HelpIndex1Click() { ShowHelpTopic(QStringLiteral("CALCHELP")); }

void TForm1::openWebPage(const QString& path)
{
    const QUrl url(QStringLiteral("http://") + Defs::kMakerWebHost + path);
    if (!openUrl_ || !openUrl_(url))
        messenger().messageBox(tr("Error: Unable to Execute Browser Launch"));
}

void TForm1::WebSite1Click() { openWebPage(QStringLiteral("/")); }
void TForm1::Downloadlatestversion1Click() { openWebPage(Defs::kDownloadPath); }
void TForm1::ActionSupportExecute() { openWebPage(Defs::kSupportPath); }

void TForm1::DateFormat1Click()
{
    VemoxDialog::run<Tdateform>(this);
    // Whatever the dialog's result: Cancel applies the stored choices again.
    Calculator& calc = session_->calculator();
    const QChar decimal = FormatSettings::current().decimalSeparator;
    session_->settings().reapplyFormats(calc.Today());
    // A number being typed goes on in the new punctuation, so it still reads as a number.
    calc.DisplayText.replace(decimal, FormatSettings::current().decimalSeparator);
    session_->state().announce();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    // An update still waiting is abandoned: it changes nothing.
    if (session_)
        session_->abortUpdate();
    if (trapped(QString(), [this] {
            if (session_)
                session_->saveSettings();
        }))
        CloseSteps << QStringLiteral("SaveSettings");
    hide();
    CloseSteps << QStringLiteral("Hide");
    if (log_)
        log_->closeWindow();
    if (HelpWindow)
        delete HelpWindow.data();
    if (drops_)
        drops_->CloseCountrySelector();
    // An open print preview ends with the program; its command then destroys it.
    for (TQuickReportViewer* viewer : findChildren<TQuickReportViewer*>(Qt::FindDirectChildrenOnly))
        viewer->close();
    CloseSteps << QStringLiteral("CloseWindows");
    if (session_)
        session_->clear();
    CloseSteps << QStringLiteral("ClearTable");
    event->accept();
}
