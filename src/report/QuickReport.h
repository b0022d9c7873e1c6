#pragma once
// The one report layout of the program, TQuickReport1, owned by the main window. It prints
// two documents: the customer receipt of the last conversion (full width or 40 columns,
// headed by the shop's banner) and the transaction log report. It keeps whatever was set
// last: the band heights, the banner captions and the receipt cells, so a receipt always
// shows the last conversion.
#include "calc/MainState.h"
#include "report/BandLayout.h"
#include "report/ReportContent.h"
#include "report/ReportPages.h"
#include "support/BannerSettings.h"

#include <QDateTime>
#include <QStringList>

struct Conversion;

// What a preparation reads besides the store: the rate and payment choices of the main
// window, the transaction log and the moment of printing.
struct ReportSources {
    Payment payment = Payment::Cash;
    RateKind rateKind = RateKind::Base;
    QStringList log;
    QDateTime now = QDateTime::currentDateTime();
};

class TQuickReport1 {
public:
    enum Mode { CustomerReceipt = 0, TransactionLogReport = 1 };

    // The captions as set last.
    const Report::ReportContent& content() const { return content_; }

    // The receipt cells of a conversion, in both tables.
    void SetReceiptCells(const Conversion& conversion);

    // Prepares the report for a mode: reads PrintStatus and the banner fresh, fills the
    // banner labels, and sets the bands and captions of the receipt (0) or the log report
    // (1). Any other mode only fills the banner.
    void PrepareReport(int mode, const ReportSources& sources);
    // The same with banner settings already read.
    void PrepareReport(int mode, const ReportSources& sources, const BannerSettings& banner);

    // The banner labels of the layout that PrC selects.
    void FillReceiptHeader(const BannerSettings& banner, const QDateTime& now);

    // The pages of the report as prepared, on paper of this size.
    Report::PageSet Pages(const QSizeF& paperMm = Report::kA4Mm) const;

private:
    Report::ReportContent content_;
};
