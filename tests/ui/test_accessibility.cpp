// What a screen reader hears: every control of the main window and of the log window has
// a name, icon-only buttons are named by their hints, and the keypad by its symbols.
#include "Forms/TForm1.h"
#include "Forms/TTransLog.h"
#include "Forms/common/DialogKit.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
QString spoken(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        testenv::freshWorkDir();
        testenv::installSampleData();
        form = std::make_unique<TForm1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QString named(const char* name) { return spoken(testenv::control<QWidget>(form.get(), name)); }

    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    std::unique_ptr<TForm1> form;
};
} // namespace

TEST_F(AccessibilityTest, EveryButtonOfTheMainWindowHasAName)
{
    for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(form.get())) {
            EXPECT_FALSE(spoken(b).trimmed().isEmpty()) << b->objectName().toStdString();
        }
}

TEST_F(AccessibilityTest, IconButtonsAreNamedByTheirHints)
{
    EXPECT_EQ(named("UpdateTool"), "Update from the Web");
    EXPECT_EQ(named("QuickPrint"), "Quick Print");
    EXPECT_EQ(named("rmode"), "Reverse Mode");
    EXPECT_EQ(named("Hide"), "Show Commision Toobar");
}

TEST_F(AccessibilityTest, KeypadIsNamedByItsDigitsAndSymbols)
{
    QStringList names;
    for (const char* key : {"key0", "key1", "key2", "key3", "key4", "key5", "key6", "key7", "key8", "key9",
                            "keydecimal", "keyequals", "keyplus", "keyminus", "keytimes", "keydivide", "plusminus",
                            "keyclear"})
        names << named(key);
    EXPECT_EQ(names, QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "=", "+", "\u2212",
                                  "\u00d7", "\u00f7", "\u00b1", "Clear"}));
    // The display is read whole, however small its font has become.
    QTest::keyClicks(form.get(), "98765432109876543210");
    EXPECT_EQ(named("calcdisplay"), "98765432109876543210");
}

TEST_F(AccessibilityTest, DialogToolBarsAreNamedByTheirHints)
{
    form->command(Command::ViewTransactionLog)->trigger();
    auto* log = form->findChild<TTransLog*>("TransLog");
    ASSERT_NE(log, nullptr);
    QStringList names;
    for (const char* b : {"Cancel", "TBHelp", "Okay", "ToolButton1"})
        names << spoken(testenv::control<QWidget>(log, b));
    EXPECT_EQ(names, QStringList({"Clear", "Print", "Okay", "Help"}));

    QDialog dialog;
    DialogToolBar bar(&dialog);
    names.clear();
    for (QAction* a : bar.actions())
        names << spoken(bar.widgetForAction(a));
    EXPECT_EQ(names, QStringList({"Okay", "Cancel", "Help"}));
    EXPECT_EQ(bar.widgetForAction(bar.cancel())->toolTip(), "Clear");
}
