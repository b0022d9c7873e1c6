#include "Forms/PreviewArea.h"
#include "report/PageRenderer.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace {
// The grey border around the page, in pixels.
constexpr int kBorder = 12;
} // namespace

// The paper: white, with a thin shadow, and the page painted on it.
class PageView : public QWidget {
public:
    explicit PageView(PreviewArea* area) : QWidget(area), area_(area)
    {
        setObjectName(QStringLiteral("QRPreviewPage"));
    }

    void setPage(const Report::Page* page)
    {
        page_ = page;
        relayout();
    }
    void setZoom(int percent)
    {
        zoom_ = percent;
        relayout();
    }
    const Report::Page* page() const { return page_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().dark());
        const QRect paper(kBorder, kBorder, width() - 2 * kBorder, height() - 2 * kBorder);
        p.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 90));
        p.fillRect(paper, Qt::white);
        if (!page_)
            return;
        p.setClipRect(paper);
        p.translate(paper.topLeft());
        Report::PageRenderer::paintPage(p, *page_, dotsPerMm());
    }

private:
    double dotsPerMm() const { return area_->pxPerMm() * zoom_ / 100.0; }
    void relayout()
    {
        const QSizeF mm = area_->pageMm();
        setFixedSize(int(mm.width() * dotsPerMm()) + 2 * kBorder, int(mm.height() * dotsPerMm()) + 2 * kBorder);
        update();
    }

    PreviewArea* area_;
    const Report::Page* page_ = nullptr;
    int zoom_ = 100;
};

PreviewArea::PreviewArea(QWidget* parent) : QScrollArea(parent), view_(new PageView(this))
{
    setObjectName(QStringLiteral("QRPreview"));
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    setWidget(view_);
    view_->setZoom(100);
}

void PreviewArea::setPage(const Report::Page* page)
{
    view_->setPage(page);
    verticalScrollBar()->setValue(0);
}

void PreviewArea::setZoom(int percent) { view_->setZoom(percent); }

double PreviewArea::pxPerMm() const { return logicalDpiX() / 25.4; }

QSizeF PreviewArea::room() const
{
    // A page fitted to the width is taller than the area: keep room for the vertical bar,
    // so that the bar's coming does not push the page under a horizontal one.
    const QSize max = maximumViewportSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSizeF(max.width() - bar - 2 * kBorder, max.height() - 2 * kBorder);
}

QSizeF PreviewArea::pageMm() const { return view_->page() ? view_->page()->sizeMm : QSizeF(210.0, 297.0); }

void PreviewArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    emit resized();
}
