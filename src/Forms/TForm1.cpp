#include "Forms/TForm1.h"
#include "Forms/Placement.h"
#include "Defs.h"
#include "Forms/THelpWindow.h"
#include "Forms/TTransLog.h"
#include "data/CurrencyLoader.h"
#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

TForm1* Form1 = nullptr;

namespace {

template <typename W>
W* named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

// A keypad glyph: the key's symbol, drawn large and clear.
QIcon printerGlyph()
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 2, 10, 7));       // paper in
    p.setBrush(QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));   // paper out
    p.setPen(QColor(90, 90, 90));
    p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
    p.drawLine(QPointF(8.5, 19), QPointF(13.5, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 60));
    p.drawEllipse(QPointF(18.5, 11), 1.2, 1.2);
    return QIcon(pm);
}

QIcon updateGlyph()
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 90, 170), 1.4));
    p.setBrush(QColor(170, 210, 250));
    p.drawEllipse(QRectF(2, 2, 16, 16));
    p.drawLine(QPointF(2, 10), QPointF(18, 10));
    p.drawEllipse(QRectF(6.5, 2, 7, 16));
    p.drawLine(QPointF(4, 5.5), QPointF(16, 5.5));
    p.drawLine(QPointF(4, 14.5), QPointF(16, 14.5));
    return QIcon(pm);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Defs::kAppTitle);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    auto* central = named(new QWidget(this), QStringLiteral("Form1Client"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildTopBar(central);
    column->addWidget(Panel9);
    buildCommissionBar(central);
    column->addWidget(CommissionBar);
    auto* main = new QHBoxLayout();
    main->setContentsMargins(2, 2, 2, 2);
    main->setSpacing(3);
    buildKeypad(central);
    main->addWidget(Panel5, 0, Qt::AlignTop);
    buildTabs(central);
    column->addLayout(main, 1);
    main->addWidget(TabControl1->parentWidget(), 1);
    setCentralWidget(central);
    buildStatusBar();
    buildActions();
    buildMenus();

    connect(&State, &MainState::changed, this, &TForm1::Render);
    qApp->installEventFilter(this);

    try {
        construct();
    } catch (const VemoxError& e) {
        // A start that cannot complete is shown, and the window closes again.
        messenger().errorBox(e.message());
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    if (Form1 == this)
        Form1 = nullptr;
}

// The start-up steps, in their order.
void TForm1::construct()
{
    // 1. Calculator state, writing to the log (created first, so the calculator has it).
    TransactionLog = std::make_unique<::TransactionLog>();
    Calc = std::make_unique<Calculator>(State, *TransactionLog, CommissionTable);
    connectKeypad();
    // 2. The button assignments: 9 tabs of 16 empty slots.
    ButtonAssignments = std::make_unique<QStringList>();
    for (int i = 0; i < 9 * 16; ++i)
        ButtonAssignments->append(QString());
    // 3. The report object arrives with the receipts.
    // 4. The transaction log: created with the calculator.
    // 5. The commission bar starts hidden: the window is shorter by its height.
    CommissionBar->hide();
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight - kCommissionBarHeight);
    // 6. The print accounting dialog's command names what it will do.
    bool showDialog = false;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValPrintAccountingDialog, showDialog, KEY_READ);
    ShowPrintAccountingDialog->setText(showDialog ? QStringLiteral("Hide Print Accounting Dialog")
                                                  : QStringLiteral("Show Print Accounting Dialog"));
    // 7. Clear the calculator.
    Calc->OnCancel();
    // 8. Load the currency data; the loader has told the operator what went wrong.
    if (!LoadCurrencyData(Currencies))
        State.panel[2] = QStringLiteral("No currency data. Upload from the Web.");
    // 9. Today's date.
    State.panel[0] = QStringLiteral("Todays date: ") + Formats::dateToStr(QDate::currentDate());
    // 10. The settings: the last update.
    QDateTime lastUpdate;
    if (ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValLastUpdate, lastUpdate, KEY_READ) &&
        lastUpdate.isValid())
        State.panel[1] = QStringLiteral("Last update: ") + Formats::dateToStr(lastUpdate.date());
    else
        State.panel[1] = QStringLiteral("Awaiting update!");
    // 11. The log starts empty.
    TransactionLog->Clear();
    // 12. After the currency editor has been used, updates from the web stay off.
    bool editorUsed = false;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValCurrencyEditorUsed, editorUsed, KEY_READ);
    UpdateTool->setEnabled(!editorUsed);
    // 13. The data the program started with is what a rollback returns to.
    DataFiles::copyLines(Defs::kCurrencyFile, Defs::kRollbackFile);

    centreOnScreen();
    State.announce();
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

