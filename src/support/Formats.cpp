#include "support/Formats.h"
#include "support/Errors.h"
#include "support/Translate.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <locale.h>
#include <vector>

FormatSettings& FormatSettings::current()
{
    static FormatSettings settings;
    return settings;
}

SeparatorScope::SeparatorScope()
    : thousand_(FormatSettings::current().thousandSeparator),
      decimal_(FormatSettings::current().decimalSeparator)
{
    FormatSettings::current().thousandSeparator = QLatin1Char(',');
    FormatSettings::current().decimalSeparator = QLatin1Char('.');
}

SeparatorScope::~SeparatorScope()
{
    FormatSettings::current().thousandSeparator = thousand_;
    FormatSettings::current().decimalSeparator = decimal_;
}

namespace Formats {

int decimalPlaces(int stored) { return stored >= 2 && stored <= 6 ? stored : 2; }

QString numberFormatForDecimals(int decimals)
{
    const QString zeros(decimalPlaces(decimals), QLatin1Char('0'));
    return QStringLiteral("#,##0.%1;(#,##0.%1)").arg(zeros);
}

QString shortDateFormatForChoice(int choice)
{
    switch (choice) {
    case 1: return QStringLiteral("mm/dd/yyyy");
    case 2: return QStringLiteral("yyyy/mm/dd");
    case 3: return QStringLiteral("yyyy/dd/mm");
    case 4: return QStringLiteral("dddddd");
    default: return QStringLiteral("dd/mm/yyyy");
    }
}

void applyPunctuationChoice(int choice)
{
    FormatSettings& fs = FormatSettings::current();
    fs.thousandSeparator = QLatin1Char(choice == 1 ? '.' : ',');
    fs.decimalSeparator = QLatin1Char(choice == 1 ? ',' : '.');
}

namespace {

// The C library's number conversions follow the process's locale, which the application
// takes from the desktop (a decimal comma under de_DE). Ours read and write a point whatever
// the desktop: while one lives, this thread converts in the C locale.
class CNumbers {
public:
    CNumbers() : previous_(uselocale(cLocale())) {}
    ~CNumbers() { uselocale(previous_); }
    CNumbers(const CNumbers&) = delete;
    CNumbers& operator=(const CNumbers&) = delete;

private:
    static locale_t cLocale()
    {
        // Null when it cannot be made; uselocale then changes nothing.
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t previous_;
};

struct Section {
    int decimals = 0;
    bool grouped = false;
    QString prefix, suffix;   // literal text around the digits, e.g. "(" and ")"
};

// Reads one section of a pattern: the digit placeholders, and literal text before and after.
Section parseSection(const QString& s)
{
    Section sec;
    int i = 0;
    const int n = static_cast<int>(s.size());
    auto isDigitChar = [](QChar c) { return c == '#' || c == '0' || c == ',' || c == '.'; };
    while (i < n && !isDigitChar(s[i]))
        sec.prefix += s[i++];
    bool afterPoint = false;
    while (i < n && isDigitChar(s[i])) {
        const QChar c = s[i++];
        if (c == '.')
            afterPoint = true;
        else if (c == ',' && !afterPoint)
            sec.grouped = true;
        else if (afterPoint && (c == '0' || c == '#'))
            ++sec.decimals;
    }
    sec.suffix = s.mid(i);
    return sec;
}

// The magnitude rounded to `decimals` places, nearest with ties away from zero, as the
// digits before and after the decimal point. The exact binary value is expanded far enough
// that a true tie is told from a value just below it.
void roundedDigits(long double magnitude, int decimals, QString& intPart, QString& fracPart)
{
    std::vector<char> buf(5000 + decimals);
    const CNumbers cNumbers;
    std::snprintf(buf.data(), buf.size(), "%.*Lf", decimals + 30, magnitude);
    QString s = QString::fromLatin1(buf.data());
    const auto dot = s.indexOf(QLatin1Char('.'));
    QString ip = s.left(dot);
    QString fp = s.mid(dot + 1);
    const bool up = fp.at(decimals) >= QLatin1Char('5');
    QString digits = ip + fp.left(decimals);
    if (up) {
        int k = static_cast<int>(digits.size()) - 1;
        while (k >= 0 && digits[k] == QLatin1Char('9')) {
            digits[k] = QLatin1Char('0');
            --k;
        }
        if (k < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[k] = QChar(digits[k].unicode() + 1);
    }
    intPart = digits.left(digits.size() - decimals);
    fracPart = digits.right(decimals);
}

QString group(const QString& digits, QChar sep)
{
    QString out;
    const int n = static_cast<int>(digits.size());
    out.reserve(n + n / 3);
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += digits[i];
    }
    return out;
}

} // namespace

QString formatFloat(const QString& pattern, long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const auto semi = pattern.indexOf(QLatin1Char(';'));
    const Section pos = parseSection(semi < 0 ? pattern : pattern.left(semi));
    const bool hasNeg = semi >= 0;
    const Section neg = hasNeg ? parseSection(pattern.mid(semi + 1)) : pos;

    const bool negative = std::signbit(value);
    const Section& sec = negative ? neg : pos;
    QString ip, fp;
    roundedDigits(std::fabs(value), sec.decimals, ip, fp);
    const bool zero = !ip.contains(QRegularExpression(QStringLiteral("[1-9]"))) &&
                      !fp.contains(QRegularExpression(QStringLiteral("[1-9]")));
    const FormatSettings& fs = FormatSettings::current();

    auto body = [&](const Section& s) {
        QString out = s.grouped ? group(ip, fs.thousandSeparator) : ip;
        if (s.decimals > 0)
            out += fs.decimalSeparator + fp;
        return out;
    };
    if (!negative || zero)
        return pos.prefix + body(pos) + pos.suffix;
    if (hasNeg)
        return neg.prefix + body(neg) + neg.suffix;
    return QLatin1Char('-') + pos.prefix + body(pos) + pos.suffix;
}

QString floatToStr(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    char buf[64];
    const CNumbers cNumbers;
    std::snprintf(buf, sizeof buf, "%.15g", value);
    QString s = QString::fromLatin1(buf);
    const auto e = s.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        // "1.5e-05" becomes "1.5E-5", "1e+20" becomes "1E20".
        const int exponent = s.mid(e + 1).toInt();
        s = s.left(e) + QLatin1Char('E') + QString::number(exponent);
    }
    s.replace(QLatin1Char('.'), FormatSettings::current().decimalSeparator);
    return s;
}

bool tryStrToFloat(const QString& text, double& out)
{
    const QChar dec = FormatSettings::current().decimalSeparator;
    const QString t = text.trimmed();
    QByteArray c;
    c.reserve(t.size());
    int i = 0;
    const int n = static_cast<int>(t.size());
    if (i < n && (t[i] == '+' || t[i] == '-'))
        c += static_cast<char>(t[i++].unicode());
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar ch = t[i];
        if (ch >= '0' && ch <= '9') {
            c += static_cast<char>(ch.unicode());
            ++digits;
        } else if (ch == dec && !point) {
            c += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            c += static_cast<char>(t[i++].unicode());
        int expDigits = 0;
        for (; i < n && t[i] >= '0' && t[i] <= '9'; ++i, ++expDigits)
            c += static_cast<char>(t[i].unicode());
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    const CNumbers cNumbers;
    const double v = std::strtod(c.constData(), nullptr);
    if (std::isinf(v))
        return false;
    out = v;
    return true;
}

double strToFloat(const QString& text)
{
    double v = 0;
    if (!tryStrToFloat(text, v))
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "'%1' is not a valid floating point value")).arg(text));
    return v;
}

