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
    // Text only. One line; or, with Qt::TextWordWrap or Qt::TextWrapAnywhere among the
    // alignment bits, a text that runs on over the lines of its box (textLines). An empty
    // text is a cell that holds nothing: it paints nothing, yet keeps its place in a row.
    QString text;
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

// Every text is set in one fixed-pitch family, so a text's width is known from its length.
namespace Fonts {
inline const QString kFamily = QStringLiteral("DejaVu Sans Mono");
constexpr double kAdvanceEm = 0.602;        // the family's advance of every glyph, in em
constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kBody = 10.0;              // points
constexpr double kTitle = 14.0;
constexpr double kLarge = 16.0;
// The width of one character at a point size, in millimetres.
constexpr double charWidthMm(double points) { return points * kMmPerPoint * kAdvanceEm; }
} // namespace Fonts

// The characters of a text's type that fit a width.
int charsInWidth(double widthMm, double points);
// The lines a text item shows, top to bottom: its text, or, for a wrapping item, the text
// broken into lines as wide as its box (at spaces for Qt::TextWordWrap, anywhere for
// Qt::TextWrapAnywhere). The lines share the box's height equally.
QStringList textLines(const DrawItem &item);
// The box of line `index` of `count` in a wrapping item's box.
QRectF lineBox(const QRectF &box, int index, int count);

} // namespace Report