void TForm1::buildTopBar(QWidget* parent)
{
    Panel9 = named(new QFrame(parent), QStringLiteral("Panel9"));
    Panel9->setFixedHeight(kTopBarHeight);
    Panel9->setFrameShape(QFrame::StyledPanel);
    Panel9->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(Panel9);
    row->setContentsMargins(3, 2, 3, 2);
    row->setSpacing(4);

    auto pane = [&](const QString& name, QLabel*& image, const QString& imageName, QLabel*& country,
                    const QString& countryName, const QString& hint) {
        auto* frame = named(new QFrame(Panel9), name);
        frame->setFrameShape(QFrame::Panel);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setToolTip(hint);
        auto* l = new QHBoxLayout(frame);
        l->setContentsMargins(2, 1, 2, 1);
        l->setSpacing(4);
        image = named(new QLabel(frame), imageName);
        image->setFixedSize(35, 20);
        country = named(new QLabel(frame), countryName);
        country->setToolTip(hint);
        country->setMinimumWidth(90);
        l->addWidget(image);
        l->addWidget(country, 1);
        row->addWidget(frame, 1);
        return frame;
    };
    Panel2 = pane(QStringLiteral("Panel2"), homeImage, QStringLiteral("homeImage"), homecountry,
                  QStringLiteral("homecountry"), QStringLiteral("Local exchange panel"));
    R = named(new QLabel(QStringLiteral("R"), Panel9), QStringLiteral("R"));
    QFont bold = R->font();
    bold.setBold(true);
    R->setFont(bold);
    R->setToolTip(QStringLiteral("Reverse Mode"));
    row->addWidget(R);
    Panel3 = pane(QStringLiteral("Panel3"), localimage, QStringLiteral("localimage"), localcountry,
                  QStringLiteral("localcountry"), QStringLiteral("Foreign exchange panel"));

    ToolBar2 = named(new QToolBar(Panel9), QStringLiteral("ToolBar2"));
    ToolBar2->setIconSize(QSize(18, 18));
    ToolBar2->setMovable(false);
    auto* updateLabel = named(new QLabel(QStringLiteral("Update Currencies"), ToolBar2), QStringLiteral("UpdateLabel"));
    updateLabel->setFont(bold);
    ToolBar2->addWidget(updateLabel);
    UpdateTool = named(new QToolButton(ToolBar2), QStringLiteral("UpdateTool"));
    UpdateTool->setAutoRaise(true);
    UpdateTool->setFocusPolicy(Qt::NoFocus);
    ToolBar2->addWidget(UpdateTool);
    row->addWidget(ToolBar2);

    Hide = named(new QToolButton(Panel9), QStringLiteral("Hide"));
    Hide->setCheckable(true);
    Hide->setAutoRaise(true);
    Hide->setArrowType(Qt::DownArrow);
    Hide->setFocusPolicy(Qt::NoFocus);
    Hide->setToolTip(QStringLiteral("Show Commision Toobar"));
    row->addWidget(Hide);
}

void TForm1::buildCommissionBar(QWidget* parent)
{
    CommissionBar = named(new QFrame(parent), QStringLiteral("CommissionBar"));
    CommissionBar->setFixedHeight(kCommissionBarHeight);
    CommissionBar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(CommissionBar);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(8);
    auto radio = [&](const QString& name, const QString& caption, QButtonGroup* group) {
        auto* b = named(new QRadioButton(caption, CommissionBar), name);
        group->addButton(b);
        row->addWidget(b);
        return b;
    };
    auto* payment = new QButtonGroup(CommissionBar);
    Rcash = radio(QStringLiteral("Rcash"), QStringLiteral("Cash"), payment);
    Rcreditcard = radio(QStringLiteral("Rcreditcard"), QStringLiteral("Credit Card"), payment);
    Rtc = radio(QStringLiteral("Rtc"), QStringLiteral("Traveller's Cheques"), payment);
    auto* sep = new QFrame(CommissionBar);
    sep->setFrameShape(QFrame::VLine);
    row->addWidget(sep);
    auto* kind = new QButtonGroup(CommissionBar);
    Rbuy = radio(QStringLiteral("Rbuy"), QStringLiteral("Buy"), kind);
    Rsell = radio(QStringLiteral("Rsell"), QStringLiteral("Sell"), kind);
    Rbase = radio(QStringLiteral("Rbase"), QStringLiteral("Base"), kind);
    Rcommission = named(new QCheckBox(QStringLiteral("Commission"), CommissionBar), QStringLiteral("Rcommission"));
    row->addWidget(Rcommission);
    row->addStretch(1);
    Rcash->setChecked(true);
    Rbase->setChecked(true);
}

