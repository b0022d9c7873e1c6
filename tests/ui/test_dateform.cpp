// The date and number format dialog offscreen: what it shows of the stored choices, and
// what Okay, Cancel and Help do.
#include "Defs.h"
#include "Forms/TForm1.h"
#include "Forms/Tdateform.h"
#include "Forms/common/DialogKit.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

template <typename T>
void seed(const QString& name, const T& value)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, value, KEY_WRITE);
}

int stored(const QString& name)
{
    int v = -100;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, v, KEY_READ);
    return v;
}

class DateFormTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetStore(); }
    void TearDown() override
    {
        FormatSettings::current() = saved_;
        setModalRunner({});
        setHelpOpener({});
        testenv::resetStore();
    }

    // The dialog as the operator sees it; its tool bar is driven by the keys.
    std::unique_ptr<Tdateform> open()
    {
        auto form = std::make_unique<Tdateform>(nullptr);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }
    template <typename W>
    static W* child(QWidget* form, const char* name)
    {
        auto* w = form->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            throw std::runtime_error(name);   // fails the test, not the whole run
        return w;
    }

    ScriptedMessenger shown;
    MessengerScope scope{&shown};
    FormatSettings saved_ = FormatSettings::current();
};

} // namespace

TEST_F(DateFormTest, ShowsTheStoredChoicesAndOkayStoresThemBack)
{
    seed(Defs::kValPunctuation, 1);
    seed(Defs::kValDecimalPlaces, 5);
    seed(Defs::kValDateFormat, 7);   // no such item: none selected, stored as -1
    auto form = open();
    EXPECT_TRUE(child<QAbstractButton>(form.get(), "CurrencyFormat1")->isChecked());
    EXPECT_EQ(child<QLineEdit>(form.get(), "updownlabel")->text(), "5");
    EXPECT_EQ(child<QComboBox>(form.get(), "CBDateFormat")->currentIndex(), -1);
    QTest::keyClick(form.get(), Qt::Key_F7);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(stored(Defs::kValDateFormat), -1);
    EXPECT_EQ(stored(Defs::kValPunctuation), 1);
    EXPECT_EQ(stored(Defs::kValDecimalPlaces), 5);
}

TEST_F(DateFormTest, OkayStoresTheChoicesAndCancelStoresNothing)
{
    for (const bool okay : {false, true}) {
        testenv::resetStore();
        auto form = open();
        QTest::mouseClick(child<QAbstractButton>(form.get(), "CurrencyFormat1"), Qt::LeftButton);
        auto* updown = child<QSpinBox>(form.get(), "UpDown");
        for (int i = 0; i < 6; ++i)
            updown->stepUp();
        EXPECT_EQ(updown->value(), 6);   // the up-down stops at 6, no wrap
        child<QComboBox>(form.get(), "CBDateFormat")->setCurrentIndex(4);
        if (okay)
            QTest::mouseClick(child<QToolButton>(form.get(), "Okay"), Qt::LeftButton);
        else
            QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_EQ(form->result(), okay ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(stored(Defs::kValPunctuation), okay ? 1 : -100);
        EXPECT_EQ(stored(Defs::kValDecimalPlaces), okay ? 6 : -100);
        EXPECT_EQ(stored(Defs::kValDateFormat), okay ? 4 : -100);
    }
}

TEST_F(DateFormTest, HelpOpensItsTopic)
{
    QStringList topics;
    setHelpOpener([&](const QString& t) { topics << t; });
    auto form = open();
    QTest::keyClick(form.get(), Qt::Key_F3);
    EXPECT_EQ(topics, QStringList{"IDH_CurrencyDateFormat"});
}

// The main window's side: Ctrl+W opens the dialog, and whatever its result the stored
// choices apply at once; closing the window stores the commission bar's choices.
TEST_F(DateFormTest, MainWindowAppliesTheChoicesAfterTheDialogAndStoresItsSettingsOnClose)
{
    testenv::freshWorkDir();
    testenv::installSampleData();
    auto form = std::make_unique<TForm1>();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* display = testenv::control<QLabel>(form.get(), "calcdisplay");
    ASSERT_EQ(display->text(), "0");

    setModalRunner([](QDialog& shown) {
        QTest::mouseClick(testenv::control<QAbstractButton>(&shown, "CurrencyFormat1"), Qt::LeftButton);
        testenv::control<QSpinBox>(&shown, "UpDown")->setValue(4);
        testenv::control<QAction>(&shown, "ActionOkay")->trigger();
        return shown.result();
    });
    QTest::keyClicks(form.get(), "1.5");   // a number being typed goes on in the new punctuation
    QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(display->text(), "1,5000");
    QTest::keyClicks(form.get(), "2");
    EXPECT_EQ(display->text(), "1,52");
    EXPECT_EQ(testenv::control<QAbstractButton>(form.get(), "keydecimal")->toolTip(), ",");

    // Cancel stores nothing, yet applies what is stored: here a date format set meanwhile.
    seed(Defs::kValDateFormat, 2);
    setModalRunner([](QDialog& shown) {
        testenv::control<QAction>(&shown, "ActionCancel")->trigger();
        return shown.result();
    });
    form->command(Command::DateCurrencyFormat)->trigger();
    const QString today = QDate::currentDate().toString("yyyy/MM/dd");
    EXPECT_EQ(testenv::control<QLabel>(form.get(), "StatusPanel0")->text(), "Todays date: " + today);
    setModalRunner({});

    testenv::control<QAbstractButton>(form.get(), "Rtc")->click();
    form->close();
    EXPECT_EQ(stored(Defs::kValPayment), 3);
}
