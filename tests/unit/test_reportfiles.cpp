// Saved report files and the exports of a prepared log report.
#include "common/ReportFixture.h"
#include "common/TestEnv.h"
#include "report/ReportExport.h"
#include "report/ReportFile.h"
#include "support/Errors.h"

#include <QDataStream>
#include <QProcess>
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
} // namespace

TEST(ReportFile, LoadsBackTheSamePagesAndRefusesADamagedFile)
{
    const QString dir = testenv::freshWorkDir();
    const PageSet pages = testenv::preparedPages(1, testenv::numberedLines(90));
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
    const PageSet pages = testenv::preparedPages(1, lines);
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
