#pragma once
// The one report layout of the program, TQuickReport1. It prints two documents: the
// customer receipt of the last conversion (full width or 40 columns, headed by the shop's
// banner) and the transaction log report, each prepared from the counter's sources.
#include "calc/Conversion.h"
#include "report/BandLayout.h"
#include "report/ReportContent.h"
#include "report/ReportPages.h"
#include "support/BannerSettings.h"

#include <QDateTime>
#include <QStringList>

class TQuickReport1 {
public:
    enum class Mode { CustomerReceipt, TransactionLogReport };
    static constexpr Mode CustomerReceipt = Mode::CustomerReceipt;
    static constexpr Mode TransactionLogReport = Mode::TransactionLogReport;

    // The captions as set last.
    const Report::ReportContent& content() const { return content_; }

    // Prepares the report for a mode: reads PrintStatus and the banner fresh, fills the
    // banner labels and the receipt cells (both tables), and sets the bands and captions of
    // the receipt or the log report.
    void PrepareReport(Mode mode, const ReportSources& sources);
    // The same with banner settings already read.
    void PrepareReport(Mode mode, const ReportSources& sources, const BannerSettings& banner);

    // The banner labels of the layout that PrC selects.
    void FillReceiptHeader(const BannerSettings& banner, const QDateTime& now);

    // The pages of the report as prepared, on paper of this size.
    Report::PageSet Pages(const QSizeF& paperMm = Report::kA4Mm) const;

private:
    Report::ReportContent content_;
};
