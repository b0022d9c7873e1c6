// The main window offscreen: its controls, actions, menus, status bar and close sequence.
#include "Defs.h"
#include "Forms/THelpWindow.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "Forms/TTransLog.h"
#include "Forms/common/Labels.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Errors.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QCheckBox>
#include <QTextBrowser>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        work = testenv::freshWorkDir();
        QDir().mkpath(work + "/help");
        for (const QString& f : QDir(testenv::sourceDir() + "/share/help").entryList({"*.html"}))
            QFile::copy(testenv::sourceDir() + "/share/help/" + f, work + "/help/" + f);
        testenv::installSampleData();
        form = std::make_unique<TForm1>();
        form->setUrlOpener([this](const QUrl& u) { opened << u.toString(); return browserWorks; });
    }
    void TearDown() override
    {
        if (form)
            form->close();
        form.reset();
    }
    template <typename T>
    T* ctl(const char* name) const { return testenv::control<T>(form.get(), name); }
    TTransLog* logWindow() const { return form->findChild<TTransLog*>("TransLog"); }
    THelpWindow* helpWindow() const { return form->findChild<THelpWindow*>("HelpWindow"); }

    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    QString work;
    std::unique_ptr<TForm1> form;
    QStringList opened;
    bool browserWorks = true;
};

} // namespace

TEST_F(MainWindowTest, EveryNamedControlExists)
{
    QStringList names = {"Panel9", "Panel2", "homeImage", "homecountry", "R", "Panel3", "localimage",
                         "localcountry", "ToolBar2", "UpdateTool", "Hide", "CommissionBar", "Rcash",
                         "Rcreditcard", "Rtc", "Rbuy", "Rsell", "Rbase", "Rcommission", "Panel5",
                         "calcdisplay", "displaycurrency", "keydecimal", "keyequals", "keyplus", "keyminus",
                         "keytimes", "keydivide", "plusminus", "keyclear", "rmode", "QuickPrint",
                         "TabControl1", "isodata", "localiso", "homecurrency", "localcurrency", "StatusBar1"};
    for (int i = 0; i <= 9; ++i)
        names << QStringLiteral("key%1").arg(i);
    for (int i = 1; i <= 16; ++i)
        names << QStringLiteral("Button%1").arg(i) << QStringLiteral("Image%1").arg(i);
    for (const QString& n : names)
        EXPECT_NE(form->findChild<QWidget*>(n), nullptr) << n.toStdString();
    // A button that shows only a picture or a glyph is named for a screen reader.
    for (QToolButton* b : form->findChildren<QToolButton*>()) {
        if (b->objectName().startsWith("key") || b->objectName() == "Hide" || b->objectName() == "QuickPrint") {
            EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();
        }
    }

    EXPECT_EQ(ctl<QLabel>("calcdisplay")->text(), "0");
    EXPECT_EQ(ctl<QLabel>("calcdisplay")->alignment() & Qt::AlignRight, Qt::AlignRight);
    // Cleared at start: beside the display stands the home ISO code, none yet.
    EXPECT_EQ(ctl<QLabel>("displaycurrency")->text(), ctl<QLabel>("isodata")->text());
    EXPECT_EQ(ctl<QLabel>("homecountry")->toolTip(), "Local exchange panel\n1 USD = 1 USD");
    EXPECT_EQ(ctl<QLabel>("localcountry")->toolTip(), "Foreign exchange panel");
    EXPECT_EQ(ctl<QToolButton>("key5")->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(ctl<QRadioButton>("Rcash")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>("Rbase")->isChecked());
    EXPECT_FALSE(ctl<QCheckBox>("Rcommission")->isChecked());
    ASSERT_EQ(ctl<QTabBar>("TabControl1")->count(), 9);
    EXPECT_EQ(ctl<QTabBar>("TabControl1")->tabText(0), "Europe 1");   // a first start
    EXPECT_EQ(ctl<QTabBar>("TabControl1")->tabText(8), "9");
    EXPECT_EQ(ctl<QTabBar>("TabControl1")->currentIndex(), 0);
    EXPECT_TRUE(ctl<QLabel>("isodata")->isHidden());
}

TEST_F(MainWindowTest, TheCommissionBarStartsHiddenInAFixedWindow)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(ctl<QWidget>("CommissionBar")->isHidden());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(MainWindowTest, StatusPanelsTellTheDateAndTheUpdate)
{
    EXPECT_TRUE(ctl<QLabel>("StatusPanel0")->text().startsWith("Todays date: "));
    EXPECT_EQ(ctl<QLabel>("StatusPanel1")->text(), "Awaiting update!");
    EXPECT_EQ(ctl<QLabel>("StatusPanel2")->text(), "");
    // The date is the calculator's, read once per refresh, so midnight cannot split it.
    form->session().calculator().Today = [] { return QDate(2026, 3, 7); };
    QTest::mouseClick(ctl<QToolButton>("keyclear"), Qt::LeftButton);
    EXPECT_EQ(ctl<QLabel>("StatusPanel0")->text(), "Todays date: 07/03/2026");
}

TEST_F(MainWindowTest, MenuHintsLeaveTheStatusPanelsAlone)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QString date = ctl<QLabel>("StatusPanel0")->text();
    // The pointer rests on a command with a hint, over the main window.
    QAction* save = ctl<QAction>("ActionSaveTransactionLog");
    ASSERT_FALSE(save->statusTip().isEmpty());
    save->showStatusText(ctl<QWidget>("TabControl1"));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(ctl<QLabel>(qPrintable(QString("StatusPanel%1").arg(i)))->isVisible()) << i;
    EXPECT_EQ(ctl<QLabel>("StatusPanel0")->text(), date);
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
}

