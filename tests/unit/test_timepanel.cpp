// The time panel's arithmetic: what the lists and buttons show for a time, the time they
// name, the am/pm shift and the span to another time.
#include "support/TimePanel.h"
#include "common/TestEnv.h"
#include "support/Errors.h"

#include <gtest/gtest.h>

using namespace TimePanel;

namespace {
constexpr qint64 hm(int h, int m, int s = 0, int ms = 0) { return h * kMsPerHour + m * 60000 + s * 1000 + ms; }
} // namespace

TEST(TimePanel, ShowsNamesShiftsAndSpansTimesOfDay)
{
    // FormatTime: hour entry, minute entry, pm down; the 12-hour lists start at "01".
    struct Shows { qint64 t; bool twelve; QString hour, minute; bool pm; };
    for (const Shows& c : {Shows{hm(0, 30), true, "12", "30", false}, Shows{hm(12, 30), true, "12", "30", true},
                           Shows{hm(11, 59), true, "11", "59", false}, Shows{hm(13, 5), true, "01", "05", true},
                           Shows{hm(0, 0) - kHalfDay, true, "12", "00", true}, Shows{hm(23, 1), false, "23", "01", true}}) {
        const Shown s = FormatTime(c.t, c.twelve);
        EXPECT_EQ(HourEntries(c.twelve).value(s.hourIndex), c.hour) << c.t;
        EXPECT_EQ(MinuteEntries().value(s.minuteIndex), c.minute) << c.t;
        EXPECT_EQ(s.pm, c.pm) << c.t;
    }
    // The lists name a time: "07" with pm down is 19:xx; "12" am is midnight, "12" pm noon.
    EXPECT_EQ(ChangeHours("07", "15", true, true), hm(19, 15));
    EXPECT_EQ(ChangeHours("12", "00", true, false), hm(0, 0));
    EXPECT_EQ(ChangeHours("12", "45", true, true), hm(12, 45));
    EXPECT_EQ(ChangeHours("00", "09", false, true), hm(0, 9));
    EXPECT_EQ(ChangeMinutes(hm(19, 15, 42), "59"), hm(19, 59));
    EXPECT_THROW(ChangeHours("x7", "15", true, true), VemoxError);
    EXPECT_THROW(ChangeMinutes(0, "60"), VemoxError);

    // am/pm: the other half shifts by twelve hours, past midnight too; the half already down
    // changes nothing.
    EXPECT_EQ(AmPmClick(hm(9, 0), true), hm(21, 0));
    EXPECT_EQ(AmPmClick(hm(21, 0), false), hm(9, 0));
    EXPECT_EQ(AmPmClick(hm(9, 0), false), std::nullopt);
    EXPECT_EQ(AmPmClick(hm(21, 0), true), std::nullopt);

    // CalculateHours: 22:00 to 02:00 is 3:59:59.059; equal is 0; later is the plain difference.
    EXPECT_EQ(CalculateHours(hm(22, 0), hm(2, 0)), hm(3, 59, 59, 59));
    EXPECT_EQ(CalculateHours(hm(8, 0), hm(8, 0)), 0);
    EXPECT_EQ(CalculateHours(hm(8, 0), hm(17, 30)), hm(9, 30));
    EXPECT_EQ(ToDateTime(FromDateTime(QDateTime(QDate(2026, 3, 29), QTime(2, 30)))).time(), QTime(2, 30));
}