void TForm1::buildKeypad(QWidget* parent)
{
    Panel5 = named(new QFrame(parent), QStringLiteral("Panel5"));
    Panel5->setFrameShape(QFrame::StyledPanel);
    Panel5->setFrameShadow(QFrame::Raised);
    auto* col = new QVBoxLayout(Panel5);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(3);

    auto* displayRow = new QHBoxLayout();
    displayRow->setSpacing(3);
    calcdisplay = named(new QLabel(QStringLiteral("0"), Panel5), QStringLiteral("calcdisplay"));
    calcdisplay->setFixedSize(140, 18);
    calcdisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    calcdisplay->setFrameShape(QFrame::Box);
    calcdisplay->setAutoFillBackground(true);
    QPalette pal = calcdisplay->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    calcdisplay->setPalette(pal);
    QFont df = calcdisplay->font();
    df.setBold(true);
    calcdisplay->setFont(df);
    displaycurrency = named(new QLabel(QStringLiteral("GBP"), Panel5), QStringLiteral("displaycurrency"));
    displaycurrency->setFixedWidth(30);
    displayRow->addWidget(calcdisplay);
    displayRow->addWidget(displaycurrency);
    col->addLayout(displayRow);

    auto* grid = new QGridLayout();
    grid->setSpacing(1);
    auto key = [&](const QString& name, const QString& glyph, const QString& hint, int r, int c) {
        auto* cell = named(new QFrame(Panel5), name + QStringLiteral("Panel"));
        cell->setFrameShape(QFrame::Panel);
        cell->setFrameShadow(QFrame::Raised);
        cell->setFixedSize(36, 36);
        auto* b = named(new QToolButton(cell), name);
        b->setGeometry(1, 1, 34, 34);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);   // Enter must never press a focused key
        b->setText(glyph);
        b->setToolTip(hint);
        QFont f = b->font();
        f.setPointSizeF(f.pointSizeF() + 3);
        f.setBold(true);
        b->setFont(f);
        grid->addWidget(cell, r, c);
        return b;
    };
    for (int d = 1; d <= 9; ++d) {
        const int r = (d - 1) / 3;   // 1 2 3 on top, 7 8 9 above the 0 row
        keyDigits[d] = key(QStringLiteral("key%1").arg(d), QString::number(d), QString::number(d), r, (d - 1) % 3);
    }
    keyDigits[0] = key(QStringLiteral("key0"), QStringLiteral("0"), QStringLiteral("0"), 3, 0);
    keydecimal = key(QStringLiteral("keydecimal"), QStringLiteral("."), QStringLiteral("."), 3, 1);
    keyequals = key(QStringLiteral("keyequals"), QStringLiteral("="), QStringLiteral("="), 3, 2);
    keyplus = key(QStringLiteral("keyplus"), QStringLiteral("+"), QStringLiteral("+"), 0, 3);
    keyminus = key(QStringLiteral("keyminus"), QStringLiteral("\u2212"), QStringLiteral("-"), 1, 3);
    keytimes = key(QStringLiteral("keytimes"), QStringLiteral("\u00d7"), QStringLiteral("x"), 2, 3);
    keydivide = key(QStringLiteral("keydivide"), QStringLiteral("\u00f7"), QStringLiteral("/"), 3, 3);
    plusminus = key(QStringLiteral("plusminus"), QStringLiteral("\u00b1"), QStringLiteral("0"), 4, 3);
    rmode = key(QStringLiteral("rmode"), QStringLiteral("\u21c4"), QStringLiteral("Reverse Mode"), 4, 0);
    QuickPrint = key(QStringLiteral("QuickPrint"), QString(), QStringLiteral("Quick Print"), 4, 1);
    QuickPrint->setIcon(printerGlyph());
    QuickPrint->setIconSize(QSize(24, 24));
    keyclear = key(QStringLiteral("keyclear"), QStringLiteral("C"), QStringLiteral("Clear"), 4, 2);
    QPalette red = keyclear->palette();
    red.setColor(QPalette::ButtonText, QColor(170, 0, 0));
    keyclear->setPalette(red);
    col->addLayout(grid);
    col->addStretch(1);
}