TEST_F(MainWindowTest, LongTextsAreElidedOrShrunkButNeverLost)
{
    form.reset();
    QFile::remove(work + "/currency.dat");
    form = std::make_unique<TForm1>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // The status text that did not fit: elided on screen, whole in its tip.
    auto* panel = ctl<QLabel>("StatusPanel2");
    const QString full = "No currency data. Upload from the Web.";
    EXPECT_EQ(panel->text(), full);
    if (panel->fontMetrics().horizontalAdvance(full) > panel->contentsRect().width()) {
        EXPECT_EQ(panel->toolTip(), full);
    }
    EXPECT_LE(panel->width(), form->width());
    ctl<QLabel>("StatusPanel0")->setFixedWidth(40);
    form->session().state().announce();
    auto* date = ctl<QLabel>("StatusPanel0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return date->toolTip() == date->text(); }));

    // A long number on the display: smaller type down to a legible size, then elided; every
    // digit stays in its text, tool tip and accessible name.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClicks(form.get(), "1234567890123456789012345");
    auto* display = ctl<QLabel>("calcdisplay");
    EXPECT_EQ(display->text(), "1234567890123456789012345");
    EXPECT_GE(display->font().pointSizeF(), FitLabel::kMinPointSize);
    EXPECT_EQ(display->toolTip(), display->text());
    EXPECT_EQ(display->accessibleName(), display->text());
    const qreal small = display->font().pointSizeF();
    QTest::keyClicks(form.get(), "c7");
    EXPECT_EQ(display->text(), "7");
    EXPECT_GT(display->font().pointSizeF(), small);   // a short number is large again
}

TEST_F(MainWindowTest, StartLoadsTheCurrencyDataOrSaysThereIsNone)
{
    EXPECT_TRUE(msgs.shown.empty());
    ASSERT_EQ(form->session().currencies().Count(), 3);
    EXPECT_EQ(form->session().currencies().FindByCountry("Unt. Kingdom")->GetRate(), 0.79);

    form.reset();
    QFile::remove(work + "/currency.dat");
    QFile::remove(work + "/RollBackCurrency.dat");
    form = std::make_unique<TForm1>();
    EXPECT_EQ(msgs.errors(), QStringList{"Error: Missing Currency.dat file."});
    EXPECT_EQ(ctl<QLabel>("StatusPanel2")->text(), "No currency data. Upload from the Web.");
    EXPECT_EQ(form->session().currencies().Count(), 0);
    EXPECT_FALSE(QFile::exists(work + "/RollBackCurrency.dat"));   // nothing to roll back to
}

TEST_F(MainWindowTest, ActionsCarryTheirCaptionsShortcutsAndHints)
{
    struct Row { const char *name, *caption, *shortcut; };
    const Row rows[] = {
        {"ActionSaveTransactionLog", "Save &Transaction Log...", "Ctrl+T"},
        {"ActionPreviewCustomerReceipt", "Preview &Customer Receipt", "Ctrl+N"},
        {"ActionPreviewTransactionLog", "Preview Transaction &Log", "Ctrl+Alt+H"},
        {"ActionPrintCustomerReceipt", "Print Customer Receipt", "Ctrl+P"},
        {"ActionPrintTransactionLog", "Print T&ransaction Log", "Ctrl+R"},
        {"ActionPrintHeaderOptions", "Print &Header Options", "Ctrl+H"},
        {"ActionPrinterSetup", "Printer Setup", "F12"},
        {"ActionExit", "E&xit", "Ctrl+Q"},
        {"ActionViewTransactionLog", "View &Transaction Log", "Ctrl+V"},
        {"ActionCountryDragList", "Count&ry List", "Ctrl+D"},
        {"ActionChangeFolderName", "&Folder Name", "Ctrl+F"},
        {"ActionClearSelectedFolders", "Clear &Selected Folders", "F8"},
        {"ActionClearAllFolders", "Clear &All Folders", "F9"},
        {"ActionLoadDefaultFolders", "&Load Default Folders", "F10"},
        {"ActionDateCurrencyFormat", "&Date Currency Format", "Ctrl+W"},
        {"ActionSetAccountingExportFile", "Set Accounting &ExportFile", ""},
        {"ActionRollback", "&Rollback", "Ctrl+B"},
        {"ActionCurrencyEditor", "Currency &Editor", "F4"},
        {"ActionCommissionEditor", "C&ommissionEditor", "F5"},
        {"ActionFireWallAccessSetup", "&Firewall Setup", "Ctrl+J"},
        {"ActionhelpIndex", "&Help Index", "F3"},
        {"ActionDownloadLatestVersion", "&Download Latest Version", "Ctrl+M"},
        {"ActionAfica", "&Afica", ""}, {"ActionAmerica", "A&merica", ""}, {"ActionAsia", "A&sia", ""},
        {"ActionCaribbean", "&Caribbean", ""}, {"ActionEurope", "&Europe", ""},
        {"ActionMiddleEast", "&MiddleEast", ""}, {"ActionOceania", "&Oceania", ""},
        {"ActionDeleteButton", "Delete Country", ""},
        {"ActionUpdate", "", "F2"},
        {"ActionSupport", "Support", "Shift+Ctrl+F10"},
        {"ActionAbout", "About &ZYMTechnology", "F1"},
    };
    for (const Row& r : rows) {
        QAction* a = form->findChild<QAction*>(QString::fromLatin1(r.name));
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->text(), QString::fromLatin1(r.caption)) << r.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(r.shortcut))) << r.name;
        EXPECT_FALSE(a->toolTip().isEmpty()) << r.name;
    }
    EXPECT_EQ(ctl<QAction>("ActionUpdate")->toolTip(), "Update from the Web");
    EXPECT_EQ(ctl<QAction>("ActionViewTransactionLog")->toolTip(), "Show Transaction Log");
    EXPECT_EQ(ctl<QAction>("ActionSaveTransactionLog")->toolTip(), "Save Transaction Log As...");

    // No key is claimed twice: an ambiguous shortcut would do nothing at all.
    QMap<QKeySequence, QString> owners;
    for (QAction* a : form->actions()) {
        if (a->shortcut().isEmpty())
            continue;
        EXPECT_FALSE(owners.contains(a->shortcut())) << a->objectName().toStdString() << " and "
                                                      << owners.value(a->shortcut()).toStdString();
        owners.insert(a->shortcut(), a->objectName());
    }
}

