// Saved report files and the exports of a prepared receipt and log report.
#include "common/ReportFixture.h"
#include "common/TestEnv.h"
#include "report/ReportExport.h"
#include "report/ReportFile.h"
#include "support/Errors.h"

#include <QDataStream>
#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Report;

namespace {
QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}
using Records = QList<QStringList>;

// The records a reader meets in an export, each the list of its cells: CSV by its fields
// after the page number, HTML by its cells, text and PDF by their lines, cut where the
// heading's words start on the line that holds them.
Records records(const QString& path, const QStringList& heading)
{
    const QString ext = path.section('.', -1);
    const QByteArray bytes = testenv::readBytes(path);
    EXPECT_EQ(bytes.startsWith("\xEF\xBB\xBF"), ext == "csv");   // a spreadsheet reads it as UTF-8
    const QString text = ext == "pdf" ? pdfText(path) : QString::fromUtf8(bytes);
    const auto all = [](const QString& re, const QString& in) {
        QStringList found;
        for (auto it = QRegularExpression(re).globalMatch(in); it.hasNext(); found << it.next().captured(1)) {}
        return found;
    };
    Records out;
    for (const QString& row : all(ext == "csv" ? "(.+)\r\n" : "<tr>(.*?)</tr>", text))
        out << all(ext == "csv" ? R"re(,(?|"((?:[^"]|"")*)"|([^,"]*)))re" : "<td>(?:<b>)?(.*?)(?:</b>)?</td>", row);
    const QStringList lines = ext == "txt" || ext == "pdf" ? text.split(QRegularExpression("\r?\n|\f")) : QStringList();
    const QString head = heading.size() == 3 ? lines.filter(heading[0]).value(0) : QString();
    const qsizetype a = head.indexOf(heading.value(1)), b = head.indexOf(heading.value(2));
    for (const QString& line : lines)
        if (head.isEmpty() || !line.trimmed().isEmpty())   // pdftotext spaces out a table's rows
            out << (head.isEmpty() ? QStringList{line.trimmed()}
                                   : QStringList{line.left(a).trimmed(), line.mid(a, b - a).trimmed(), line.mid(b).trimmed()});
    return out;
}
} // namespace

TEST(ReportFile, LoadsBackTheSamePagesAndRefusesADamagedFile)
{
    const QString dir = testenv::freshWorkDir();
    const PageSet pages = testenv::preparedPages(TQuickReport1::TransactionLogReport, testenv::numberedLines(90));
    saveReportFile(dir + "/log.QRP", pages);
    const PageSet back = loadReportFile(dir + "/log.QRP");
    EXPECT_EQ(back, pages);
    EXPECT_EQ(pageTexts(back.pages.last()), pageTexts(pages.pages.last()));

    const QByteArray good = testenv::readBytes(dir + "/log.QRP");
    QByteArray later = good;
    later[5] = char(kReportFileVersion + 1);
    QByteArray flipped = good;
    flipped[good.size() / 2] = char(flipped[good.size() / 2] ^ 0x20);
    // Well formed, but asking for more than the program ever draws.
    const auto asking = [&](const std::function<void(PageSet&)>& change) {
        PageSet p = pages;
        change(p);
        return encodeReport(p);
    };
    const struct {
        QByteArray bytes;
        const char* says;
        const char* special = nullptr;   // a pipe, or a link to an endless device
    } damaged[] = {
        {"Transaction Log Date: 05/12/2003\r\n", "is not a Vemox report file"},
        {QByteArray(), "is not a Vemox report file"},
        {good.left(good.size() - 3), "is damaged or incomplete"},
        {good.left(40), "is damaged or incomplete"},
        {flipped, "is damaged or incomplete"},
        {good + "x", "is damaged or incomplete"},
        {later, "later version"},
        {asking([](PageSet& p) { p.pages[0].items[0].font.pointSize = 9000; }), "is damaged or incomplete"},
        {asking([](PageSet& p) { p.pages[0].items = QList<DrawItem>(2000, p.pages[0].items[0]); }),
         "is damaged or incomplete"},
        {asking([](PageSet& p) { p.pages = QList<Page>(100001); }), "is damaged or incomplete"},
        {{}, "is not a regular file", "fifo"},
        {{}, "is not a regular file", "/dev/zero"},
    };
    for (const auto& d : damaged) {
        QFile::remove(dir + "/bad.QRP");
        if (!d.special)
            testenv::writeBytes(dir + "/bad.QRP", d.bytes);
        else if (QByteArray(d.special) == "fifo")
            ASSERT_EQ(mkfifo(QFile::encodeName(dir + "/bad.QRP").constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link(d.special, dir + "/bad.QRP"));
        try {
            loadReportFile(dir + "/bad.QRP");
            ADD_FAILURE() << "loaded a damaged file: " << d.says;
        } catch (const VemoxError& e) {
            EXPECT_TRUE(e.message().contains(d.says)) << e.message().toStdString();
        }
    }
}

TEST(ReportExport, EveryExportOfATwoPageLogHoldsEveryLineOnce)
{
    const QString dir = testenv::freshWorkDir();
    const QStringList lines = testenv::numberedLines(90);
    const PageSet pages = testenv::preparedPages(TQuickReport1::TransactionLogReport, lines);
    ASSERT_EQ(pages.pages.size(), 2);
    const auto fileText = [](const QString& path) { return QString::fromLatin1(testenv::readBytes(path)); };
    const auto reportText = [](const QString& path) {
        QStringList all;
        for (const Page& page : loadReportFile(path).pages)
            all << pageTexts(page);
        return all.join('\n');
    };
    const struct {
        const char* name;
        std::function<QString(const QString&)> read;
    } formats[] = {{"log.QRP", reportText}, {"log.txt", fileText}, {"log.csv", fileText},
                   {"log.html", fileText}, {"log.pdf", pdfText}};
    for (int position = 0; position < int(std::size(formats)); ++position) {
        const QString path = dir + "/" + formats[position].name;
        // A chooser that names no filter (-1) leaves the format to the name's extension.
        ASSERT_EQ(saveReport(&pages, path, position % 2 ? position : -1), SaveOutcome::Saved) << path.toStdString();
        const QString text = formats[position].read(path);
        for (const QString& line : lines)
            ASSERT_EQ(text.count(line), 1) << path.toStdString() << ": " << line.toStdString();
    }
    // A field holding the separator is quoted whole.
    EXPECT_TRUE(fileText(dir + "/log.csv").contains("\r\n2,\"Line 090: 1,090.00 +\"\r\n"));
    // HTML is also saved under the short extension, chosen or left to the name.
    EXPECT_EQ(saveReport(&pages, dir + "/report.htm", 3), SaveOutcome::Saved);
    EXPECT_EQ(saveReport(&pages, dir + "/named.HTM", -1), SaveOutcome::Saved);
    EXPECT_EQ(saveReport(nullptr, dir + "/none.txt", 1), SaveOutcome::NoPages);
    EXPECT_FALSE(QFile::exists(dir + "/none.txt"));
}

// Every export of the receipt and of the log keeps each row of the page as one record with
// its cells in their columns, the empty ones too, and every character as printed.
TEST(ReportExport, EachRowOfThePageIsOneRecordWithItsCellsInTheirColumns)
{
    ReportSources sources;
    ReceiptCells& c = sources.cells;
    c.Currency1 = "Евро € (EUR)", c.Details1 = "1,234,567.89", c.Details2 = "0.86";
    c.Currency3 = "Рубль (RUB)", c.Details3 = "106,177.00";
    const auto receipt = [&sources](int printCols, const QSizeF& paper) {
        TQuickReport1 report;
        report.PrepareReport(TQuickReport1::CustomerReceipt, sources,
                             [&] { BannerSettings b; b.printCols = printCols; return b; }());
        return report.Pages(paper);
    };
    const QString line = "Обмен 100.00 € в рубли", wide = QString(250, 'x'), dir = testenv::freshWorkDir();
    const PageSet roll = receipt(1, {80, 297}), col40 = receipt(0, kA4Mm), log = testenv::preparedPages(TQuickReport1::TransactionLogReport, {line, "", wide});
    const Records table{{"Description", "Currency", "Details"}, {"Local Currency", "Евро € (EUR)", "1,234,567.89"},
                        {"Exchange Rate", "", "0.86"}};
    const Records all = table + Records{{"Converted Currency", "Рубль (RUB)", "106,177.00"}};
    const Records logged{{line}, {""}, {wide}}, printed{{line}, {""}};   // printed: as wide as the page
    const struct { const char* file; const PageSet& pages; Records want; } cases[] = {
        {"roll.txt", roll, all},   {"roll.csv", roll, all},   {"roll.html", roll, all},  {"roll.pdf", roll, all},
        {"col40.txt", col40, table}, {"col40.csv", col40, all}, {"col40.html", col40, all}, {"log.txt", log, printed},
        {"log.csv", log, logged},  {"log.html", log, logged}, {"log.pdf", log, printed}};
    for (const auto& k : cases) {
        ASSERT_EQ(saveReport(&k.pages, dir + "/" + k.file, -1), SaveOutcome::Saved) << k.file;
        const Records got = records(dir + "/" + k.file, k.want.first());
        EXPECT_EQ(got.mid(got.indexOf(k.want.first()), k.want.size()), k.want) << k.file;
    }
    // In 40 columns an amount of 12 characters is set in the type of the others.
    const auto size = [&](const char* t) { return std::ranges::find(col40.pages[0].items, t, &DrawItem::text)->font.pointSize; };
    EXPECT_EQ(size("1,234,567.89"), size("0.86"));
    // A new installation's receipt leaves out the address, as the options dialog shows it.
    for (const char* caption : {"Email:", "Phone:", "Fax:", "Website:"})
        EXPECT_FALSE(pageTexts(testenv::preparedPages(TQuickReport1::CustomerReceipt).pages[0]).contains(caption));
}
