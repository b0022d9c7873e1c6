#include "report/QuickReport.h"
#include "support/Formats.h"
#include <QCoreApplication>

using Report::Band;

void TQuickReport1::FillReceiptHeader(const BannerSettings& banner, const QDateTime& now)
{
    using T = BannerSettings::Text;
    Report::BannerLabels& b = banner.fullWidth() ? content_.full : content_.col40;
    b.title = banner.useTitle ? banner.text(T::Title) : QString();
    b.name = banner.useName ? banner.text(T::Name) : QString();
    b.dateTime = banner.useDate ? Formats::formatDateTime(QStringLiteral("dddddd hh:nn"), now) : QString();
    b.branch = banner.text(T::Branch);
    // The address switch decides whether the address and contact lines print: the options
    // dialog greys their boxes when it is off, so an operator expects them off the receipt.
    b.address = banner.useAddress;
    b.street1 = banner.text(T::Street1);
    b.street2 = banner.text(T::Street2);
    b.city = banner.text(T::City);
    b.state = banner.text(T::State);
    b.zip = banner.text(T::Zip);
    b.country = banner.text(T::Country);
    b.email = banner.text(T::Email);
    b.phone = banner.text(T::Phone);
    b.fax = banner.text(T::Fax);
    b.website = banner.text(T::Web);
    b.info = banner.text(T::Info);
}

void TQuickReport1::PrepareReport(Mode mode, const ReportSources& sources)
{
    BannerSettings banner;
    banner.loadForReport();
    PrepareReport(mode, sources, banner);
}

namespace {
void setHeights(Report::ReportContent& c, std::initializer_list<std::pair<Band, int>> heights)
{
    for (auto [band, h] : heights)
        c.setHeight(band, h);
}

// The rate's and the payment's words, as rateKindText and paymentText give them: the content
// keeps the English words, which the account record takes too; the page prints them in the
// interface's language.
[[maybe_unused]] const char* const kReceiptWords[] = {
    QT_TRANSLATE_NOOP("Receipt", "Base Rate"), QT_TRANSLATE_NOOP("Receipt", "Buy"),
    QT_TRANSLATE_NOOP("Receipt", "Sell"), QT_TRANSLATE_NOOP("Receipt", "Cash"),
    QT_TRANSLATE_NOOP("Receipt", "Credit Card"), QT_TRANSLATE_NOOP("Receipt", "Traveller's Cheques")};

} // namespace

void TQuickReport1::PrepareReport(Mode mode, const ReportSources& sources, const BannerSettings& banner)
{
    FillReceiptHeader(banner, sources.now);
    Report::ReportContent& c = content_;
    c.cells = sources.cells;
    if (mode == CustomerReceipt) {
        if (banner.fullWidth())
            setHeights(c, {{Band::PageHeaderBand1, 47}, {Band::PrintMemoBand, 0}, {Band::CompanyBand1, 272},
                           {Band::CompanyBand2, 38}, {Band::CompanyBand3, 277}, {Band::Band1Col40, 0},
                           {Band::Band2Col40, 0}, {Band::Band3Col40, 0}});
        else
            setHeights(c, {{Band::PrintMemoBand, 0}, {Band::CompanyBand1, 0}, {Band::CompanyBand2, 0},
                           {Band::CompanyBand3, 0}, {Band::PageHeaderBand1, 0}, {Band::Band1Col40, 40},
                           {Band::Band2Col40, 318}, {Band::Band3Col40, 266}});
        c.TypeLabel = rateKindText(sources.rateKind);
        c.DescriptionLabel = paymentText(sources.payment);
    } else {
        c.TypeLabel.clear();
        c.DescriptionLabel.clear();
        setHeights(c, {{Band::CompanyBand1, 0}, {Band::CompanyBand2, 0}, {Band::CompanyBand3, 0},
                       {Band::Band1Col40, 0}, {Band::Band2Col40, 0}, {Band::Band3Col40, 0},
                       {Band::PageHeaderBand1, 47}, {Band::PrintMemoBand, 50}});
        c.full.title = QCoreApplication::translate("Report", "Transaction Log Date: %1 Time:%2")
                           .arg(Formats::dateToStr(sources.now.date()), Formats::timeToStr(sources.now.time()));
        c.PrintMemo = sources.log;
    }
}

Report::PageSet TQuickReport1::Pages(const QSizeF& paperMm) const
{
    return Report::BandLayout::layout(content_, paperMm);
}
