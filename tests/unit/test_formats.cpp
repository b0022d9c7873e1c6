// Number and date conversions under the process-wide format settings.
#include "common/TestEnv.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/Messenger.h"

#include <gtest/gtest.h>
#include <cfloat>
#include <cmath>

using namespace Formats;

namespace {
// Every test starts from the default punctuation and dates, and leaves them so.
class FormatsTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = FormatSettings::current(); FormatSettings::current() = FormatSettings(); }
    void TearDown() override { FormatSettings::current() = saved_; }
    void europeanPunctuation()
    {
        FormatSettings::current().thousandSeparator = QLatin1Char('.');
        FormatSettings::current().decimalSeparator = QLatin1Char(',');
    }
    FormatSettings saved_;
};
const QString p2 = numberFormatForDecimals(2);
const QString p4 = numberFormatForDecimals(4);
} // namespace

TEST_F(FormatsTest, PatternsByDecimalPlaces)
{
    EXPECT_EQ(numberFormatForDecimals(2), "#,##0.00;(#,##0.00)");
    EXPECT_EQ(numberFormatForDecimals(6), "#,##0.000000;(#,##0.000000)");
    EXPECT_EQ(numberFormatForDecimals(7), "#,##0.00;(#,##0.00)");
    EXPECT_EQ(numberFormatForDecimals(1), "#,##0.00;(#,##0.00)");
    EXPECT_EQ(kDefaultNumberFormat, numberFormatForDecimals(2));
}

TEST_F(FormatsTest, FormatsAmountsWithGroupingAndParentheses)
{
    EXPECT_EQ(formatFloat(p4, 2.5L), "2.5000");
    EXPECT_EQ(formatFloat(p4, -1234.5L), "(1,234.5000)");
    EXPECT_EQ(formatFloat(p2, 0.0L), "0.00");
    EXPECT_EQ(formatFloat(p2, -0.0L), "0.00");
    EXPECT_EQ(formatFloat(p2, 999.0L), "999.00");
    EXPECT_EQ(formatFloat(p2, 1000.0L), "1,000.00");
    EXPECT_EQ(formatFloat(p2, 1234567.891L), "1,234,567.89");
    EXPECT_EQ(formatFloat(p2, -5.0L), "(5.00)");
    EXPECT_EQ(formatFloat(numberFormatForDecimals(6), 1.0L / 3.0L), "0.333333");
}

TEST_F(FormatsTest, SeparatorsFollowTheSettings)
{
    europeanPunctuation();
    EXPECT_EQ(formatFloat(p2, 1234.5L), "1.234,50");
    EXPECT_EQ(formatFloat(p2, -1234567.5L), "(1.234.567,50)");
    EXPECT_EQ(floatToStr(2.5), "2,5");
}

TEST_F(FormatsTest, RoundsAtTheLastDecimalTiesAwayFromZero)
{
    EXPECT_EQ(formatFloat(p2, 0.125L), "0.13");      // an exact tie goes up
    EXPECT_EQ(formatFloat(p2, -0.125L), "(0.13)");   // and away from zero when negative
    EXPECT_EQ(formatFloat(p2, 2.5L), "2.50");
    EXPECT_EQ(formatFloat(p4, 0.03125L), "0.0313");   // exact tie at the fourth decimal
    EXPECT_EQ(formatFloat(p4, 0.015625L), "0.0156");
    EXPECT_EQ(formatFloat(p2, 0.0051L), "0.01");
    EXPECT_EQ(formatFloat(p2, 0.005L), "0.00");       // 0.005L lies just below the tie
    EXPECT_EQ(formatFloat(p2, 9.995L), "9.99");       // and so does 9.995L
    EXPECT_EQ(formatFloat(p2, 9.9951L), "10.00");
    EXPECT_EQ(formatFloat(p2, 999.999L), "1,000.00"); // a carry through every digit adds a group
    EXPECT_EQ(formatFloat(p2, 1.005), "1.00");        // the double 1.005 lies below 1.005
    EXPECT_EQ(formatFloat(p4, 0.00005L), "0.0001");   // 0.00005L lies just above
}

TEST_F(FormatsTest, VeryLargeAndVerySmallValues)
{
    EXPECT_EQ(formatFloat(p2, 1e15L), "1,000,000,000,000,000.00");
    const QString huge = formatFloat(p2, static_cast<long double>(DBL_MAX));
    EXPECT_TRUE(huge.startsWith("179,769,313,486,231,570,"));
    EXPECT_TRUE(huge.endsWith(".00"));
    EXPECT_EQ(formatFloat(p2, 1e-300L), "0.00");
    EXPECT_EQ(formatFloat(p2, -1e-300L), "0.00");
    EXPECT_EQ(formatFloat(p2, INFINITY), "INF");
    EXPECT_EQ(formatFloat(p2, NAN), "NAN");
}