void TForm1::buildTabs(QWidget* parent)
{
    auto* area = named(new QWidget(parent), QStringLiteral("TabArea"));
    auto* col = new QVBoxLayout(area);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    TabControl1 = named(new QTabBar(area), QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    TabControl1->setDrawBase(true);
    TabControl1->setFocusPolicy(Qt::NoFocus);
    for (int i = 1; i <= 9; ++i)
        TabControl1->addTab(QString::number(i));
    TabControl1->setCurrentIndex(0);
    col->addWidget(TabControl1);

    auto* page = named(new QFrame(area), QStringLiteral("TabPage"));
    page->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 3, 4, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < 16; ++i) {
        Images[i] = named(new QLabel(page), QStringLiteral("Image%1").arg(i + 1));
        Images[i]->setFixedSize(35, 20);
        Images[i]->setProperty("tag", i + 1);
        Buttons[i] = named(new QPushButton(page), QStringLiteral("Button%1").arg(i + 1));
        Buttons[i]->setProperty("tag", i + 1);
        Buttons[i]->setFixedHeight(22);
        Buttons[i]->setFocusPolicy(Qt::NoFocus);
        const int r = i % 8, c = (i / 8) * 2;
        grid->addWidget(Images[i], r, c);
        grid->addWidget(Buttons[i], r, c + 1);
    }
    col->addWidget(page, 1);

    // The hidden labels that carry the panes' currency names and codes.
    isodata = named(new QLabel(area), QStringLiteral("isodata"));
    localiso = named(new QLabel(area), QStringLiteral("localiso"));
    homecurrency = named(new QLabel(area), QStringLiteral("homecurrency"));
    localcurrency = named(new QLabel(area), QStringLiteral("localcurrency"));
    for (QLabel* l : {isodata, localiso, homecurrency, localcurrency})
        l->hide();
}

void TForm1::buildStatusBar()
{
    auto* bar = named(new QStatusBar(this), QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[3] = {178, 180, 0};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = named(new QLabel(bar), QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels[i]->setFrameShape(QFrame::Panel);
        StatusPanels[i]->setFrameShadow(QFrame::Sunken);
        StatusPanels[i]->setContentsMargins(3, 0, 3, 0);
        if (widths[i] > 0)
            StatusPanels[i]->setFixedWidth(widths[i]);
        bar->addWidget(StatusPanels[i], widths[i] > 0 ? 0 : 1);
    }
    setStatusBar(bar);
}

QAction* TForm1::makeAction(const QString& name, const QString& caption, const QString& shortcut,
                            const QString& hint)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut, QKeySequence::PortableText));
    a->setToolTip(hint.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : hint);
    a->setStatusTip(a->toolTip());
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    actions_ << a;
    return a;
}

QAction* TForm1::action(const QString& name) const
{
    for (QAction* a : actions_)
        if (a->objectName() == name)
            return a;
    return nullptr;
}