int strToInt(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "'%1' is not a valid integer value")).arg(text));
    return v;
}

QString longDate(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::LongFormat);
}

QString formatDateTime(const QString& format, const QDateTime& when)
{
    const FormatSettings& fs = FormatSettings::current();
    const QDate d = when.date();
    const QTime t = when.time();
    const QLocale loc = QLocale::system();
    QString out;
    const int n = static_cast<int>(format.size());
    bool lastWasHour = false;
    auto run = [&](int i, QChar c) {
        int k = i;
        while (k < n && format[k].toLower() == c)
            ++k;
        return k - i;
    };
    for (int i = 0; i < n;) {
        const QChar ch = format[i];
        const QChar lc = ch.toLower();
        if (ch == '"' || ch == '\'') {
            const auto end = format.indexOf(ch, i + 1);
            const int stop = end < 0 ? n : static_cast<int>(end);
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lc == 'd') {
            const int len = run(i, QLatin1Char('d'));
            switch (len) {
            case 1: out += QString::number(d.day()); break;
            case 2: out += QStringLiteral("%1").arg(d.day(), 2, 10, QLatin1Char('0')); break;
            case 3: out += loc.dayName(d.dayOfWeek(), QLocale::ShortFormat); break;
            case 4: out += loc.dayName(d.dayOfWeek(), QLocale::LongFormat); break;
            case 5: out += fs.shortDateFormat.compare(QLatin1String("ddddd"), Qt::CaseInsensitive) == 0
                               ? longDate(d) : formatDateTime(fs.shortDateFormat, when); break;
            default: out += longDate(d); break;
            }
            i += len;
            lastWasHour = false;
        } else if (lc == 'm') {
            const int len = run(i, QLatin1Char('m'));
            if (lastWasHour && len <= 2) {
                out += len == 1 ? QString::number(t.minute())
                                : QStringLiteral("%1").arg(t.minute(), 2, 10, QLatin1Char('0'));
            } else {
                switch (len) {
                case 1: out += QString::number(d.month()); break;
                case 2: out += QStringLiteral("%1").arg(d.month(), 2, 10, QLatin1Char('0')); break;
                case 3: out += loc.monthName(d.month(), QLocale::ShortFormat); break;
                default: out += loc.monthName(d.month(), QLocale::LongFormat); break;
                }
            }
            i += len;
            lastWasHour = false;
        } else if (lc == 'y') {
            const int len = run(i, QLatin1Char('y'));
            out += len <= 2 ? QStringLiteral("%1").arg(d.year() % 100, 2, 10, QLatin1Char('0'))
                            : QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
            i += len;
            lastWasHour = false;
        } else if (lc == 'h' || lc == 'n' || lc == 's') {
            const int len = run(i, lc);
            const int v = lc == 'h' ? t.hour() : lc == 'n' ? t.minute() : t.second();
            out += len == 1 ? QString::number(v) : QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
            i += len;
            lastWasHour = lc == 'h';
        } else if (lc == 'z') {
            const int len = run(i, QLatin1Char('z'));
            out += len >= 3 ? QStringLiteral("%1").arg(t.msec(), 3, 10, QLatin1Char('0')) : QString::number(t.msec());
            i += len;
        } else if (ch == '/') {
            out += fs.dateSeparator;
            ++i;
        } else {
            out += ch;
            ++i;
        }
    }
    return out;
}

QString dateToStr(const QDate& date)
{
    return formatDateTime(FormatSettings::current().shortDateFormat, QDateTime(date, QTime(0, 0)));
}

QString timeToStr(const QTime& time)
{
    return formatDateTime(FormatSettings::current().longTimeFormat, QDateTime(QDate(1899, 12, 30), time));
}

namespace {
const QDate kEpoch(1899, 12, 30);
}

double dateTimeToDouble(const QDateTime& when)
{
    const double days = static_cast<double>(kEpoch.daysTo(when.date()));
    return days + when.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime doubleToDateTime(double days)
{
    const double whole = std::floor(days);
    const QDate date = kEpoch.addDays(static_cast<qint64>(whole));
    int ms = static_cast<int>(std::llround((days - whole) * 86400000.0));
    if (ms >= 86400000)
        ms = 86400000 - 1;
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(ms));
}

} // namespace Formats
