// The report layout and its rendering: preparing and paginating a log of 10,000 lines,
// rendering those pages to PDF against drawing the same lines straight onto a PDF writer
// with one painter, and rendering one receipt page to PDF.
#include "report/PageRenderer.h"
#include "report/QuickReport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 10000;

ReportSources logSources()
{
    ReportSources s;
    for (int i = 0; i < kLines; ++i)
        s.log << QStringLiteral("%1.00 Dollar(USD) Converts to %2 Pound (GBP)").arg(i).arg(i * 0.75, 0, 'f', 2);
    return s;
}

BannerSettings someBanner(int printCols)
{
    BannerSettings b;
    b.printCols = printCols;
    b.texts = {"Foreign Exchange Purchase", "Counter Bureau Ltd", "1 High Street", "", "Bath", "Somerset", "BA1 1AA",
               "England", "desk@bureau.example", "01225 000000", "01225 000001", "www.bureau.example", "Open 9 to 5",
               "Station Branch"};
    return b;
}

void BM_PrepareAndPaginateLog(benchmark::State& state)
{
    const ReportSources sources = logSources();
    const BannerSettings banner = someBanner(1);
    TQuickReport1 report;
    qsizetype pages = 0;
    for (auto _ : state) {
        report.PrepareReport(TQuickReport1::TransactionLogReport, sources, banner);
        pages = report.Pages().pages.size();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_PrepareAndPaginateLog)->Unit(benchmark::kMillisecond);

// Renders the pages into a PDF file held in memory; gives its size in bytes.
qint64 renderToPdf(const Report::PageSet& pages)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    benchmark::DoNotOptimize(Report::PageRenderer::render(writer, pages));
    return out.size();
}

void BM_RenderLogToPdf(benchmark::State& state)
{
    TQuickReport1 report;
    report.PrepareReport(TQuickReport1::TransactionLogReport, logSources(), someBanner(1));
    const Report::PageSet pages = report.Pages();
    for (auto _ : state)
        state.counters["bytes"] = double(renderToPdf(pages));
}
BENCHMARK(BM_RenderLogToPdf)->Unit(benchmark::kMillisecond);

// The yardstick: the same lines, title and pages drawn straight with one painter.
void BM_DrawLogStraightToPdf(benchmark::State& state)
{
    const ReportSources sources = logSources();
    const int perPage = 59;
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        writer.setPageMargins(QMarginsF());
        QPainter p(&writer);
        const double dpmm = writer.logicalDpiX() / 25.4;
        QFont body(QStringLiteral("DejaVu Sans Mono"), 10), title(body);
        title.setPointSizeF(14);
        title.setBold(true);
        for (int i = 0; i < kLines; ++i) {
            if (i % perPage == 0) {
                if (i > 0)
                    writer.newPage();
                p.setFont(title);
                p.drawText(QRectF(12.7 * dpmm, 12.7 * dpmm, 184.6 * dpmm, 12.4 * dpmm), Qt::AlignCenter,
                           QStringLiteral("Transaction Log Date: 05/12/2003 Time:14:05:09"));
                p.setFont(body);
            }
            const double y = (25.1 + (i % perPage) * 4.3) * dpmm;
            p.drawText(QRectF(12.7 * dpmm, y, 184.6 * dpmm, 4.3 * dpmm), Qt::AlignLeft | Qt::AlignVCenter,
                       sources.log[i]);
        }
        p.end();
        state.counters["bytes"] = double(out.size());
    }
}
BENCHMARK(BM_DrawLogStraightToPdf)->Unit(benchmark::kMillisecond);

void BM_RenderReceiptToPdf(benchmark::State& state)
{
    TQuickReport1 report;
    ReportSources sources;
    ReceiptCells& c = sources.cells;
    c.Currency1 = "Dollar (USD)", c.Details1 = "100.00", c.Details2 = "0.75", c.Currency3 = "Pound (GBP)";
    c.Details3 = "75.00", c.Currency4 = c.Currency5 = c.Currency6 = "GBP";
    c.Details4 = "0.00", c.Details5 = "5.75", c.Details6 = "69.25";
    report.PrepareReport(TQuickReport1::CustomerReceipt, sources, someBanner(int(state.range(0))));
    const Report::PageSet pages = report.Pages();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderToPdf(pages));
}
BENCHMARK(BM_RenderReceiptToPdf)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