void TForm1::buildActions()
{
    struct Def { const char *name, *caption, *shortcut, *hint; };
    static const Def defs[] = {
        {"ActionSaveTransactionLog", "Save &Transaction Log...", "Ctrl+T", "Save Transaction Log As..."},
        {"ActionPreviewCustomerReceipt", "Preview &Customer Receipt", "Ctrl+N", "Preview Customer Receipt"},
        {"ActionPreviewTransactionLog", "Preview Transaction &Log", "Ctrl+Alt+H", "Preview Transaction Log"},
        {"ActionPrintCustomerReceipt", "Print Customer Receipt", "Ctrl+P", "Print Customer Receipt"},
        {"ActionPrintTransactionLog", "Print T&ransaction Log", "Ctrl+R", "Print Transaction Log"},
        {"ActionPrintHeaderOptions", "Print &Header Options", "Ctrl+H", "Print Header Options"},
        {"ActionPrinterSetup", "Printer Setup", "F12", "Printer Setup"},
        {"ActionExit", "E&xit", "Ctrl+Q", "Exit"},
        {"ActionViewTransactionLog", "View &Transaction Log", "Ctrl+V", "Show Transaction Log"},
        {"ActionCountryDragList", "Count&ry List", "Ctrl+D", "Show Country Drag/Drop List"},
        {"ActionChangeFolderName", "&Folder Name", "Ctrl+F", "Change Folder Name"},
        {"ActionClearSelectedFolders", "Clear &Selected Folders", "F8", "Clear Selected Folders"},
        {"ActionClearAllFolders", "Clear &All Folders", "F9", "Clear All Folders"},
        {"ActionLoadDefaultFolders", "&Load Default Folders", "F10", "Load Default Folders"},
        {"ActionDateCurrencyFormat", "&Date Currency Format", "Ctrl+W", "Edit Date Currency Format"},
        {"ActionSetAccountingExportFile", "Set Accounting &ExportFile", "", "Set Accounting Export File"},
        {"ActionRollback", "&Rollback", "Ctrl+B", "Rollback"},
        {"ActionCurrencyEditor", "Currency &Editor", "F4", "Currency Editor"},
        {"ActionCommissionEditor", "C&ommissionEditor", "F5", "Commission Editor"},
        {"ActionFireWallAccessSetup", "&Firewall Setup", "Ctrl+J", "Firewall Setup"},
        {"ActionhelpIndex", "&Help Index", "F3", "Help Index"},
        {"ActionDownloadLatestVersion", "&Download Latest Version", "Ctrl+M", "Download Latest Version"},
        {"ActionAfica", "&Afica", "", "Load Africa"},
        {"ActionAmerica", "A&merica", "", "Load America"},
        {"ActionAsia", "A&sia", "", "Load Asia"},
        {"ActionCaribbean", "&Caribbean", "", "Load Caribbean"},
        {"ActionEurope", "&Europe", "", "Load Europe"},
        {"ActionMiddleEast", "&MiddleEast", "", "Load Middle East"},
        {"ActionOceania", "&Oceania", "", "Load Oceania"},
        {"ActionDeleteButton", "Delete Country", "", "Delete Country"},
        {"ActionUpdate", "", "F2", "Update from the Web"},
        {"ActionSupport", "Support", "Shift+Ctrl+F10", "Support"},
        {"ActionAbout", "About &ZYMTechnology", "F1", "About ZYMTechnology"},
    };
    for (const Def& d : defs)
        makeAction(QString::fromLatin1(d.name), QString::fromLatin1(d.caption), QString::fromLatin1(d.shortcut),
                   QString::fromLatin1(d.hint));
    int tag = 1;
    for (const char* region : {"ActionAfica", "ActionAmerica", "ActionAsia", "ActionCaribbean", "ActionEurope",
                               "ActionMiddleEast", "ActionOceania"})
        action(QString::fromLatin1(region))->setData(tag++);

    QAction* update = action(QStringLiteral("ActionUpdate"));
    update->setIcon(updateGlyph());
    UpdateTool->setDefaultAction(update);
    UpdateTool->setToolTip(QStringLiteral("Update from the Web"));

    connect(action(QStringLiteral("ActionExit")), &QAction::triggered, this, &TForm1::Exit1Click);
    connect(action(QStringLiteral("ActionhelpIndex")), &QAction::triggered, this, &TForm1::HelpIndex1Click);
    connect(action(QStringLiteral("ActionAbout")), &QAction::triggered, this, &TForm1::WebSite1Click);
    connect(action(QStringLiteral("ActionDownloadLatestVersion")), &QAction::triggered, this,
            &TForm1::Downloadlatestversion1Click);
    connect(action(QStringLiteral("ActionSupport")), &QAction::triggered, this, &TForm1::ActionSupportExecute);
    connect(action(QStringLiteral("ActionViewTransactionLog")), &QAction::triggered, this, &TForm1::TransactionLog1Click);
    connect(action(QStringLiteral("ActionSaveTransactionLog")), &QAction::triggered, this,
            &TForm1::SaveTransactionLog1Click);
}

