#pragma once
// Process-wide format settings and the conversions between numbers, dates and text.
// Every conversion in the program goes through here, so a change of punctuation or date
// format takes effect everywhere at once. Files with fixed number formats set "," and "."
// for the time being with SeparatorScope.
#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QString>

struct FormatSettings {
    QChar thousandSeparator = QLatin1Char(',');
    QChar decimalSeparator = QLatin1Char('.');
    QString shortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString longTimeFormat = QStringLiteral("hh:nn:ss");
    QChar dateSeparator = QLatin1Char('/');

    static FormatSettings& current();
};

// Sets "," and "." and puts back the separators in force on entry, on every path out.
class SeparatorScope {
public:
    SeparatorScope();
    ~SeparatorScope();
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    QChar thousand_, decimal_;
};

namespace Formats {

// The default pattern of every computed amount.
inline const QString kDefaultNumberFormat = QStringLiteral("#,##0.00;(#,##0.00)");

// The decimal places a stored "Dp" stands for: 2 to 6 as they are, any other count 2. The
// amounts and the format dialog both follow it.
int decimalPlaces(int stored);
// The pattern "#,##0.00;(#,##0.00)" with decimalPlaces(decimals) decimals.
QString numberFormatForDecimals(int decimals);

// The short date format of a stored date format choice: 0 "dd/mm/yyyy", 1 "mm/dd/yyyy",
// 2 "yyyy/mm/dd", 3 "yyyy/dd/mm", 4 "dddddd" (the long date); any other "dd/mm/yyyy".
QString shortDateFormatForChoice(int choice);

// Sets the separators of a stored punctuation choice: 1 "." for thousands and "," for
// decimals, any other "," and ".".
void applyPunctuationChoice(int choice);

// Formats a value with a pattern of the form "#,##0.<zeros>;(#,##0.<zeros>)": thousands
// separator every three digits, exactly that many decimals (nearest, ties away from zero),
// a negative amount without its sign in parentheses. "," and "." stand for the current
// separators. Infinity and NaN come out as "INF", "-INF" and "NAN".
QString formatFloat(const QString& pattern, long double value);

// Up to 15 significant digits, the current decimal separator, no thousands separator,
// no trailing zeros: 5 gives "5", 2.5 gives "2.5", 1e20 gives "1E20".
QString floatToStr(double value);

// Text to number under the current decimal separator: optional blanks around, an optional
// sign, digits with at most one decimal separator, an optional exponent. Anything else
// raises VemoxError ("'x' is not a valid floating point value").
double strToFloat(const QString& text);
// The same, reporting failure instead of raising.
bool tryStrToFloat(const QString& text, double& out);

// Decimal integer text to number; raises VemoxError ("'x' is not a valid integer value").
int strToInt(const QString& text);

// Dates and times in the format codes of the settings: d dd ddd dddd ddddd dddddd m mm mmm
// mmmm yy yyyy h hh n nn s ss, "/" the date separator, ":" the time separator and text in
// quotes as it stands. "ddddd" is the short date format, "dddddd" the locale's long date.
QString formatDateTime(const QString& format, const QDateTime& when);
// The date in the current short date format.
QString dateToStr(const QDate& date);
// The time in the long time format "hh:nn:ss".
QString timeToStr(const QTime& time);
// The locale's long date, e.g. "Wednesday, 9 December 2026".
QString longDate(const QDate& date);

// A date-time as a double: days since 30 December 1899, the time of day as the fraction.
double dateTimeToDouble(const QDateTime& when);
QDateTime doubleToDateTime(double days);

} // namespace Formats
