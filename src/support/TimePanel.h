#pragma once
// The arithmetic of the time panel: a time of day entered with an hours list, a minutes list
// and, in the 12-hour display, an am and a pm button. The panel keeps a date-time, of which
// only the time of day is shown; it is held here as milliseconds since the date-time epoch
// (30 December 1899, 00:00), so that 12-hour shifts past midnight move the date as well.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace TimePanel {

inline constexpr qint64 kMsPerHour = 3600000;
inline constexpr qint64 kMsPerDay = 24 * kMsPerHour;
inline constexpr qint64 kHalfDay = 12 * kMsPerHour;
// The end of a day for CalculateHours: 23:59:59.059, fifty-nine milliseconds past the last
// second, not a full day.
inline constexpr qint64 kEndOfDay = kMsPerDay - 1000 + 59;

qint64 FromDateTime(const QDateTime& value);
QDateTime ToDateTime(qint64 ms);
int HourOf(qint64 ms);
int MinuteOf(qint64 ms);

// FillCBs: "01".."12" in the 12-hour display, "00".."23" otherwise; minutes "00".."59".
QStringList HourEntries(bool twelveHour);
QStringList MinuteEntries();

// FormatTime: the list positions to select and which half is down.
struct Shown {
    int hourIndex = 0;
    int minuteIndex = 0;
    bool pm = false;
};
Shown FormatTime(qint64 ms, bool twelveHour);

// OnCBChangeHrs: the time the two lists name, seconds zero. A text that is not a number, or
// names no hour or minute, raises VemoxError.
qint64 ChangeHours(const QString& hourText, const QString& minuteText, bool twelveHour, bool pm);
// OnCBChangeMins: the current hour with the listed minute, seconds zero.
qint64 ChangeMinutes(qint64 ms, const QString& minuteText);
// ampmButtonClick: am takes twelve hours off, pm adds twelve. A click on the half already
// down changes nothing (no value): a pressed button stays what it says.
std::optional<qint64> AmPmClick(qint64 ms, bool pmButton);

// The span from start to end: 0 when equal, end minus start when end is later, otherwise
// kEndOfDay minus (start minus end).
qint64 CalculateHours(qint64 start, qint64 end);

} // namespace TimePanel
