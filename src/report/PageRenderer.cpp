#include "report/PageRenderer.h"

#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace Report {

namespace {

QPageSize pageSizeOf(const Page& page)
{
    return QPageSize(page.sizeMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

// Sets the page's size and no margins for the next device page. A printer that cannot take
// the size prints on its own paper, which the pages were laid out for anyway.
void preparePage(QPagedPaintDevice& device, const Page& page)
{
    const QPageLayout layout(pageSizeOf(page), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
    if (!device.setPageLayout(layout))
        device.setPageMargins(QMarginsF(), QPageLayout::Millimeter);
}

} // namespace

void PageRenderer::paintPage(QPainter& painter, const Page& page, double dotsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    // Type is black on any painter, whatever pen the painter's device started it with.
    painter.setPen(QPen(Qt::black));
    // Point sizes for this device: a point is 1/72 inch on paper, whatever the scale.
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 72;
    const double pointScale = dotsPerMm * 25.4 / dpi;
    // Fonts and pens change rarely from one item to the next: set them only when they do.
    const FontSpec* lastFont = nullptr;
    double lastPen = -1;
    QFont font;
    for (const DrawItem& item : page.items) {
        const QRectF r(item.rect.topLeft() * dotsPerMm, item.rect.bottomRight() * dotsPerMm);
        if (item.kind == DrawItem::Kind::Text) {
            if (!lastFont || !(*lastFont == item.font)) {
                if (!item.font.family.isEmpty())
                    font.setFamily(item.font.family);
                font.setPointSizeF(item.font.pointSize * pointScale);
                font.setBold(item.font.bold);
                font.setItalic(item.font.italic);
                painter.setFont(font);
                lastFont = &item.font;
            }
            // A wrapping text is broken into its lines here, so that it breaks alike on paper
            // and on screen, whatever the device's own measure of the type.
            const QStringList lines = textLines(item);
            const int flags = (item.alignment & ~(Qt::TextWordWrap | Qt::TextWrapAnywhere)) | Qt::TextSingleLine
                              | Qt::TextDontClip;
            for (int i = 0; i < lines.size(); ++i)
                if (!lines[i].isEmpty())
                    painter.drawText(lineBox(r, i, int(lines.size())), flags, lines[i]);
            continue;
        }
        if (item.penWidthMm != lastPen) {
            painter.setPen(QPen(Qt::black, item.penWidthMm * dotsPerMm));
            lastPen = item.penWidthMm;
        }
        if (item.kind == DrawItem::Kind::Line)
            painter.drawLine(r.topLeft(), r.bottomRight());
        else
            painter.drawRect(r);
    }
    painter.restore();
}

namespace {

bool paintEveryPage(QPagedPaintDevice& device, const PageSet& pages)
{
    preparePage(device, pages.pages.first());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < pages.pages.size(); ++i) {
        const Page& page = pages.pages[i];
        if (i > 0) {
            preparePage(device, page);
            if (!device.newPage()) {
                painter.end();
                return false;
            }
        }
        const double dotsPerMm = device.logicalDpiX() / 25.4;
        PageRenderer::paintPage(painter, page, dotsPerMm);
    }
    return painter.end();
}

} // namespace

bool PageRenderer::render(QPagedPaintDevice& device, const PageSet& pages)
{
    if (pages.pages.isEmpty())
        return true;
    // The pages set their own sizes on the device; the layout it had (on a printer, the paper
    // chosen in its set-up) is put back afterwards, so the next report is laid out for it.
    auto* printer = dynamic_cast<QPrinter*>(&device);
    const QPageLayout chosen = device.pageLayout();
    const bool fullPage = printer && printer->fullPage();
    if (printer)
        printer->setFullPage(true);
    const bool painted = paintEveryPage(device, pages);
    if (printer)
        printer->setFullPage(fullPage);
    device.setPageLayout(chosen);
    return painted;
}

} // namespace Report
