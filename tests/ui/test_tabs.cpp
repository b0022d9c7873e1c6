// The currency buttons and their tabs on the main window offscreen, and the commission
// dialog reached from it: the wiring of each command, proved once.
#include "Defs.h"
#include "Forms/TCurrencyForm.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "Forms/common/DialogKit.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A library of 20 European countries ("Europe 01" ... "Europe 20", each flag of its own
// grey), two African ones of which one is central, and one of the Middle East.
void installLibrary()
{
    struct Row { QString region, country; };
    QList<Row> rows;
    for (int i = 20; i >= 1; --i)
        rows.append(Row{"Europe", QStringLiteral("Europe %1").arg(i, 2, 10, QLatin1Char('0'))});
    rows.append(Row{"North Africa", "Egypt"});
    rows.append(Row{"Central Africa", "Chad"});
    rows.append(Row{"Middle East", "Oman"});
    ResourceLibraryWriter w;
    w.AddString(Defs::kResCount, QString::number(rows.size()));
    QByteArray reply = "<KRTDATE>1 Dec 2026</KRTDATE>\r\n<KRTHOST>127.0.0.1/cgi-bin/DownLoad.cgi</KRTHOST>\r\n"
                       "<KRTHOST>127.0.0.1</KRTHOST>\r\n<KRTHOST>127.0.0.1</KRTHOST>\r\n";
    for (int i = 0; i < rows.size(); ++i) {
        const QString iso = QStringLiteral("X%1").arg(i, 2, 10, QLatin1Char('0'));
        w.AddString(Defs::kResRegion + i, rows[i].region);
        w.AddString(Defs::kResIso + i, iso);
        w.AddString(Defs::kResCountry + i, rows[i].country);
        w.AddString(Defs::kResDenomination + i, "Units");
        w.AddPicture(ResourceLibrary::FlagId(i), ResourcePicture{35, 20, QByteArray(35 * 20 * 3, char(10 * i + 5))});
        reply += "<KRTISO>" + iso.toLatin1() + "</KRTISO><KRTDATA>1.5</KRTDATA>\r\n";
    }
    QDir().mkpath("dll");
    w.Save(Defs::kResourceLibrary);
    testenv::writeBytes(Defs::kCurrencyFile, reply);
}

class TabsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        testenv::freshWorkDir();
        installLibrary();
        form = std::make_unique<TForm1>();
    }
    void TearDown() override
    {
        setModalRunner([](QDialog&) { return int(QDialog::Rejected); });
        form->close();
        form.reset();
    }
    template <typename T>
    T* ctl(const QString& name) const { return testenv::control<T>(form.get(), name); }
    QPushButton* button(int slot) const { return ctl<QPushButton>(QStringLiteral("Button%1").arg(slot)); }
    QImage flag(int slot) const { return ctl<QLabel>(QStringLiteral("Image%1").arg(slot))->pixmap().toImage(); }
    QTabBar* tabs() const { return ctl<QTabBar>("TabControl1"); }
    QStringList tabNames() const
    {
        QStringList out;
        for (int i = 0; i < tabs()->count(); ++i)
            out << tabs()->tabText(i);
        return out;
    }
    void loadEurope() { form->command(Command::Europe)->trigger(); }
    void clickTab(int tab) { QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(tab).center()); }
    QAction* item(const QString& menu, const QString& text)
    {
        for (QAction* a : ctl<QMenu>(menu)->actions())
            if (a->text() == text)
                return a;
        ADD_FAILURE() << "no item " << text.toStdString();
        return nullptr;
    }

    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST_F(TabsTest, SwitchingTabsByClickingShowsTheirSlotsAndFlags)
{
    loadEurope();
    EXPECT_EQ(button(1)->text(), "Europe 01");
    EXPECT_EQ(flag(1).pixelColor(3, 3), QColor(195, 195, 195));   // position 19 of the library
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    clickTab(1);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(button(1)->text(), "Europe 17");
    EXPECT_EQ(button(4)->text(), "Europe 20");
    EXPECT_EQ(flag(4).pixelColor(0, 0), QColor(5, 5, 5));
    EXPECT_EQ(button(5)->text(), "");
    EXPECT_TRUE(flag(5).isNull());

    clickTab(2);
    EXPECT_EQ(button(1)->text(), "");
    EXPECT_TRUE(flag(1).isNull());
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(TabsTest, RegionsLoadFromEachOfTheThreeMenus)
{
    // The Options menu runs the region actions themselves.
    QMenu* options = ctl<QMenu>("LoadDefaultFolders1");
    options->actions().at(5)->trigger();   // Middle East
    EXPECT_EQ(button(1)->text(), "Oman");
    EXPECT_EQ(tabNames().mid(0, 2), QStringList({"Middle East", "2"}));

    // The window popup goes by the tags of its items; a tag outside 1 to 7 means America.
    QAction* africa = item("LoadDefaultFolders2", "&Africa");
    clickTab(3);
    africa->trigger();
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(button(1)->text(), "Egypt");
    EXPECT_EQ(button(2)->text(), "");   // Chad is of Central Africa
    africa->setData(42);
    africa->trigger();
    EXPECT_EQ(tabNames().mid(0, 3), QStringList({"America 1", "America 2", "3"}));

    // The slot popup holds the region actions under "Load &Defaults".
    QMenu* slotMenu = ctl<QMenu>("LoadCountryDefaults");
    for (QAction* a : slotMenu->actions())
        if (a->menu() && a->text() == "Load &Defaults")
            a->menu()->actions().at(4)->trigger();   // Europe
    EXPECT_EQ(tabNames().mid(0, 5), QStringList({"Europe 1", "Europe 2", "Europe 3", "Europe 4", "5"}));
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(TabsTest, ShiftLeftPressEmptiesASlotAndNothingElseDoes)
{
    loadEurope();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(button(3), Qt::LeftButton);
    QTest::mousePress(button(3), Qt::RightButton, Qt::ShiftModifier);
    QTest::mouseRelease(button(3), Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(button(3)->text(), "Europe 03");
    EXPECT_EQ(form->session().layout().at(0, 3), "Europe 03");

    QTest::mouseClick(button(3), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(button(3)->text(), "");
    EXPECT_TRUE(flag(3).isNull());
    EXPECT_EQ(form->session().layout().at(0, 3), "");
    EXPECT_EQ(form->session().layout().ButtonAssignments.size(), 20);
}

TEST_F(TabsTest, DeleteCountryActsOnTheSlotOfThePopup)
{
    loadEurope();
    form->command(Command::DeleteButton)->trigger();   // no slot: nothing happens
    EXPECT_EQ(form->session().layout().ButtonAssignments.count(QString()), 0);

    emit button(7)->customContextMenuRequested(QPoint(2, 2));
    ctl<QMenu>("LoadCountryDefaults")->hide();
    form->command(Command::DeleteButton)->trigger();
    EXPECT_EQ(button(7)->text(), "");
    EXPECT_EQ(form->session().layout().at(0, 7), "");
    EXPECT_EQ(button(6)->text(), "Europe 06");
}

TEST_F(TabsTest, ClearingAsksFirstAndRenamingTakesAnyText)
{
    loadEurope();
    msgs.answers = {false};
    form->command(Command::ClearAllFolders)->trigger();
    ASSERT_EQ(msgs.shown.size(), 1u);
    EXPECT_EQ(msgs.shown[0].text, "Load Defaults\nThis will delete current settings!");
    EXPECT_EQ(button(1)->text(), "Europe 01");

    msgs.answers = {true};
    form->command(Command::ClearSelectedFolders)->trigger();
    EXPECT_EQ(button(1)->text(), "");
    EXPECT_EQ(tabNames().mid(0, 2), QStringList({"1", "Europe 2"}));
    EXPECT_EQ(form->session().layout().ButtonAssignments.size(), 20);

    msgs.inputs = {QString("Till")};
    form->command(Command::ChangeFolderName)->trigger();
    EXPECT_EQ(tabs()->tabText(0), "Till");
    msgs.inputs = {QString()};
    form->command(Command::ChangeFolderName)->trigger();
    EXPECT_EQ(tabs()->tabText(0), "");
    EXPECT_EQ(form->session().layout().tabName(0), "");

    msgs.answers = {true};
    form->command(Command::ClearAllFolders)->trigger();
    EXPECT_TRUE(form->session().layout().ButtonAssignments.isEmpty());
    EXPECT_EQ(tabNames(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

TEST_F(TabsTest, MissingLibraryKeepsTheCaptionsAndTheOldFlags)
{
    loadEurope();
    const QImage before = flag(1);
    QFile::rename(Defs::kResourceLibrary, "elsewhere.dll");
    clickTab(1);
    EXPECT_EQ(msgs.errors(), QStringList{"Error: Unable to load resource dll - rgx."});
    EXPECT_EQ(button(1)->text(), "Europe 17");
    EXPECT_EQ(flag(1), before);
}

TEST_F(TabsTest, CommissionDialogOpensFromTheToolsMenuAndStoresItsFields)
{
    bool seen = false;
    setModalRunner([&](QDialog& shown) {
        seen = true;
        auto* fee = testenv::control<MaskedNumberField>(&shown, "MCcashsellmin");
        fee->setFocus();
        fee->selectAll();
        QTest::keyClicks(fee, "2.5");
        testenv::control<QAction>(&shown, "ActionOkay")->trigger();
        return shown.result();
    });
    ctl<QAction>("CurrencyFormat1")->trigger();
    EXPECT_TRUE(seen);
    QStringList stored;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, stored, KEY_READ);
    ASSERT_EQ(stored.size(), 30);
    EXPECT_EQ(stored.at(9), "002.500");
}
