// The main window's conversion wiring: currency buttons after typing on the keypad, the
// panes with their flags, reverse mode, the commission bar and its Hide button.
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "data/CurrencyData.h"
#include "support/Messenger.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class ExchangeWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        work = testenv::freshWorkDir();
        testenv::installSampleData();   // Unt. States 1, Unt. Kingdom 0.79, France 0.94
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        // The first tab's slots 1 to 3.
        const QStringList countries = {"Unt. States", "Unt. Kingdom", "France"};
        for (int i = 0; i < countries.size(); ++i)
            form->session().layout().assign(0, i + 1, countries[i]);
        auto* tabs = testenv::control<QTabBar>(form.get(), "TabControl1");   // shown as the tab is chosen again
        tabs->setCurrentIndex(1);
        tabs->setCurrentIndex(0);
        ASSERT_EQ(testenv::control<QPushButton>(form.get(), "Button3")->text(), "France");
    }
    template <typename W = QToolButton>
    void click(const char* name) { QTest::mouseClick(testenv::control<W>(form.get(), name), Qt::LeftButton); }
    void keys(const char* digits)
    {
        for (const char* d = digits; *d; ++d)
            click(("key" + std::string(1, *d)).c_str());
    }
    QString text(const char* name) const { return testenv::control<QLabel>(form.get(), name)->text(); }
    bool hasPicture(const char* name) const
    {
        const QPixmap p = testenv::control<QLabel>(form.get(), name)->pixmap();
        return !p.isNull() && p.size() == QSize(35, 20);
    }
    QStringList log() const { return form->session().log().Lines(); }
    // Clear, then Button1: the home currency is the US dollar.
    void chooseDollarHome()
    {
        click("keyclear");
        click<QPushButton>("Button1");
    }

    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    QString work;
    std::unique_ptr<TForm1> form;
};
} // namespace

