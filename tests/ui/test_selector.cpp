// The country selector offscreen: its tree, where drags start and where they do not, and
// that the tree takes no drops itself.
#include "Forms/TCurrencySelector.h"
#include "components/ZYMTreeView.h"
#include "data/CountryTree.h"
#include "support/Messenger.h"

#include <QAction>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SelectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.Append(std::make_unique<CCurrencyData>(1.1, "Europe", "France", "EUR", "Euros", 2));
        table.Append(std::make_unique<CCurrencyData>(0.0, "Europe", "Ruritania", "RUR", "Crowns", 5));
        table.Append(std::make_unique<CCurrencyData>(600, "Central Africa", "Chad", "XAF", "Francs", 7));
        selector = std::make_unique<TCurrencySelector>(table, nullptr);
        tv = selector->findChild<ZYMTreeView*>("TV");
        ASSERT_TRUE(tv);
        tv->execDrag = [this](QDrag* d) { dragged << d->mimeData()->text(); };
        tv->expandAll();
        selector->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(selector.get()));
    }

    QTreeWidgetItem* item(const QString& text)
    {
        const auto found = tv->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, at, tv->viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(tv->viewport(), &e);
    }
    // Press on a node, move by (dx, dy) with the button held, release.
    void dragFrom(const QString& text, int dx, int dy, Qt::MouseButton button = Qt::LeftButton)
    {
        tv->scrollToItem(item(text));
        const QPoint at = tv->visualItemRect(item(text)).center();
        mouse(QEvent::MouseButtonPress, at, button, button);
        for (int step = 1; step <= 4; ++step)
            mouse(QEvent::MouseMove, at + QPoint(dx * step / 4, dy * step / 4), Qt::NoButton, button);
        mouse(QEvent::MouseButtonRelease, at + QPoint(dx, dy), button, Qt::NoButton);
    }

    ScriptedMessenger said;
    MessengerScope scope{&said};
    CurrencyTable table;
    std::unique_ptr<TCurrencySelector> selector;
    ZYMTreeView* tv = nullptr;
    QStringList dragged;
};

} // namespace

TEST_F(SelectorTest, TreeShowsTheTableAndRefusesDropsOntoItself)
{
    EXPECT_EQ(tv->topLevelItemCount(), 9);
    EXPECT_EQ(tv->indentation(), 19);
    ASSERT_TRUE(item("Chad (600 XAF)"));
    EXPECT_EQ(item("Chad (600 XAF)")->parent()->text(0), "Central Africa");
    EXPECT_FALSE(item("Ruritania")->icon(0).isNull());

    QMimeData data;
    data.setText("France");
    const QPoint at = tv->visualItemRect(item("Europe")).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tv->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(SelectorTest, DragStartsOnlyAfterALongMoveWithTheLeftButtonOnACountryWithARate)
{
    dragFrom("France (1.1 EUR)", 50, 0);
    dragFrom("France (1.1 EUR)", 0, -60);
    dragFrom("France (1.1 EUR)", 150, 0, Qt::RightButton);
    dragFrom("Europe", 150, 0);
    dragFrom("Ruritania", 0, 0, Qt::RightButton);
    EXPECT_TRUE(dragged.isEmpty());
    EXPECT_TRUE(said.shown.empty());
    // The drag carries the country's name, not the node's text.
    dragFrom("France (1.1 EUR)", 120, 0);
    dragFrom("Chad (600 XAF)", 0, 100);
    EXPECT_EQ(dragged, QStringList({"France", "Chad"}));

    // Without a rate: the three-line message with the error icon, and no drag.
    dragFrom("Ruritania", 200, 0);
    EXPECT_EQ(dragged.size(), 2);
    ASSERT_EQ(said.shown.size(), 1u);
    EXPECT_EQ(said.shown[0].kind, ScriptedMessenger::Kind::MessageDialog);
    EXPECT_EQ(said.shown[0].icon, Messenger::Icon::Error);
    EXPECT_EQ(said.shown[0].text.count('\n'), 2);
}

TEST_F(SelectorTest, OkayHidesAndKeepsTheWindow)
{
    QAction* okay = selector->findChild<QAction*>("ActionOkay");
    ASSERT_TRUE(okay);
    okay->trigger();
    EXPECT_FALSE(selector->isVisible());
    EXPECT_EQ(selector->findChild<ZYMTreeView*>("TV"), tv);
}
