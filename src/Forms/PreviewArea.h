#pragma once
// The page display of the print preview: one page of a prepared page set, painted by the
// same renderer as the printer and the PDF file, at a zoom, inside scroll bars that track.
// Only the page shown is painted, so a report of any length opens and pages at once.
#include "report/ReportPages.h"

#include <QScrollArea>

class PageView;

class PreviewArea : public QScrollArea {
    Q_OBJECT
public:
    explicit PreviewArea(QWidget* parent);

    // The page shown; nothing shows an empty area.
    void setPage(const Report::Page* page);
    void setZoom(int percent);
    // Screen pixels to the millimetre at zoom 100: a page at 100 % has its paper size.
    double pxPerMm() const;
    // The room a page has: what the fit choices fit into.
    QSizeF room() const;
    // The size of the page shown, or of A4 when there is none.
    QSizeF pageMm() const;

signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PageView* view_;
};
