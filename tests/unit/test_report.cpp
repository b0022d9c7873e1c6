// The receipt and the log report as pages of data, and as PDF files read back as text.
#include "common/TestEnv.h"
#include "report/QuickReport.h"
#include "report/ReportPrinting.h"
#include "support/Formats.h"
#include "support/Messenger.h"

#include <QPrinter>
#include <deque>
#include <QProcess>
#include <QRegularExpression>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using Report::Band;
using Report::DrawItem;
using Report::PageSet;

namespace {

const QSizeF kRoll80{80.0, 297.0};
const QDateTime kNow(QDate(2003, 12, 5), QTime(14, 5, 9));

// The conversion of 100 dollars into pounds at Cash, Sell, with commission: 69.25.
ReceiptCells example()
{
    ReceiptCells c;
    c.Currency1 = "Dollar (USD)", c.Details1 = "100.00", c.Details2 = "0.75";
    c.Currency3 = "Pound (GBP)", c.Details3 = "75.00";
    c.Currency4 = c.Currency5 = c.Currency6 = "GBP";
    c.Details4 = "0.00", c.Details5 = "5.75", c.Details6 = "69.25";
    return c;
}

BannerSettings banner(int printCols)
{
    BannerSettings b;
    b.printCols = printCols;
    b.texts = {"Foreign Exchange Purchase", "Counter Bureau Ltd", "1 High Street", "", "Bath", "Somerset",
               "BA1 1AA", "England", "desk@bureau.example", "01225 000000", "01225 000001",
               "www.bureau.example", "Open 9 to 5", "Station Branch"};
    return b;
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override { FormatSettings::current() = FormatSettings(); }

    PageSet receipt(int printCols, const QSizeF& paper = Report::kA4Mm, bool converted = true, bool address = true)
    {
        sources.cells = converted ? example() : ReceiptCells();
        BannerSettings b = banner(printCols);
        b.useAddress = address;
        report.PrepareReport(TQuickReport1::CustomerReceipt, sources, b);
        return report.Pages(paper);
    }
    static QStringList texts(const PageSet& set)
    {
        QStringList out;
        for (const auto& page : set.pages)
            out += Report::pageTexts(page);
        return out;
    }
    // Every text fits its box at its size, and every item lies on its page.
    static void expectFitted(const PageSet& set)
    {
        for (const auto& page : set.pages)
            for (const DrawItem& item : page.items) {
                const QRectF paper = QRectF(QPointF(), page.sizeMm).adjusted(-0.01, -0.01, 0.01, 0.01);
                EXPECT_TRUE(paper.contains(item.rect.topLeft()) && paper.contains(item.rect.bottomRight()))
                    << item.text.toStdString();
                for (const QString& line : item.kind == DrawItem::Kind::Text ? Report::textLines(item) : QStringList()) {
                    EXPECT_LE(line.size() * Report::Fonts::charWidthMm(item.font.pointSize), item.rect.width() + 1e-6)
                        << line.toStdString();
                }
            }
    }

    TQuickReport1 report;
    ReportSources sources{{}, Payment::Cash, RateKind::Sell, {}, kNow};
};

TEST_F(ReportTest, EachModeAndWidthPrintsItsOwnBandsOnPagesOfItsPaper)
{
    struct Row {
        int printCols;
        QSizeF paper;
        double pageWidth;
        bool pageAsLongAsContent;
        QStringList present, absent;
        bool address = true;
    };
    const QStringList full{"Foreign Exchange Purchase", "CUSTOMER COPY", "Draft, P/Cheque, M/Order Details",
                           "Cash", "Sell", "Counter Bureau Ltd", "Station Branch", "Email: desk@bureau.example",
                           "Converted Currency", "69.25"};
    const QStringList narrow{"Foreign Exchange Purchase", "CUSTOMER COPY", "Converted Currency", "69.25",
                             "Phone: 01225 000000"};
    const QStringList noBands{"Draft, P/Cheque, M/Order Details", "Cash", "Sell"};
    const QStringList address{"1 High Street", "England", "Email: desk@bureau.example", "Phone: 01225 000000",
                              "Open 9 to 5"};
    const Row rows[] = {
        {1, Report::kA4Mm, 210, false, full, {}},
        {1, Report::kA4Mm, 210, false, {"Counter Bureau Ltd", "Station Branch", "69.25"}, address, false},
        {0, kRoll80, 80, true, {"Counter Bureau Ltd", "Station Branch", "69.25"}, address, false},
        {0, Report::kA4Mm, 210, false, narrow, noBands},
        {0, kRoll80, 80, true, narrow, noBands},
        {1, kRoll80, 80, true, full, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.printCols * 1000 + r.paper.width() + (r.address ? 0 : 10000));
        const PageSet set = receipt(r.printCols, r.paper, true, r.address);
        ASSERT_EQ(set.pages.size(), 1);
        EXPECT_DOUBLE_EQ(set.pages[0].sizeMm.width(), r.pageWidth);
        EXPECT_EQ(set.pages[0].sizeMm.height() < 297.0, r.pageAsLongAsContent);
        const QStringList t = texts(set);
        for (const QString& s : r.present)
            EXPECT_TRUE(t.contains(s)) << s.toStdString();
        for (const QString& s : r.absent)
            EXPECT_FALSE(t.contains(s)) << s.toStdString();
        expectFitted(set);
    }
}

TEST_F(ReportTest, AReceiptBeforeAnyConversionShowsTheDesignedCells)
{
    const QStringList t = texts(receipt(1, Report::kA4Mm, false));
    EXPECT_EQ(t.count("None"), 5);
    EXPECT_EQ(t.count("0.0"), 6);
}

TEST_F(ReportTest, ALongLogContinuesOverPagesWithEveryLineOnceAndInOrder)
{
    for (int i = 0; i < 500; ++i)
        sources.log << QStringLiteral("%1.00 Dollar(USD) Converts to %2 Pound (GBP)").arg(i).arg(i * 0.75);
    sources.log << QString(200, QLatin1Char('x'));   // wider than the page: continues below
    report.PrepareReport(TQuickReport1::CustomerReceipt, sources, banner(0));
    report.PrepareReport(TQuickReport1::TransactionLogReport, sources, banner(0));
    const PageSet set = report.Pages();
    const QString title = "Transaction Log Date: 05/12/2003 Time:14:05:09";
    EXPECT_EQ(set.title, title);
    ASSERT_GT(set.pages.size(), 5);
    QStringList lines;
    for (const auto& page : set.pages) {
        QStringList t = Report::pageTexts(page);
        ASSERT_EQ(t.takeFirst(), title);
        lines += t;
    }
    const QString wide = lines.mid(500).join("");
    EXPECT_EQ(lines.mid(0, 500), sources.log.mid(0, 500));
    EXPECT_EQ(wide, sources.log.last());
    expectFitted(set);

    sources.log.clear();
    report.PrepareReport(TQuickReport1::TransactionLogReport, sources, banner(1));
    EXPECT_EQ(texts(report.Pages()), QStringList{title});
}

// The printed file as pdftotext reads it, in its layout.
QString pdfText(const PageSet& set, const QString& file)
{
    Report::SavePdf(set, file);
    QProcess p;
    p.start("pdftotext", {"-layout", file, "-"});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(ReportTest, TheReceiptPrintsToPdfWithItsBannerAndFiguresInBothWidths)
{
    const QRegularExpression words[] = {
        QRegularExpression("Foreign Exchange Purchase"), QRegularExpression("CUSTOMER COPY"),
        QRegularExpression("Counter Bureau Ltd"), QRegularExpression("Local\\s+Currency\\s+Dollar \\(USD\\)\\s+100\\.00"),
        QRegularExpression("Exchange Rate\\s+0\\.75"), QRegularExpression("Duty\\s+GBP\\s+0\\.00"),
        QRegularExpression("Fee\\s+GBP\\s+5\\.75"), QRegularExpression("TOTAL AMOUNT\\s+GBP\\s+69\\.25"),
        QRegularExpression("Friday, 5 December 2003 14:05")};
    for (int cols : {1, 0}) {
        const QString text = pdfText(receipt(cols), testenv::root() + QStringLiteral("/r%1.pdf").arg(cols));
        for (const auto& re : words)
            EXPECT_TRUE(re.match(text).hasMatch()) << cols << " " << re.pattern().toStdString() << "\n" << text.toStdString();
    }
}

} // namespace

namespace {

// The page size of a PDF file in points, as pdfinfo reads it.
QSizeF pdfPageSize(const QString& file)
{
    QProcess p;
    p.start("pdfinfo", {file});
    p.waitForFinished();
    const auto m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(p.readAllStandardOutput());
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF(0, 0);
}

TEST_F(ReportTest, ThePrinterPrintsOnItsPaperOrOffersAPdfFileWhenThereIsNowhereToPrint)
{
    using Outcome = Report::ReportPrinter::Outcome;
    struct Row {
        const char* name;
        QSizeF paper;            // the printer's paper; empty: no printer at all
        std::deque<bool> yes;    // answers to the offer of a PDF file
        Outcome outcome;
        double widthPt;          // of the file written; 0: none
    };
    const Row rows[] = {
        {"a PDF printer with an 80 mm roll", kRoll80, {}, Outcome::SavedAsPdf, 226.8},
        {"a PDF printer with A4", Report::kA4Mm, {}, Outcome::SavedAsPdf, 595.3},
        {"no printer, the offer taken", QSizeF(), {true}, Outcome::SavedAsPdf, 595.3},
        {"no printer, the offer declined", QSizeF(), {false}, Outcome::NotPrinted, 0},
    };
    sources.cells = example();
    report.PrepareReport(TQuickReport1::CustomerReceipt, sources, banner(0));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString file = testenv::root() + "/printed.pdf";
        QFile::remove(file);
        ScriptedMessenger m;
        m.answers = r.yes;
        m.files = {file};
        Report::ReportPrinter printer;
        printer.printer().setOutputFormat(QPrinter::PdfFormat);
        if (!r.paper.isEmpty()) {
            printer.printer().setOutputFileName(file);
            printer.printer().setPageSize(QPageSize(r.paper, QPageSize::Millimeter, {}, QPageSize::ExactMatch));
        }
        EXPECT_EQ(printer.Print([&](const QSizeF& paper) { return report.Pages(paper); }, m), r.outcome);
        EXPECT_EQ(m.texts(ScriptedMessenger::Kind::YesNo).size(), r.paper.isEmpty() ? 1u : 0u);
        if (!r.paper.isEmpty()) {   // the next report is laid out for the same paper
            EXPECT_EQ(printer.paperMm(), r.paper);
        }
        const QSizeF size = pdfPageSize(file);
        EXPECT_NEAR(size.width(), r.widthPt, 0.5);
        // A roll's page is as long as the receipt; A4 stays A4.
        if (r.widthPt > 0) {
            EXPECT_EQ(size.height() < 841.0, r.widthPt < 300) << size.height();
        }
    }
}

} // namespace
