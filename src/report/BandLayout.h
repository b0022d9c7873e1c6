#pragma once
// Lays the report's bands out on pages: the page header at the top of every page, the
// memo of the log report row by row over as many pages as it needs, then the receipt's
// bands. Every text is set in one fixed-pitch family, so a text's width is known from its
// length: a text that would not fit its box is set smaller, never cut, and a log line wider
// than the page continues on the next row.
//
// A4 pages have margins of 12.7 mm. On a paper narrower than A4 (a receipt roll) the
// margins are 4 mm, the 40-column receipt takes the paper's width, and a receipt page is as
// long as its content; a full-width receipt is drawn at A4 and scaled down to the width.
#include "report/ReportContent.h"
#include "report/ReportPages.h"

namespace Report {

inline const QSizeF kA4Mm{210.0, 297.0};

class BandLayout {
public:
    static constexpr double kMarginMm = 12.7;
    static constexpr double kRollMarginMm = 4.0;
    static constexpr int kColumns40 = 40;   // characters on a line of the 40-column receipt
    static constexpr double kMemoRowMm = 4.3;

    // The pages of the content on paper of this size (portrait, in millimetres).
    static PageSet layout(const ReportContent& content, const QSizeF& paperMm = kA4Mm);

    static bool isNarrow(const QSizeF& paperMm) { return paperMm.width() < kA4Mm.width() - 0.5; }
    // A band height in the report's screen units (96 per inch), in millimetres.
    static double mm(int units) { return units * 25.4 / 96.0; }
    // The largest size, at most `points`, at which the text fits the width.
    static double fittedSize(const QString& text, double widthMm, double points);
};

} // namespace Report
