// The firewall settings dialog offscreen, driven through its named controls.
#include "Defs.h"
#include "Forms/Tproxyform.h"
#include "Forms/common/DialogKit.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/ProxySettings.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ProxyFormTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetStore(); }
    void open()
    {
        form = std::make_unique<Tproxyform>();
        form->show();
    }
    template <typename W>
    W* control(const char* name)
    {
        W* w = form->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void trigger(const char* action) { control<QAction>(action)->trigger(); }
    static ProxySettings stored()
    {
        ProxySettings s;
        s.load();
        return s;
    }
    void type(const char* edit, const QString& text)
    {
        auto* e = control<QLineEdit>(edit);
        e->clear();
        QTest::keyClicks(e, text);
    }

    ScriptedMessenger messages;
    MessengerScope scope{&messages};
    std::unique_ptr<Tproxyform> form;
};

TEST_F(ProxyFormTest, OpensWithTheDefaultsAndEnablesTheFieldsWithTheBox)
{
    open();
    EXPECT_EQ(form->objectName(), QStringLiteral("proxyform"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Firewall Settings"));
    EXPECT_EQ(form->size(), QSize(252, 159));
    auto* box = control<QCheckBox>("useproxy");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(control<QLineEdit>("port")->text(), QStringLiteral("8080"));
    for (const char* name : {"address", "id", "password", "port"})
        EXPECT_FALSE(control<QLineEdit>(name)->isEnabled()) << name;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
        EXPECT_FALSE(control<QLabel>(name)->isEnabled()) << name;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_TRUE(box->isChecked());
    for (const char* name : {"address", "id", "password", "port"})
        EXPECT_TRUE(control<QLineEdit>(name)->isEnabled()) << name;
    EXPECT_TRUE(control<QLabel>("Label4")->isEnabled());
}

TEST_F(ProxyFormTest, ShowsTheStoredValuesAndHidesThePassword)
{
    ProxySettings s;
    s.useProxy = true;
    s.address = QStringLiteral("proxy.shop");
    s.userId = QStringLiteral("till1");
    s.password = QStringLiteral("abc");
    s.port = 3128;
    ASSERT_TRUE(s.save());
    open();
    EXPECT_TRUE(control<QCheckBox>("useproxy")->isChecked());
    EXPECT_TRUE(control<QLineEdit>("address")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("id")->text(), QStringLiteral("till1"));
    EXPECT_EQ(control<QLineEdit>("password")->text(), QStringLiteral("abc"));
    EXPECT_EQ(control<QLineEdit>("password")->displayText(), QStringLiteral("###"));
    EXPECT_EQ(control<QLineEdit>("port")->text(), QStringLiteral("3128"));
}

TEST_F(ProxyFormTest, OkayWritesEveryValueTickedOrNot)
{
    open();
    control<QCheckBox>("useproxy")->setChecked(true);
    type("address", QStringLiteral("ftp://10.0.0.9"));   // refused only while the firewall is used
    type("id", QStringLiteral("me"));
    type("password", QStringLiteral("pw"));
    type("port", QStringLiteral("8 8"));
    control<QCheckBox>("useproxy")->setChecked(false);
    trigger("ActionOkay");
    EXPECT_EQ(form->result(), QDialog::Accepted);
    const ProxySettings s = stored();
    EXPECT_FALSE(s.useProxy);
    EXPECT_EQ(s.address, QStringLiteral("ftp://10.0.0.9"));
    EXPECT_EQ(s.userId, QStringLiteral("me"));
    EXPECT_EQ(s.password, QStringLiteral("pw"));
    EXPECT_EQ(s.port, 808);   // the blank position became a zero
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProxyFormTest, AnEmptyPortIsStoredAsZeroAndThePortTakesFourDigits)
{
    open();
    control<QCheckBox>("useproxy")->setChecked(true);
    type("port", QStringLiteral("123456x"));
    EXPECT_EQ(control<QLineEdit>("port")->text(), QStringLiteral("1234"));
    control<QLineEdit>("port")->clear();
    trigger("ActionOkay");
    EXPECT_EQ(stored().port, 0);
    EXPECT_TRUE(stored().useProxy);
}

TEST_F(ProxyFormTest, AStoreThatCannotBeWrittenKeepsTheDialogOpenAndStoresNothing)
{
    ProxySettings s;
    s.address = QStringLiteral("kept");
    ASSERT_TRUE(s.save());
    const QByteArray before = testenv::readBytes(testenv::storeFile());
    open();
    type("address", QStringLiteral("changed"));
    {
        testenv::FullDisk full;
        trigger("ActionOkay");
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_NE(form->result(), QDialog::Accepted);
    EXPECT_EQ(messages.shown.size(), 1u);   // the dialog's own message alone
    EXPECT_EQ(messages.texts(ScriptedMessenger::Kind::MessageBox),
              QStringList{QStringLiteral("Incorrect Server or Port settings")});
    EXPECT_EQ(testenv::readBytes(testenv::storeFile()), before);
}

TEST_F(ProxyFormTest, CancelWritesNothing)
{
    ProxySettings s;
    s.address = QStringLiteral("kept");
    ASSERT_TRUE(s.save());
    const QByteArray before = testenv::readBytes(testenv::storeFile());
    open();
    control<QCheckBox>("useproxy")->setChecked(true);
    type("address", QStringLiteral("changed"));
    trigger("ActionCancel");
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(testenv::readBytes(testenv::storeFile()), before);
}

TEST_F(ProxyFormTest, HelpOpensTheFirewallTopic)
{
    QStringList topics;
    setHelpOpener([&](const QString& t) { topics << t; });
    open();
    trigger("ActionHelp");
    setHelpOpener({});
    EXPECT_EQ(topics, QStringList{QStringLiteral("IDH_firewall")});
    EXPECT_TRUE(QFile::exists(testenv::sourceDir() + QStringLiteral("/share/help/IDH_firewall.html")));
}

} // namespace
