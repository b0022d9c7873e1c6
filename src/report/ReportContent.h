#pragma once
// What the one report layout shows, as plain data: the banner labels of the full-width
// receipt and their 40-column twins, the receipt table's cells, the type and payment
// captions, the memo of the log report and the height of every band. TQuickReport1 fills
// it; BandLayout turns it into pages.
#include "calc/Conversion.h"

#include <QString>
#include <QStringList>
#include <array>

namespace Report {

// The bands in print order.
enum class Band {
    PageHeaderBand1, PrintMemoBand, CompanyBand1, CompanyBand2, CompanyBand3, Band1Col40, Band2Col40,
    Band3Col40, Count
};
inline constexpr int kBandCount = static_cast<int>(Band::Count);

// The banner labels of one layout: PrintTitle, CompanyName, ... or PrintTitle40, ...
struct BannerLabels {
    QString title;       // PrintTitle (the full-width one also carries the log title)
    QString name;        // CompanyName
    QString dateTime;    // DateTime
    QString branch;      // CompanyBranch
    QString street1;     // CompanyA1
    QString street2;     // CompanyA2
    QString city;        // CompanyCity
    QString state;       // CompanyState
    QString zip;         // CompanyZ
    QString country;     // CompanyCountry
    QString email;       // CompanyEmail
    QString phone;       // CompanyPhone
    QString fax;         // CompanyFax
    QString website;     // CompanyWebsite
    QString info;        // AddInfo
    bool address = false; // the address block prints, with its captions "Email:", "Phone:", ...
    bool operator==(const BannerLabels&) const = default;
};

// The receipt table's cells, shared by both tables: the last conversion's.
using ::ReceiptCells;

struct ReportContent {
    BannerLabels full;          // the full-width receipt's labels
    BannerLabels col40;         // the 40-column receipt's labels
    QString DescriptionLabel;   // the payment: "Cash", "Credit Card", "Traveller's Cheques"
    QString TypeLabel;          // the rate: "Buy", "Sell", "Base Rate"
    ReceiptCells cells;
    QStringList PrintMemo;      // the log report's lines
    // Heights in the report's screen units (96 per inch); 0 hides a band.
    std::array<int, kBandCount> heights{};

    int height(Band b) const { return heights[static_cast<size_t>(b)]; }
    void setHeight(Band b, int h) { heights[static_cast<size_t>(b)] = h; }
    bool operator==(const ReportContent&) const = default;
};

} // namespace Report