void TForm1::buildMenus()
{
    auto a = [this](const char* name) { return action(QString::fromLatin1(name)); };
    // A menu item that runs an action under a name of its own, as the menus list them.
    auto item = [this](QMenu* menu, const QString& name, QAction* act, int tag = 0) {
        auto* it = menu->addAction(act->icon(), act->text());
        it->setObjectName(name);
        it->setShortcut(act->shortcut());
        it->setShortcutContext(Qt::WidgetShortcut);   // the action itself owns the key
        it->setToolTip(act->toolTip());
        it->setStatusTip(act->toolTip());
        if (tag)
            it->setData(tag);
        // An item is usable exactly when its command is; its caption may differ (step 6).
        it->setEnabled(act->isEnabled());
        connect(act, &QAction::changed, it, [it, act] { it->setEnabled(act->isEnabled()); });
        connect(it, &QAction::triggered, act, &QAction::trigger);
        return it;
    };
    auto regions = [&](QMenu* sub) {
        const char* names[] = {"ActionAfica", "ActionAmerica", "ActionAsia", "ActionCaribbean",
                               "ActionEurope", "ActionMiddleEast", "ActionOceania"};
        for (const char* n : names)
            sub->addAction(a(n));
    };

    QMenuBar* mb = menuBar();
    mb->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = named(mb->addMenu(QStringLiteral("&File")), QStringLiteral("File1"));
    item(file, QStringLiteral("SaveTransactionLog1"), a("ActionSaveTransactionLog"));
    file->addSeparator();
    item(file, QStringLiteral("PreviewCustomerReceipt1"), a("ActionPreviewCustomerReceipt"), 101);
    item(file, QStringLiteral("ReceiptOptions1"), a("ActionPreviewTransactionLog"));
    file->addSeparator();
    item(file, QStringLiteral("PrintCustomerReceipt2"), a("ActionPrintCustomerReceipt"), 100);
    item(file, QStringLiteral("PrintTransactionLog2"), a("ActionPrintTransactionLog"), 102);
    file->addSeparator();
    item(file, QStringLiteral("PrintOptions2"), a("ActionPrintHeaderOptions"));
    item(file, QStringLiteral("PrinterSetup1"), a("ActionPrinterSetup"));
    file->addSeparator();
    item(file, QStringLiteral("Exit1"), a("ActionExit"));

    QMenu* view = named(mb->addMenu(QStringLiteral("&View")), QStringLiteral("View1"));
    item(view, QStringLiteral("TransactionLog1"), a("ActionViewTransactionLog"));

    QMenu* options = named(mb->addMenu(QStringLiteral("&Options")), QStringLiteral("Options1"));
    item(options, QStringLiteral("CountryDragList1"), a("ActionCountryDragList"));
    options->addSeparator();
    item(options, QStringLiteral("ChangeTabNames1"), a("ActionChangeFolderName"));
    QMenu* clear = named(options->addMenu(QStringLiteral("Cl&ear Folders")), QStringLiteral("ClearFolders1"));
    item(clear, QStringLiteral("ClearSingleSelectedTabPanel1"), a("ActionClearSelectedFolders"));
    item(clear, QStringLiteral("ClearAllTabPanels1"), a("ActionClearAllFolders"));
    QMenu* defaults = named(options->addMenu(QStringLiteral("&Load Default Folders")), QStringLiteral("LoadDefaultFolders1"));
    regions(defaults);
    options->addSeparator();
    item(options, QStringLiteral("DateFormat1"), a("ActionDateCurrencyFormat"));
    options->addSeparator();
    item(options, QStringLiteral("SetAccountingExportFile1"), a("ActionSetAccountingExportFile"));
    options->addSeparator();
    item(options, QStringLiteral("RollBack1"), a("ActionRollback"));

    QMenu* tools = named(mb->addMenu(QStringLiteral("&Tools")), QStringLiteral("Tools1"));
    item(tools, QStringLiteral("CurrencyEditor1"), a("ActionCurrencyEditor"));
    item(tools, QStringLiteral("CurrencyFormat1"), a("ActionCommissionEditor"));
    item(tools, QStringLiteral("Proxy1"), a("ActionFireWallAccessSetup"));
    tools->addSeparator();
    CommissionToobar = named(tools->addAction(QStringLiteral("&Show Commission Toobar")), QStringLiteral("CommissionToobar"));
    ShowPrintAccountingDialog = named(tools->addAction(QStringLiteral("Show Print Accounting Dialog")),
                                      QStringLiteral("ShowPrintAccountingDialog"));

    // The Help menu's own F3 is only shown: F3 runs the Help Index.
    QMenu* help = named(mb->addMenu(QStringLiteral("&Help")), QStringLiteral("Help1"));
    help->menuAction()->setToolTip(QStringLiteral("F3"));
    item(help, QStringLiteral("HelpIndex1"), a("ActionhelpIndex"));
    help->addSeparator();
    item(help, QStringLiteral("WebSite1"), a("ActionAbout"));
    item(help, QStringLiteral("Downloadlatestversion1"), a("ActionDownloadLatestVersion"));
    help->addSeparator();
    item(help, QStringLiteral("Support1"), a("ActionSupport"));

    // The window's popup menu. Its Ctrl+R is only shown: Ctrl+R prints the transaction log.
    PopupMenu1 = named(new QMenu(this), QStringLiteral("PopupMenu1"));
    auto* drag = named(PopupMenu1->addAction(QStringLiteral("Country Drag &List\tCtrl+R")), QStringLiteral("CountryDragList2"));
    connect(drag, &QAction::triggered, a("ActionCountryDragList"), &QAction::trigger);
    PopupMenu1->addSeparator();
    auto* rename = named(PopupMenu1->addAction(QStringLiteral("C&hange Folder Name")), QStringLiteral("ChangeFolderName1"));
    connect(rename, &QAction::triggered, a("ActionChangeFolderName"), &QAction::trigger);
    QMenu* pclear = named(PopupMenu1->addMenu(QStringLiteral("Cl&ear")), QStringLiteral("Clear1"));
    connect(named(pclear->addAction(QStringLiteral("Clear Selected Folder")), QStringLiteral("ClearSelectedFolder1")),
            &QAction::triggered, a("ActionClearSelectedFolders"), &QAction::trigger);
    connect(named(pclear->addAction(QStringLiteral("Clear All Folders")), QStringLiteral("ClearAllFolders1")),
            &QAction::triggered, a("ActionClearAllFolders"), &QAction::trigger);
    QMenu* pload = named(PopupMenu1->addMenu(QStringLiteral("&Load Default Folders")), QStringLiteral("LoadDefaultFolders2"));
    const char* popupRegions[] = {"&Africa", "A&merica", "A&sia", "&Carribbean", "&Europe", "M&iddle East", "Oceania"};
    const char* regionActions[] = {"ActionAfica", "ActionAmerica", "ActionAsia", "ActionCaribbean",
                                   "ActionEurope", "ActionMiddleEast", "ActionOceania"};
    for (int i = 0; i < 7; ++i) {
        auto* it = pload->addAction(QString::fromLatin1(popupRegions[i]));
        it->setData(i + 1);
        connect(it, &QAction::triggered, a(regionActions[i]), &QAction::trigger);
    }

    // The popup of each currency button.
    LoadCountryDefaults = named(new QMenu(this), QStringLiteral("LoadCountryDefaults"));
    LoadCountryDefaults->addAction(a("ActionCountryDragList"));
    LoadCountryDefaults->addSeparator();
    LoadCountryDefaults->addAction(a("ActionChangeFolderName"));
    QMenu* bclear = LoadCountryDefaults->addMenu(QStringLiteral("Cl&ear Folders"));
    bclear->addAction(a("ActionClearSelectedFolders"));
    bclear->addAction(a("ActionClearAllFolders"));
    QMenu* bload = LoadCountryDefaults->addMenu(QStringLiteral("Load &Defaults"));
    regions(bload);
    LoadCountryDefaults->addAction(a("ActionDeleteButton"));
    LoadCountryDefaults->addSeparator();
    LoadCountryDefaults->addAction(a("ActionDateCurrencyFormat"));

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(mapToGlobal(p)); });
    for (QPushButton* b : Buttons) {
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QWidget::customContextMenuRequested, this,
                [this, b](const QPoint& p) { LoadCountryDefaults->popup(b->mapToGlobal(p)); });
    }
}

