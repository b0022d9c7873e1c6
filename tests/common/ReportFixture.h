#pragma once
// Prepared pages as the preview commands make them: the log report of numbered lines, and
// the receipt before any conversion.
#include "report/QuickReport.h"

#include <QStringList>

namespace testenv {
// Lines that no other line contains, with the comma of a grouped amount: "Line 007: 1,007.00 +".
inline QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line %1: 1,%1.00 +").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

inline Report::PageSet preparedPages(TQuickReport1::Mode mode, const QStringList& log = {})
{
    TQuickReport1 report;
    ReportSources sources;
    sources.log = log;
    report.PrepareReport(mode, sources);
    return report.Pages();
}
} // namespace testenv