TEST_F(MainWindowTest, MenuItemsAreUsableExactlyWhenTheirCommandIs)
{
    QAction* command = ctl<QAction>("ActionSaveTransactionLog");
    auto* item = form->findChild<QAction*>("SaveTransactionLog1");
    ASSERT_TRUE(command && item);
    command->setEnabled(false);
    EXPECT_FALSE(item->isEnabled());
    command->setEnabled(true);
    EXPECT_TRUE(item->isEnabled());
}

TEST_F(MainWindowTest, KeysReachTheirCommands)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // Ctrl+R prints the log (not the popup's country list), F3 opens the help contents.
    int printed = 0;
    QObject::connect(ctl<QAction>("ActionPrintTransactionLog"), &QAction::triggered, [&] { ++printed; });
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(printed, 1);
    QTest::keyClick(form.get(), Qt::Key_F3);
    ASSERT_TRUE(helpWindow());
    EXPECT_EQ(helpWindow()->currentTopic(), "CALCHELP");
    EXPECT_TRUE(helpWindow()->Browser->toPlainText().contains("Vemox Help"));
}

TEST_F(MainWindowTest, HelpTopicsAndMissingPages)
{
    form->ShowHelpTopic("IDH_transactionlog");
    ASSERT_TRUE(helpWindow());
    EXPECT_TRUE(helpWindow()->Browser->toPlainText().contains("transaction log"));
    // It opens over the main window, not in a corner of the screen.
    const QPoint offset = helpWindow()->frameGeometry().center() - form->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4);
    // A link to a page that is missing says so.
    emit helpWindow()->Browser->anchorClicked(QUrl("IDH_gone.html"));
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_TRUE(msgs.errors().at(0).contains("IDH_gone"));
    msgs.clear();
    form->ShowHelpTopic("IDH_nosuchtopic");
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_TRUE(msgs.errors().at(0).contains("IDH_nosuchtopic"));
    form->ShowHelpTopic("../../etc/passwd");
    EXPECT_EQ(msgs.errors().size(), 2);
    QDir(work + "/help").removeRecursively();
    form->command(Command::HelpIndex)->trigger();
    ASSERT_EQ(msgs.errors().size(), 3);
    EXPECT_TRUE(msgs.errors().at(2).contains("missing"));
}

