#include "support/TimePanel.h"
#include "support/Errors.h"
#include "support/Translate.h"

namespace TimePanel {

namespace {

const QDateTime& epoch()
{
    static const QDateTime e(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return e;
}

qint64 timeOfDay(qint64 ms) { return ((ms % kMsPerDay) + kMsPerDay) % kMsPerDay; }

int number(const QString& text, int low, int high)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "'%1' is not a valid integer value")).arg(text));
    if (n < low || n > high)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "'%1' is not a valid time")).arg(text));
    return n;
}

QStringList twoDigits(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return list;
}

} // namespace

qint64 FromDateTime(const QDateTime& value)
{
    return epoch().msecsTo(QDateTime(value.date(), value.time(), Qt::UTC));
}

QDateTime ToDateTime(qint64 ms)
{
    const QDateTime utc = epoch().addMSecs(ms);
    return QDateTime(utc.date(), utc.time());
}

int HourOf(qint64 ms) { return int(timeOfDay(ms) / kMsPerHour); }
int MinuteOf(qint64 ms) { return int(timeOfDay(ms) % kMsPerHour / 60000); }

QStringList HourEntries(bool twelveHour) { return twelveHour ? twoDigits(1, 12) : twoDigits(0, 23); }
QStringList MinuteEntries() { return twoDigits(0, 59); }

Shown FormatTime(qint64 ms, bool twelveHour)
{
    const int h = HourOf(ms);
    Shown s;
    s.minuteIndex = MinuteOf(ms);
    s.pm = h >= 12;
    if (!twelveHour)
        s.hourIndex = h;
    else
        s.hourIndex = (h % 12 == 0 ? 12 : h % 12) - 1; // "01" is the first entry
    return s;
}

qint64 ChangeHours(const QString& hourText, const QString& minuteText, bool twelveHour, bool pm)
{
    int h = twelveHour ? number(hourText, 1, 12) : number(hourText, 0, 23);
    const int m = number(minuteText, 0, 59);
    if (twelveHour)
        h = (h % 12) + (pm ? 12 : 0);
    return h * kMsPerHour + m * 60000;
}

qint64 ChangeMinutes(qint64 ms, const QString& minuteText)
{
    return HourOf(ms) * kMsPerHour + number(minuteText, 0, 59) * 60000;
}

std::optional<qint64> AmPmClick(qint64 ms, bool pmButton)
{
    if ((HourOf(ms) >= 12) == pmButton)
        return std::nullopt;
    return pmButton ? ms + kHalfDay : ms - kHalfDay;
}

qint64 CalculateHours(qint64 start, qint64 end)
{
    if (end == start)
        return 0;
    if (end > start)
        return end - start;
    return kEndOfDay - (start - end);
}

} // namespace TimePanel