void TForm1::Render()
{
    calcdisplay->setText(State.display);
    displaycurrency->setText(State.displayCurrency);
    for (int i = 0; i < 3; ++i)
        StatusPanels[i]->setText(State.panel[i]);
    homecountry->setText(State.home.country);
    homecurrency->setText(State.home.currency);
    isodata->setText(State.home.iso);
    localcountry->setText(State.foreign.country);
    localcurrency->setText(State.foreign.currency);
    localiso->setText(State.foreign.iso);
    QPalette rp = R->palette();
    rp.setColor(QPalette::WindowText, State.reverseMode ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    R->setPalette(rp);
    const std::array<QToolButton*, kLockableKeys> keys = {
        keyDigits[1], keyDigits[2], keyDigits[3], keyDigits[4], keyDigits[5], keyDigits[6],
        keyDigits[7], keyDigits[8], keyDigits[9], keyDigits[0], keyplus, keyminus,
        keytimes, keydivide, keyequals, plusminus, keydecimal, rmode};
    for (int i = 0; i < kLockableKeys; ++i)
        keys[i]->setEnabled(State.enabled[i]);
    keydecimal->setText(FormatSettings::current().decimalSeparator);
    keydecimal->setToolTip(FormatSettings::current().decimalSeparator);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Key preview: every character typed in this window reaches FormKeyPress first, then
    // goes on to the control that has the focus. A key travels up the parents, so it is
    // taken only at its first receiver.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        QWidget* first = QApplication::focusWidget();
        if (!first || first->window() != this)
            first = this;
        if (w == first && w->window() == this) {
            // Alt with a letter is a menu key, not a typed character: Alt+C must not clear.
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            if (text.size() == 1 && !(key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
                FormKeyPress(text.at(0));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormKeyPress(QChar key)
{
    if (Calc)
        Calc->FormKeyPress(key);
}

void TForm1::connectKeypad()
{
    // The digit and decimal keys contribute their hint, as the keyboard map does.
    for (QToolButton* k : keyDigits)
        connect(k, &QToolButton::clicked, this, [this, k] { Calc->OnNumeric(k->toolTip()); });
    connect(keydecimal, &QToolButton::clicked, this, [this] { Calc->OnDecimal(keydecimal->toolTip()); });
    for (QToolButton* k : {keyplus, keyminus, keytimes, keydivide})
        connect(k, &QToolButton::clicked, this, [this, k] { Calc->OnCalcButton(k->toolTip()); });
    connect(keyequals, &QToolButton::clicked, this, [this] { Calc->OnEquals(); });
    connect(plusminus, &QToolButton::clicked, this, [this] { Calc->plusminusClick(); });
    connect(keyclear, &QToolButton::clicked, this, [this] { Calc->OnCancel(); });
}

void TForm1::Exit1Click() { close(); }

void TForm1::ShowHelpTopic(const QString& topic)
{
    try {
        if (!HelpWindow)
            HelpWindow = new THelpWindow(this);
        HelpWindow->showTopic(topic);
    } catch (const VemoxError& e) {
        messenger().errorBox(e.message());
    }
}

void TForm1::HelpIndex1Click() { ShowHelpTopic(QStringLiteral("CALCHELP")); }

void TForm1::openWebPage(const QString& path)
{
    const QUrl url(QStringLiteral("http://") + Defs::kMakerWebHost + path);
    if (!openUrl || !openUrl(url))
        messenger().messageBox(QStringLiteral("Error: Unable to Execute Browser Launch"));
}

void TForm1::WebSite1Click() { openWebPage(QStringLiteral("/")); }
void TForm1::Downloadlatestversion1Click() { openWebPage(Defs::kDownloadPath); }
void TForm1::ActionSupportExecute() { openWebPage(Defs::kSupportPath); }

void TForm1::TransactionLog1Click()
{
    if (TransLog)
        delete TransLog.data();
    TransLog = new TTransLog(*TransactionLog, this);
    TransLog->show();
}

void TForm1::SaveTransactionLog1Click()
{
    try {
        Messenger::FileDialog d;
        d.title = QStringLiteral("Save Transaction Log");
        d.filter = QStringLiteral("Transaction Log (*.tlg)");
        d.defaultSuffix = QStringLiteral("tlg");
        d.directory = QDir::currentPath();
        d.confirmOverwrite = true;
        const QString file = messenger().saveFileName(d);
        if (file.isEmpty())
            return;
        SaveTransactionLogFile(TransactionLog->Lines(), file);
    } catch (const VemoxError& e) {
        messenger().errorBox(e.message());
    }
}

void TForm1::SaveSettings()
{
    // The settings of the main window are stored by the settings unit as it is built up;
    // nothing of this window is stored yet.
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    try {
        SaveSettings();
        CloseSteps << QStringLiteral("SaveSettings");
    } catch (const VemoxError& e) {
        messenger().errorBox(e.message());
    }
    hide();
    CloseSteps << QStringLiteral("Hide");
    if (TransLog)
        delete TransLog.data();
    if (HelpWindow)
        delete HelpWindow.data();
    CloseSteps << QStringLiteral("CloseWindows");
    ButtonAssignments.reset();
    Currencies.ClearTable();
    CloseSteps << QStringLiteral("ClearTable");
    event->accept();
}