TEST_F(MainWindowTest, WebPagesAndTheirFailure)
{
    form->command(Command::About)->trigger();
    form->command(Command::DownloadLatestVersion)->trigger();
    form->command(Command::Support)->trigger();
    const QString host = "http://" + Defs::kMakerWebHost;
    EXPECT_EQ(opened, QStringList({host + "/", host + "/release/KRT.exe", host + "/Support.html"}));
    EXPECT_TRUE(msgs.shown.empty());
    browserWorks = false;
    form->command(Command::Support)->trigger();
    EXPECT_EQ(msgs.texts(ScriptedMessenger::Kind::MessageBox),
              QStringList({"Error: Unable to Execute Browser Launch"}));
}

TEST_F(MainWindowTest, CloseSequenceClosesTheOtherWindows)
{
    form->show();
    form->command(Command::ViewTransactionLog)->trigger();
    QPointer<TTransLog> log = logWindow();
    ASSERT_TRUE(log);
    form->command(Command::HelpIndex)->trigger();
    QPointer<THelpWindow> help = helpWindow();
    ASSERT_TRUE(help);
    form->close();
    EXPECT_EQ(form->closeSteps(), QStringList({"SaveSettings", "Hide", "CloseWindows", "ClearTable"}));
    EXPECT_FALSE(log);
    EXPECT_FALSE(help);
    EXPECT_EQ(form->session().currencies().Count(), 0);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, StartCopiesTheDataFileForRollback)
{
    const QByteArray good = testenv::readBytes(work + "/currency.dat");
    ASSERT_TRUE(good.contains("\r\n"));
    EXPECT_EQ(testenv::readBytes(work + "/RollBackCurrency.dat"), good);
    // Lines are copied, each ended by CR LF.
    form.reset();
    testenv::writeBytes(work + "/currency.dat", QByteArray(good).replace("\r\n", "\n"));
    form = std::make_unique<TForm1>();
    EXPECT_EQ(testenv::readBytes(work + "/RollBackCurrency.dat"), good);
    // Data that does not load never replaces the copy a rollback would restore.
    for (const QByteArray& damaged : {QByteArray(), QByteArray("\x01\x02\x00binary", 9), QByteArray("one\ntwo")}) {
        form.reset();
        testenv::writeBytes(work + "/currency.dat", damaged);
        form = std::make_unique<TForm1>();
        EXPECT_EQ(ctl<QLabel>("StatusPanel2")->text(), "No currency data. Upload from the Web.");
        EXPECT_EQ(testenv::readBytes(work + "/RollBackCurrency.dat"), good) << damaged.toStdString();
    }
}

