#pragma once
// Prepared pages of a report, as plain data: what the band layout produces, what the
// renderer paints on a printer, a PDF writer or the preview, what a saved report file
// holds and what the exports read. Positions and sizes are in millimetres from the
// page's top-left corner (the paper's edge, not the margin).
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace Report {

struct FontSpec {
    QString family;          // empty: the renderer's default family
    double pointSize = 10.0;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec &) const = default;
};

struct DrawItem {
    enum class Kind : quint8 { Text = 0, Line = 1, Box = 2 };
    Kind kind = Kind::Text;
    QRectF rect;             // Text: its box; Line: from topLeft to bottomRight; Box: the frame
    QString text;            // Text only, one line (a memo is one item per line)
    FontSpec font;           // Text only
    int alignment = 0x0001 | 0x0080;  // Qt::AlignmentFlag bits; default left, vertically centred
    double penWidthMm = 0.25;         // Line and Box
    bool operator==(const DrawItem &) const = default;
};

struct Page {
    QSizeF sizeMm{210.0, 297.0};      // A4 portrait unless the printer's paper is narrower
    QList<DrawItem> items;           // in painting order
    bool operator==(const Page &) const = default;
};

struct PageSet {
    QString title;                   // the report's title (receipt or log title)
    QList<Page> pages;
    bool operator==(const PageSet &) const = default;
};

QStringList pageTexts(const Page &page);

} // namespace Report
