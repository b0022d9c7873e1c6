#pragma once
// Paints prepared pages: on a printer or a PDF writer, one device page for each page and
// of its size, or one page on any painter at a given scale (the preview).
#include "report/ReportPages.h"

class QPainter;
class QPagedPaintDevice;

namespace Report {

class PageRenderer {
public:
    // Paints the page with its top-left corner at the painter's origin, at `dotsPerMm`
    // device pixels to the millimetre. Type is sized for the painter's device, so a page
    // looks the same on paper, in a PDF file and on screen.
    static void paintPage(QPainter& painter, const Page& page, double dotsPerMm);

    // Paints every page on the device, each on a device page of the page's own size with no
    // margins; the device's own page layout is put back afterwards. False when the device cannot be painted on (a printer that is not ready, a
    // file that cannot be written) or refuses a page.
    static bool render(QPagedPaintDevice& device, const PageSet& pages);
};

} // namespace Report