TEST_F(MainWindowTest, HelpLinksFollowTopicsAndPlaces)
{
    form->command(Command::HelpIndex)->trigger();
    ASSERT_TRUE(helpWindow());
    THelpWindow* help = helpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QScrollBar* bar = help->Browser->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);   // the contents page is longer than the window
    EXPECT_EQ(bar->value(), 0);
    emit help->Browser->anchorClicked(QUrl("#menus"));   // a place on the page shown
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(help->currentTopic(), "CALCHELP");
    emit help->Browser->anchorClicked(QUrl("IDH_transactionlog.html"));
    EXPECT_EQ(help->currentTopic(), "IDH_transactionlog");
    EXPECT_TRUE(msgs.shown.empty());
    emit help->Browser->anchorClicked(QUrl("IDH_notwrittenyet.html"));
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_TRUE(msgs.errors().at(0).contains("IDH_notwrittenyet"));
    EXPECT_EQ(help->currentTopic(), "IDH_transactionlog");   // the page shown stays
}

TEST_F(MainWindowTest, RightClickShowsTheWindowPopupOrTheButtonPopup)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto rightClick = [](QWidget* w) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(3, 3), w->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(w, &e);
    };
    for (QWidget* w : std::initializer_list<QWidget*>{ctl<QLabel>("calcdisplay"), ctl<QWidget>("Panel5"), ctl<QLabel>("homecountry"),
                                                      ctl<QTabBar>("TabControl1"), ctl<QLabel>("StatusPanel0")}) {
        rightClick(w);
        EXPECT_TRUE(ctl<QMenu>("PopupMenu1")->isVisible()) << w->objectName().toStdString();
        EXPECT_FALSE(ctl<QMenu>("LoadCountryDefaults")->isVisible()) << w->objectName().toStdString();
        ctl<QMenu>("PopupMenu1")->hide();
    }
    rightClick(ctl<QPushButton>("Button3"));
    EXPECT_TRUE(ctl<QMenu>("LoadCountryDefaults")->isVisible());
    EXPECT_FALSE(ctl<QMenu>("PopupMenu1")->isVisible());
    ctl<QMenu>("LoadCountryDefaults")->hide();
}

