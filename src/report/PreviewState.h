#pragma once
// What the print preview shows, apart from the page itself: the page it is on, the zoom and
// the two fit choices, and what follows from them (the status text, which way the operator
// can page, the zoom that fits a page into the preview area).
#include <QSizeF>
#include <QString>

namespace Report {

class PreviewState {
public:
    static constexpr int kMinZoom = 10;
    static constexpr int kMaxZoom = 200;
    enum class Fit { None, All, Width };

    // A new page set: page 1 of `count`.
    void setPageCount(int count);
    int page() const { return page_; }

    // "Page N of M"; M is 1 when there are no pages.
    QString statusText() const;
    bool canGoBack() const { return page_ > 1; }
    bool canGoOn() const { return page_ < count_; }
    void first() { page_ = 1; }
    void previous() { page_ = canGoBack() ? page_ - 1 : page_; }
    void next() { page_ = canGoOn() ? page_ + 1 : page_; }
    void last() { page_ = count_ > 0 ? count_ : 1; }

    int zoom() const { return zoom_; }
    // Sets the zoom (percent), kept inside the zoom bar's range.
    void setZoom(int percent);
    // The zoom label's text: "100 %".
    QString zoomText() const;

    Fit fit() const { return fit_; }
    void setFit(Fit fit) { fit_ = fit; }
    // Applies the fit choice to a page of `pageMm` shown in an area of `viewPx` pixels at
    // `pxPerMm`: the whole page, its width, or (with neither, when `fromButton`) 100 %.
    void applyFit(QSizeF pageMm, QSizeF viewPx, double pxPerMm, bool fromButton);

private:
    int count_ = 0;
    int page_ = 1;
    int zoom_ = 100;
    Fit fit_ = Fit::Width;
};

} // namespace Report
