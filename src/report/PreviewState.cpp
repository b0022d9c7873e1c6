#include "report/PreviewState.h"
#include "support/Translate.h"

#include <algorithm>
#include <cmath>

namespace Report {

void PreviewState::setPageCount(int count)
{
    count_ = std::max(count, 0);
    page_ = 1;
}

QString PreviewState::statusText() const
{
    return translated(QT_TRANSLATE_NOOP("Vemox", "Page %1 of %2")).arg(page_).arg(count_ > 0 ? count_ : 1);
}

void PreviewState::setZoom(int percent) { zoom_ = std::clamp(percent, kMinZoom, kMaxZoom); }

QString PreviewState::zoomText() const { return QString::number(zoom_) + QStringLiteral(" %"); }

void PreviewState::applyFit(QSizeF pageMm, QSizeF viewPx, double pxPerMm, bool fromButton)
{
    if (fit_ == Fit::None) {
        if (fromButton)
            setZoom(100);
        return;
    }
    if (pageMm.isEmpty() || viewPx.isEmpty() || pxPerMm <= 0)
        return;
    const double across = viewPx.width() / (pageMm.width() * pxPerMm);
    const double down = viewPx.height() / (pageMm.height() * pxPerMm);
    // The zoom bar cannot show more than its range, so the fitted zoom stays inside it too:
    // the bar and the page then always agree.
    setZoom(int(std::floor(100.0 * (fit_ == Fit::All ? std::min(across, down) : across))));
}

} // namespace Report
