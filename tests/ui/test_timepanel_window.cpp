// The time panel in a test window: the lists and buttons follow the time, and the operator's
// choices change it and fire OnChange.
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "components/ZYMTimePanelComponent.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using testenv::control;

TEST(TimePanelWindow, ListsAndButtonsFollowAndChangeTheTime)
{
    QWidget window;
    auto* panel = new ZYMTimePanelComponent(&window);
    panel->DisplayAs12hrs(true);
    panel->SetTime(QDateTime(QDate(2026, 12, 9), QTime(0, 30)));
    window.show();
    auto* hours = control<QComboBox>(panel, "hoursList");
    auto* pm = control<QToolButton>(panel, "pmButton");
    QSignalSpy changes(panel, &ZYMTimePanelComponent::OnChange);
    EXPECT_EQ(hours->currentText(), "12");
    EXPECT_TRUE(control<QToolButton>(panel, "amButton")->isChecked());

    QTest::mouseClick(pm, Qt::LeftButton);
    EXPECT_EQ(panel->GetTime(), QDateTime(QDate(2026, 12, 9), QTime(12, 30)));
    QTest::mouseClick(pm, Qt::LeftButton); // already pm: no shift
    hours->setCurrentIndex(hours->findText("07"));
    EXPECT_EQ(panel->GetTime().time(), QTime(19, 30));
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(panel->CalculateHoursMs(QDateTime(QDate(1899, 12, 30), QTime(21, 0))), 90 * 60000);

    panel->DisplayAs12hrs(false);
    EXPECT_FALSE(pm->isVisible());
    EXPECT_EQ(panel->width(), 99);
    EXPECT_EQ(hours->currentText(), "19");
}