TEST_F(MainWindowTest, EveryShortcutRunsItsOwnAction)
{
    form->show();
    // The windows that commands open stay out of the way; only the key's owner counts.
    form->setUrlOpener([](const QUrl&) { return true; });
    // A dialog that a command shows modally, or the print preview, is closed as soon as it is up.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
        if (QWidget* w = form->findChild<QWidget*>("QuickReportViewer"); w && w->isVisible())
            w->close();
    });
    closer.start(20);
    QMap<QString, int> runs;
    for (QAction* a : form->actions())
        QObject::connect(a, &QAction::triggered, [&runs, a] { ++runs[a->objectName()]; });
    QAction* exit = ctl<QAction>("ActionExit");
    for (QAction* a : form->actions()) {
        if (a->shortcut().isEmpty() || a == exit)
            continue;
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        runs.clear();
        const QKeyCombination key = a->shortcut()[0];
        QTest::keyClick(form.get(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(runs, (QMap<QString, int>{{a->objectName(), 1}})) << a->objectName().toStdString();
    }
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(runs.value("ActionExit"), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->closeSteps().value(0), "SaveSettings");
}

TEST_F(MainWindowTest, CentredOnTheScreen)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = form->frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
}

// A rollback copy that cannot be written is told once, and the counter goes on working.
TEST_F(MainWindowTest, AFailedRollbackCopyIsToldAndTheCounterRuns)
{
    form.reset();
    msgs.clear();
    // The rollback copy cannot be written: a folder stands in its place.
    QFile::remove(work + "/RollBackCurrency.dat");
    ASSERT_TRUE(QDir().mkpath(work + "/RollBackCurrency.dat"));
    form = std::make_unique<TForm1>();
    form->show();
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_TRUE(msgs.errors().at(0).contains("RollBackCurrency.dat"));
    QTest::qWait(50);   // a close, were one queued, would have run by now
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->closeSteps().isEmpty());
}

TEST_F(MainWindowTest, StartReadsItsFlagsAndTheLastUpdate)
{
    // Nothing stored: updates on, the accounting dialog offered, no update yet.
    EXPECT_TRUE(ctl<QToolButton>("UpdateTool")->isEnabled());
    EXPECT_EQ(ctl<QAction>("ShowPrintAccountingDialog")->text(), "Show Print Accounting Dialog");
    EXPECT_EQ(ctl<QLabel>("StatusPanel1")->text(), "Awaiting update!");

    form.reset();
    const QString key = Defs::kKeyGeneral;
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, "CCdu", true, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, "PGs", true, KEY_WRITE));
    const QDateTime updated(QDate(2026, 3, 7), QTime(14, 30));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, "Vl", updated, KEY_WRITE));
    form = std::make_unique<TForm1>();
    EXPECT_FALSE(ctl<QToolButton>("UpdateTool")->isEnabled());
    EXPECT_EQ(ctl<QAction>("ShowPrintAccountingDialog")->text(), "Hide Print Accounting Dialog");
    EXPECT_EQ(ctl<QLabel>("StatusPanel1")->text(), "Last update: 07/03/2026");
    EXPECT_TRUE(msgs.shown.empty());
}

// Every command runs in the one trap: a handler that fails shows its error with the
// command's suffix, and the command, like the window, goes on working.
TEST_F(MainWindowTest, AFailingCommandIsReportedWithItsSuffixAndGoesOn)
{
    ASSERT_TRUE(QFile::remove(Defs::kRollbackFile));
    form->command(Command::Rollback)->trigger();
    EXPECT_EQ(msgs.errors(), QStringList{"Missing Rollback data file - Error: - (RollBack1Click) zym."});
    ASSERT_TRUE(QFile::copy(Defs::kCurrencyFile, Defs::kRollbackFile));
    form->command(Command::Rollback)->trigger();
    EXPECT_EQ(msgs.texts(ScriptedMessenger::Kind::MessageDialog), QStringList{"Rollback complete!"});
    EXPECT_EQ(msgs.errors().size(), 1);
}
