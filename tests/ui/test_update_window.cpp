// The update, the rollback and the firewall settings on the main window: their keys and
// the button, the hourglass, and a close while an update waits.
#include "Defs.h"
#include "Forms/THelpWindow.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "Forms/common/DialogKit.h"
#include "common/Controls.h"
#include "common/LoopbackHttp.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QTextBrowser>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using loopback::HttpServer;
using loopback::Response;

namespace {

const QByteArray kReply = "<KRTDATE>9 Dec 2026</KRTDATE>\r\n<KRTHOST>a.example</KRTHOST>\r\n"
                          "<KRTHOST>b.example</KRTHOST>\r\n<KRTISO>GBP</KRTISO><KRTDATA>0.5</KRTDATA>\r\n";

class UpdateWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        testenv::freshWorkDir();
        testenv::installSampleData();
        startData = testenv::readBytes(Defs::kCurrencyFile);
    }
    void TearDown() override
    {
        if (form)
            form->close();
        form.reset();
    }
    void open()
    {
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        // The server of the test is the first host.
        ZYMAPI::DeleteRegistryKey(HKEY_CURRENT_USER, Defs::kKeyHosts, KEY_ALL_ACCESS);
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, QStringList{server.hostPort() + "/rates"}, KEY_WRITE);
    }
    template <typename T>
    T* ctl(const char* name) const { return testenv::control<T>(form.get(), name); }
    double rateOf(const QString& country) const
    {
        const CCurrencyData* c = form->session().currencies().FindByCountry(country);
        return c ? c->GetRate() : -1;
    }

    ScriptedMessenger messages;
    MessengerScope scope{&messages};
    HttpServer server;
    QByteArray startData;
    std::unique_ptr<TForm1> form;
};

TEST_F(UpdateWindowTest, F2AndTheUKeyUpdateAndPanelOneTellsTheRatesDate)
{
    server.reply(Response::ok(kReply));
    open();
    EXPECT_EQ(ctl<QLabel>("StatusPanel1")->toolTip(), QStringLiteral("Rates of 1 Dec 2026"));
    ctl<QAction>("ActionUpdate")->trigger();
    EXPECT_EQ(testenv::readBytes(Defs::kCurrencyFile), kReply);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.5);
    EXPECT_EQ(ctl<QLabel>("StatusPanel1")->toolTip(),
              QStringLiteral("Rates of 9 Dec 2026, from ") + server.hostPort() + "/rates");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The reply named other hosts: point the next update at the server again.
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, QStringList{server.hostPort() + "/rates"}, KEY_WRITE);
    QTest::keyClick(form.get(), Qt::Key_U);
    EXPECT_EQ(server.requests.size(), 2);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UpdateWindowTest, ClosingTheWindowWhileAnUpdateWaitsChangesNothing)
{
    server.reply(Response::of(Response::Kind::NeverReply));
    open();
    bool hourglass = false;
    QTimer::singleShot(100, form.get(), [&] {
        hourglass = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        form->close();
    });
    ctl<QAction>("ActionUpdate")->trigger();
    EXPECT_TRUE(hourglass);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(testenv::readBytes(Defs::kCurrencyFile), startData);
    bool stored = false;
    QDateTime when;
    stored = ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValLastUpdate, when, KEY_READ);
    EXPECT_FALSE(stored);
}

TEST_F(UpdateWindowTest, WithTheButtonDisabledByTheEditorTheKeysStillUpdate)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValCurrencyEditorUsed, true, KEY_WRITE);
    server.reply(Response::ok(kReply));
    open();
    EXPECT_FALSE(ctl<QToolButton>("UpdateTool")->isEnabled());
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.5);
}

TEST_F(UpdateWindowTest, RollbackAndTheFirewallDialogAreReachedByTheirCommands)
{
    open();
    ctl<QAction>("ActionRollback")->trigger();
    EXPECT_EQ(messages.texts(ScriptedMessenger::Kind::MessageDialog), QStringList{"Rollback complete!"});
    EXPECT_TRUE(ctl<QLabel>("StatusPanel1")->text().startsWith(QStringLiteral("Last update: ")));

    QString opened;
    setModalRunner([&](QDialog& d) {
        opened = d.objectName();
        return int(QDialog::Rejected);
    });
    ctl<QAction>("ActionFireWallAccessSetup")->trigger();
    setModalRunner([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_EQ(opened, QStringLiteral("proxyform"));
}

TEST_F(UpdateWindowTest, DataFilesAreFoundWhereTheProgramStartedAfterTheCurrentFolderMoves)
{
    const QString data = QDir::currentPath();
    QDir().mkpath("help");
    QFile::copy(testenv::sourceDir() + "/share/help/CALCHELP.html", "help/CALCHELP.html");
    server.reply(Response::ok(kReply));
    open();
    const QString elsewhere = testenv::root() + "/elsewhere";
    QDir().mkpath(elsewhere);
    ASSERT_TRUE(QDir::setCurrent(elsewhere));

    ctl<QAction>("ActionUpdate")->trigger();
    EXPECT_EQ(testenv::readBytes(data + "/" + Defs::kCurrencyFile), kReply);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.5);
    ctl<QAction>("ActionRollback")->trigger();
    EXPECT_EQ(testenv::readBytes(data + "/" + Defs::kCurrencyFile), startData);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
    ctl<QAction>("ActionhelpIndex")->trigger();
    auto* help = form->findChild<THelpWindow*>("HelpWindow");
    ASSERT_TRUE(help);
    EXPECT_FALSE(help->Browser->toPlainText().isEmpty());
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    EXPECT_EQ(messages.errors(), QStringList());
    QDir::setCurrent(data);
}

} // namespace

// A refused update's box takes the keys from the window while it shows. The U that started
// the update, still on its way up from the control that had the focus, starts no second one.
TEST_F(UpdateWindowTest, OnePressOfUIsOneUpdateWhenABoxTookTheFocus)
{
    struct BoxMessenger : ScriptedMessenger {
        QWidget box;
        void errorBox(const QString& message) override
        {
            ScriptedMessenger::errorBox(message);
            box.show();
            box.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        }
    } boxes;
    MessengerScope boxScope{&boxes};
    server.reply(Response::error(503, "Service Unavailable"));
    open();
    auto* focused = ctl<QWidget>("TabControl1");
    focused->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focused);
    QTest::keyClick(focused, Qt::Key_U);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_EQ(boxes.errors().size(), 1);
}