TEST_F(FormatsTest, PlainTextOfADouble)
{
    EXPECT_EQ(floatToStr(5), "5");
    EXPECT_EQ(floatToStr(2.5), "2.5");
    EXPECT_EQ(floatToStr(-0.25), "-0.25");
    EXPECT_EQ(floatToStr(0.1 + 0.2), "0.3");              // 15 significant digits
    EXPECT_EQ(floatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(floatToStr(1e20), "1E20");
    EXPECT_EQ(floatToStr(1.5e-5), "1.5E-5");
    EXPECT_EQ(floatToStr(1234.5), "1234.5");              // no thousands separator
}

TEST_F(FormatsTest, TextToNumber)
{
    EXPECT_DOUBLE_EQ(strToFloat("5"), 5);
    EXPECT_DOUBLE_EQ(strToFloat("005"), 5);
    EXPECT_DOUBLE_EQ(strToFloat("5."), 5);
    EXPECT_DOUBLE_EQ(strToFloat("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(strToFloat(" -1.25 "), -1.25);
    EXPECT_DOUBLE_EQ(strToFloat("1.5E3"), 1500);
    for (const char* bad : {"", "5..", "5.2.", "1,234.5", "(5.00)", "abc", "1e", "--1", "Infinity Error", "1e999"})
        EXPECT_THROW(strToFloat(QString::fromLatin1(bad)), VemoxError) << bad;
    try {
        strToFloat("x1");
        FAIL();
    } catch (const VemoxError& e) {
        EXPECT_EQ(e.message(), "'x1' is not a valid floating point value");
    }
    europeanPunctuation();
    EXPECT_DOUBLE_EQ(strToFloat("0,5"), 0.5);
    EXPECT_THROW(strToFloat("0.5"), VemoxError);
}

TEST_F(FormatsTest, SeparatorScopeRestoresOnEveryPath)
{
    europeanPunctuation();
    try {
        SeparatorScope scope;
        EXPECT_EQ(FormatSettings::current().decimalSeparator, QLatin1Char('.'));
        EXPECT_DOUBLE_EQ(strToFloat("1.5372"), 1.5372);
        throw VemoxError("fail");
    } catch (const VemoxError&) {
    }
    EXPECT_EQ(FormatSettings::current().decimalSeparator, QLatin1Char(','));
    EXPECT_EQ(FormatSettings::current().thousandSeparator, QLatin1Char('.'));
}

TEST_F(FormatsTest, ShortDateFormats)
{
    const QDate d(2026, 3, 7);
    auto with = [&](const char* fmt) {
        FormatSettings::current().shortDateFormat = QString::fromLatin1(fmt);
        return dateToStr(d);
    };
    EXPECT_EQ(with("dd/mm/yyyy"), "07/03/2026");
    EXPECT_EQ(with("mm/dd/yyyy"), "03/07/2026");
    EXPECT_EQ(with("yyyy/mm/dd"), "2026/03/07");
    EXPECT_EQ(with("yyyy/dd/mm"), "2026/07/03");
    EXPECT_EQ(with("dddddd"), longDate(d));
    EXPECT_TRUE(longDate(d).contains("2026"));
    FormatSettings::current().dateSeparator = QLatin1Char('-');
    EXPECT_EQ(with("dd/mm/yyyy"), "07-03-2026");
}

TEST_F(FormatsTest, TimesAndCombinedFormats)
{
    const QDateTime t(QDate(2026, 12, 9), QTime(7, 5, 9));
    EXPECT_EQ(timeToStr(t.time()), "07:05:09");
    EXPECT_EQ(formatDateTime("dddddd hh:nn", t), longDate(t.date()) + " 07:05");
    EXPECT_EQ(formatDateTime("ddddd", t), "09/12/2026");
    EXPECT_EQ(formatDateTime("hh:mm", t), "07:05");          // m after h is the minute
    EXPECT_EQ(formatDateTime("\"at\" h", t), "at 7");
}

TEST_F(FormatsTest, DateTimeAsDaysSince1899)
{
    EXPECT_DOUBLE_EQ(dateTimeToDouble(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(dateTimeToDouble(QDateTime(QDate(1900, 1, 1), QTime(12, 0))), 2.5);
    EXPECT_DOUBLE_EQ(dateTimeToDouble(QDateTime(QDate(2026, 12, 9), QTime(18, 0))), 46365.75);
    const QDateTime t(QDate(2026, 12, 9), QTime(7, 5, 9, 250));
    EXPECT_EQ(doubleToDateTime(dateTimeToDouble(t)), t);
}

TEST(ErrorBoxText, FullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(errorBoxText("Missing file"), "Missing file.");
    EXPECT_EQ(errorBoxText("Done."), "Done.");
    EXPECT_EQ(errorBoxText("Really!"), "Really!");       // '!' sorts before '.'
    EXPECT_EQ(errorBoxText("Path /"), "Path /.");        // '/' sorts after '.'
    EXPECT_EQ(errorBoxText("zym"), "zym.");
    EXPECT_EQ(errorBoxText(""), "");
}