TEST_F(ExchangeWindowTest, SlotChoosesHomeThenConvertsTheTypedAmount)
{
    chooseDollarHome();
    EXPECT_EQ(text("homecountry"), "Unt. States");
    EXPECT_TRUE(hasPicture("homeImage"));
    EXPECT_EQ(text("displaycurrency"), "USD");
    EXPECT_EQ(log(), QStringList({"----- CLEAR ------"}));   // choosing the home logs nothing

    keys("100");
    EXPECT_FALSE(hasPicture("localimage"));
    click<QPushButton>("Button2");
    EXPECT_EQ(text("calcdisplay"), "79.00");
    EXPECT_EQ(text("localcountry"), "Unt. Kingdom");
    EXPECT_EQ(testenv::control<QWidget>(form.get(), "Panel3")->toolTip(), "Foreign exchange panel\n1 USD = 0.79 GBP");
    EXPECT_TRUE(hasPicture("localimage"));
    EXPECT_EQ(text("displaycurrency"), "GBP");
    EXPECT_EQ(log().last(), "100.00 Dollars(USD) Converts to 79.00 Pounds (GBP)");

    // An empty slot does nothing; the next country converts the same amount again.
    click<QPushButton>("Button9");
    EXPECT_EQ(text("calcdisplay"), "79.00");
    click<QPushButton>("Button3");
    EXPECT_EQ(log().last(), "100.00 Dollars(USD) Converts to 94.00 Euros (EUR)");
    EXPECT_TRUE(msgs.shown.empty());

    // Shift with a click is the slot's delete, never a conversion.
    const int lines = int(log().size());
    QTest::mouseClick(testenv::control<QPushButton>(form.get(), "Button2"), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(log().size(), lines);
    EXPECT_EQ(text("localcountry"), "France");
}

TEST_F(ExchangeWindowTest, PaneShowsTheBanknoteForACurrencyWithoutFlag)
{
    form->session().state().home.picture = NoResourceIndex;
    form->session().state().home.country = "Own money";
    form->session().state().announce();
    EXPECT_TRUE(hasPicture("homeImage"));
    form->session().state().home = PaneState{};
    form->session().state().announce();
    EXPECT_FALSE(hasPicture("homeImage"));
}

TEST_F(ExchangeWindowTest, ReverseKeyAndKeyboardSwapThePanesAndPaintR)
{
    chooseDollarHome();
    keys("100");
    click<QPushButton>("Button2");
    QLabel* r = testenv::control<QLabel>(form.get(), "R");
    const QColor off = r->palette().color(QPalette::WindowText);

    click("rmode");
    EXPECT_EQ(r->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(text("homecountry"), "Unt. Kingdom");
    EXPECT_EQ(text("localcountry"), "Unt. States");
    EXPECT_EQ(text("calcdisplay"), "100.00");
    EXPECT_EQ(text("displaycurrency"), "USD");
    EXPECT_EQ(log().last(), "79.00 Pounds(GBP) Converts to 100.00 Dollars (USD)");

    QTest::keyClicks(form.get(), "r");
    EXPECT_EQ(r->palette().color(QPalette::WindowText), off);
    EXPECT_EQ(text("homecountry"), "Unt. States");
    EXPECT_EQ(text("calcdisplay"), "79.00");
    EXPECT_EQ(text("displaycurrency"), "GBP");
}

TEST_F(ExchangeWindowTest, ConversionErrorShowsTheBoxAndLocksTheKeypad)
{
    chooseDollarHome();
    keys("100");
    ASSERT_TRUE(QFile::remove(work + "/dll/ZYM_VEMOX.dll"));
    click<QPushButton>("Button2");
    EXPECT_EQ(msgs.errors(), QStringList({"Error: Unable to load resource dll - Exchange."}));
    EXPECT_FALSE(testenv::control<QToolButton>(form.get(), "key5")->isEnabled());
    EXPECT_FALSE(testenv::control<QToolButton>(form.get(), "rmode")->isEnabled());
    click("keyclear");
    EXPECT_TRUE(testenv::control<QToolButton>(form.get(), "key5")->isEnabled());
}

TEST_F(ExchangeWindowTest, HideAndMenuToggleTheBarAndTheWindowHeight)
{
    auto* bar = testenv::control<QWidget>(form.get(), "CommissionBar");
    auto* hide = testenv::control<QToolButton>(form.get(), "Hide");
    QAction* item = testenv::control<QAction>(form.get(), "CommissionToobar");
    const int shortHeight = form->height();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(item->text(), "&Show Commission Toobar");
    EXPECT_EQ(hide->toolTip(), "Show Commision Toobar");

    click("Hide");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(form->height(), shortHeight + 23);
    EXPECT_EQ(item->text(), "Hide Commission Toobar");
    EXPECT_EQ(hide->toolTip(), "Hide Commission Toobar");

    item->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(hide->isChecked());
    EXPECT_EQ(form->height(), shortHeight);
    EXPECT_EQ(item->text(), "Show Commission Toobar");
    EXPECT_EQ(hide->toolTip(), "Show Commission Toobar");
}

TEST_F(ExchangeWindowTest, BarOptionsLogTheirLineAndBaseDisablesCommission)
{
    form->command(Command::CommissionToolbar)->trigger();
    auto* commission = testenv::control<QCheckBox>(form.get(), "Rcommission");
    EXPECT_FALSE(commission->isEnabled());
    form->session().state().panel[2] = "note";
    click<QRadioButton>("Rsell");
    EXPECT_EQ(log().last(), "-- Cash -- Sell Currency-- Commission? No --");
    EXPECT_EQ(form->session().state().panel[2], "");
    ASSERT_TRUE(commission->isEnabled());
    click<QCheckBox>("Rcommission");
    click<QRadioButton>("Rtc");
    EXPECT_EQ(log().last(), "-- Traveller's Cheques -- Sell Currency-- Commission? Yes --");
    click<QRadioButton>("Rbase");
    EXPECT_FALSE(commission->isEnabled());
    EXPECT_TRUE(commission->isChecked());
    EXPECT_EQ(log().last(), "-- Traveller's Cheques -- Base Currency-- Commission? Yes --");
    const int lines = int(log().size());
    click<QRadioButton>("Rbase");   // the choice already made changes nothing
    EXPECT_EQ(log().size(), lines);

    // The bar shows the state's choices, as the settings restore them.
    form->session().state().payment = Payment::CreditCard;
    form->session().state().rateKind = RateKind::Buy;
    form->session().state().commission = false;
    form->session().state().announce();
    EXPECT_TRUE(testenv::control<QRadioButton>(form.get(), "Rcreditcard")->isChecked());
    EXPECT_TRUE(testenv::control<QRadioButton>(form.get(), "Rbuy")->isChecked());
    EXPECT_TRUE(commission->isEnabled());
    EXPECT_FALSE(commission->isChecked());
    EXPECT_EQ(log().size(), lines);
}

TEST_F(ExchangeWindowTest, ShortcutsWorkAfterTheMenusWereUsedWithKeys)
{
    // Keys through the menus leave the menu bar with the focus; Ctrl+T must still save.
    int saves = 0;
    QObject::connect(testenv::control<QAction>(form.get(), "ActionSaveTransactionLog"), &QAction::triggered,
                     [&saves] { ++saves; });
    form->findChild<QWidget*>("MainMenu1")->setFocus();
    msgs.files.push_back(QString());   // the save dialog is cancelled
    QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(saves, 1);
}
