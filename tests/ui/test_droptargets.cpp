// Drops onto the main window offscreen: synthetic drag-enter, drag-move and drop events
// sent to the named panes and slots, the country selector's command and its close.
#include "Defs.h"
#include "Forms/TCurrencySelector.h"
#include "Forms/THelpWindow.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "common/TestEnv.h"
#include "components/ZYMTreeView.h"
#include "support/Messenger.h"

#include <QAction>
#include <QCursor>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTextBrowser>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DropWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        testenv::freshWorkDir();
        testenv::installSampleData();
        testenv::writeBytes("UserDefined.dat", "<KRTISO>MNL</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>Moonland</KRTCOUNTRY>"
                                               "<KRTDENOM>Moons</KRTDENOM>\r\n");
        form = std::make_unique<TForm1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        said.clear();
    }
    void TearDown() override
    {
        if (form)
            form->close();
        form.reset();
    }
    QWidget* control(const QString& name) { return form->findChild<QWidget*>(name); }

    // Drag-enter and drag-move over a control: whether both were accepted.
    bool dragOver(const QString& name, const QString& country = "France")
    {
        QWidget* w = control(name);
        if (!w)
            ADD_FAILURE() << "no control " << name.toStdString();
        QMimeData data;
        data.setText(country);
        const QPoint at = w->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
        return enter.isAccepted() && move.isAccepted();
    }
    // A drop goes where the drag last entered and was accepted, as in a real drag.
    bool drop(const QString& name, const QString& country)
    {
        QMimeData data;
        data.setText(country);
        QWidget* w = control(name);
        QDragEnterEvent enter(w->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent e(QPointF(w->rect().center()), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
        return e.isAccepted();
    }
    QString text(const QString& name)
    {
        if (auto* l = form->findChild<QLabel*>(name))
            return l->text();
        return form->findChild<QPushButton*>(name)->text();
    }
    QImage picture(const QString& name) { return form->findChild<QLabel*>(name)->pixmap().toImage(); }
    void typeSeven() { form->session().calculator().OnNumeric("7"); }

    ScriptedMessenger said;
    MessengerScope scope{&said};
    std::unique_ptr<TForm1> form;
};

} // namespace

TEST_F(DropWindowTest, OnlyThePaneWithTheHomeCurrencyAcceptsAndSlotsAlwaysDo)
{
    const QStringList home = {"Panel2", "homeImage", "homecountry"};
    const QStringList foreign = {"Panel3", "localimage", "localcountry"};
    for (bool reverse : {false, true}) {
        form->session().state().reverseMode = reverse;
        for (const QString& n : home)
            EXPECT_EQ(dragOver(n), !reverse) << n.toStdString() << reverse;
        for (const QString& n : foreign)
            EXPECT_EQ(dragOver(n), reverse) << n.toStdString() << reverse;
        for (int slot : {1, 8, 16}) {
            EXPECT_TRUE(dragOver(QString("Button%1").arg(slot)));
            EXPECT_TRUE(dragOver(QString("Image%1").arg(slot)));
        }
    }
    // A drag that carries no name is not a country.
    EXPECT_FALSE(dragOver("Button1", ""));
}

TEST_F(DropWindowTest, DropsReachThePanesAndSlotsAndClearTheDisplay)
{
    typeSeven();
    ASSERT_TRUE(drop("homecountry", "Unt. Kingdom"));
    EXPECT_EQ(text("homecountry"), "Unt. Kingdom");
    EXPECT_EQ(text("displaycurrency"), "GBP");
    EXPECT_EQ(text("calcdisplay"), "0");
    EXPECT_EQ(picture("homeImage").size(), QSize(35, 20));

    form->session().state().reverseMode = true;
    ASSERT_TRUE(drop("localimage", "France"));
    EXPECT_EQ(text("localcountry"), "France");

    // Slot 5 of tab 2, by its button; slot 6 by its picture, with the same result.
    form->findChild<QTabBar*>("TabControl1")->setCurrentIndex(2);
    typeSeven();
    ASSERT_TRUE(drop("Button5", "France"));
    EXPECT_EQ(text("calcdisplay"), "0");
    typeSeven();
    ASSERT_TRUE(drop("Image6", "France"));
    EXPECT_EQ(text("calcdisplay"), "0");
    EXPECT_EQ(form->session().layout().at(2, 5), "France");
    EXPECT_EQ(form->session().layout().at(2, 6), "France");
    EXPECT_EQ(text("Button6"), text("Button5"));
    EXPECT_EQ(picture("Image6"), picture("Image5"));

    // A user-defined currency shows the banknote; a name no longer in the table is refused.
    ASSERT_TRUE(drop("Image1", "Moonland"));
    EXPECT_EQ(picture("Image1").size(), QSize(35, 20));
    EXPECT_NE(picture("Image1"), picture("Image5"));
    EXPECT_FALSE(drop("Button7", "Atlantis"));
    EXPECT_TRUE(text("Button7").isEmpty());
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(DropWindowTest, MissingLibraryReportsAndClosesTheWindowAfterSaving)
{
    ASSERT_TRUE(QFile::remove(Defs::kResourceLibrary));
    EXPECT_FALSE(drop("homecountry", "France"));
    EXPECT_EQ(said.errors(), QStringList({"Error: Unable to load resource dll - Home dropError: Unable to Complete "
                                          "Drag & drop."}));
    // The window closes once the drop has finished, through its ordinary close.
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_EQ(form->closeSteps().value(0), "SaveSettings");
}

TEST_F(DropWindowTest, CountryListReplacesTheSelectorAtThePointerAndClosesWithTheWindow)
{
    QAction* list = form->command(Command::CountryDragList);
    ASSERT_TRUE(list);
    QCursor::setPos(QPoint(100, 120));
    list->trigger();
    QPointer<TCurrencySelector> first = form->findChild<TCurrencySelector*>();
    ASSERT_TRUE(first);
    QCursor::setPos(QPoint(300, 200));
    list->trigger();
    EXPECT_FALSE(first);
    EXPECT_EQ(form->findChildren<TCurrencySelector*>().size(), 1);
    QPointer<TCurrencySelector> second = form->findChild<TCurrencySelector*>();
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->frameGeometry().topLeft(), QCursor::pos());
    // The tree is the table's as it is now.
    EXPECT_FALSE(second->TV->findItems("France (0.94 EUR)", Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    // Help opens the selector's own page.
    QDir().mkpath("help");
    QFile::copy(testenv::sourceDir() + "/share/help/IDH_region.html", "help/IDH_region.html");
    second->findChild<QAction*>("ActionHelp")->trigger();
    auto* help = form->findChild<THelpWindow*>("HelpWindow");
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->Browser->toPlainText().contains("The country list"));
    EXPECT_TRUE(said.shown.empty());

    form->close();
    EXPECT_FALSE(second);
}
