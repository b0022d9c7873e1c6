#include "report/BandLayout.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Report {

namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr double kPadMm = 1.5;   // between a table's rules and its texts
constexpr int kWraps = Qt::TextWordWrap | Qt::TextWrapAnywhere;
// The 40-column table in characters, half a character of room on either side of each text
// included: the longest caption ("Local Currency") and an amount of twelve characters
// ("1,234,567.89") fit at the table's type; the currency takes the rest.
constexpr int kCaptionColumns40 = 15;
constexpr int kDetailsColumns40 = 13;

// The receipt's captions, in the interface's language: the customer reads them.
struct Receipt {
    Q_DECLARE_TR_FUNCTIONS(Receipt)
};

// A static caption and its label: "Phone: 01225 000000", or the caption alone.
QString labelled(const QString& caption, const QString& value)
{
    return value.isEmpty() ? caption : caption + QLatin1Char(' ') + value;
}

// Lays out one report: the page being filled, the position on it and the frame of the
// printable area.
class Builder {
public:
    Builder(const ReportContent& c, const QSizeF& paper, double margin)
        : c_(c), paper_(paper), margin_(margin), width_(paper.width() - 2 * margin)
    {
    }

    PageSet run();

private:
    bool visible(Band b) const { return c_.height(b) > 0; }
    double bandMm(Band b) const { return BandLayout::mm(c_.height(b)); }
    void newPage();
    void ensureRoom(double h);
    void text(const QRectF& r, const QString& s, double points, bool bold = false, int align = kLeft);
    void line(double x1, double y1, double x2, double y2);
    void box(const QRectF& r);

    void pageHeader();
    void memo();
    void companyBand1(const QRectF& r);
    void companyBand2(const QRectF& r);
    void table(const QRectF& r, bool col40, double points);
    void band1Col40(const QRectF& r);
    void band2Col40(const QRectF& r);
    double col40Width() const { return std::min(width_, BandLayout::kColumns40 * Fonts::charWidthMm(Fonts::kBody)); }
    double col40Points() const { return std::min(Fonts::kBody, width_ / (BandLayout::kColumns40 * Fonts::charWidthMm(1.0))); }

    const ReportContent& c_;
    QSizeF paper_;
    double margin_, width_;
    PageSet set_;
    Page* page_ = nullptr;
    double y_ = 0;
};

// A text in its box; an empty one still marks its cell, so that every row of a band keeps
// its columns in the exports. A wrapping text keeps its size: its lines fit the box.
void Builder::text(const QRectF& r, const QString& s, double points, bool bold, int align)
{
    DrawItem item;
    item.kind = DrawItem::Kind::Text;
    item.rect = r;
    item.text = s;
    const double size = align & kWraps ? points : BandLayout::fittedSize(s, r.width(), points);
    item.font = FontSpec{Fonts::kFamily, size, bold, false};
    item.alignment = align;
    page_->items.append(item);
}

void Builder::line(double x1, double y1, double x2, double y2)
{
    DrawItem item;
    item.kind = DrawItem::Kind::Line;
    item.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    page_->items.append(item);
}

void Builder::box(const QRectF& r)
{
    DrawItem item;
    item.kind = DrawItem::Kind::Box;
    item.rect = r;
    page_->items.append(item);
}

void Builder::newPage()
{
    set_.pages.append(Page{paper_, {}});
    page_ = &set_.pages.last();
    y_ = margin_;
    pageHeader();
}

// A band that does not fit below what the page holds starts a new page.
void Builder::ensureRoom(double h)
{
    const double top = margin_ + (visible(Band::PageHeaderBand1) ? bandMm(Band::PageHeaderBand1) : 0);
    if (y_ + h > paper_.height() - margin_ + 1e-9 && y_ > top + 1e-9)
        newPage();
}

void Builder::pageHeader()
{
    if (!visible(Band::PageHeaderBand1))
        return;
    const double h = bandMm(Band::PageHeaderBand1);
    text(QRectF(margin_, y_, width_, h), c_.full.title, Fonts::kTitle, true, kCentre);
    y_ += h;
}

// The memo grows with its lines from its designed height. Each log line is one text,
// empty or not; one wider than the band runs on over the rows below it, and its rows stay
// on one page where they can (a line longer than a whole page goes on on the next).
void Builder::memo()
{
    const double start = y_, row = BandLayout::kMemoRowMm;
    const int perRow = charsInWidth(width_, Fonts::kBody);
    const double bottom = paper_.height() - margin_;
    const auto rowsOf = [perRow](qsizetype chars) { return std::max<int>(1, int((chars + perRow - 1) / perRow)); };
    for (const QString& ln : c_.PrintMemo) {
        ensureRoom(rowsOf(ln.size()) * row);
        qsizetype at = 0;
        do {
            if (y_ + row > bottom + 1e-9)
                newPage();
            const int room = std::max(1, int(std::floor((bottom - y_) / row + 1e-9)));
            const QString part = ln.mid(at, qsizetype(room) * perRow);
            const double h = rowsOf(part.size()) * row;
            text(QRectF(margin_, y_, width_, h), part, Fonts::kBody, false, kLeft | Qt::TextWrapAnywhere);
            y_ += h;
            at += part.size();
        } while (at < ln.size());
    }
    if (&set_.pages.first() == page_)
        y_ = std::max(y_, start + bandMm(Band::PrintMemoBand));
}

// The banner in two columns, a row holding one text of each: the name and the address on
// the left; the copy, the branch, the date and the contact lines on the right.
void Builder::companyBand1(const QRectF& r)
{
    const BannerLabels& b = c_.full;
    const double rh = r.height() / 11.0, lw = r.width() * 0.55;
    auto row = [&](double at, double rows, const QString& left, const QString& right, double leftPt, bool bold) {
        text(QRectF(r.left(), r.top() + at * rh, lw - kPadMm, rows * rh), left, leftPt, bold);
        text(QRectF(r.left() + lw, r.top() + at * rh, r.width() - lw, rows * rh), right, Fonts::kBody, bold, kRight);
    };
    row(0, 2, b.name, Receipt::tr("CUSTOMER COPY"), Fonts::kLarge, true);
    const QString left[] = {b.street1, b.street2, b.city, b.state, b.zip, b.country,
                            labelled(Receipt::tr("Email:"), b.email), b.info};
    const QString right[] = {b.branch, b.dateTime, labelled(Receipt::tr("Phone:"), b.phone),
                             labelled(Receipt::tr("Fax:"), b.fax),
                             labelled(Receipt::tr("Website:"), b.website)};
    // Without the address only the branch and the date follow the name.
    const int rows = b.address ? 8 : 2;
    for (int i = 0; i < rows; ++i)
        row(2 + i, 1, b.address ? left[i] : QString(), i < 5 ? right[i] : QString(), Fonts::kBody, false);
}

void Builder::companyBand2(const QRectF& r)
{
    const double third = r.width() / 3.0;
    text(QRectF(r.left(), r.top(), third, r.height()), Receipt::tr(c_.DescriptionLabel.toUtf8().constData()),
         Fonts::kBody, true);
    text(QRectF(r.left() + third * 0.5, r.top(), third * 2, r.height()),
         Receipt::tr("Draft, P/Cheque, M/Order Details"), Fonts::kBody, true, kCentre);
    text(QRectF(r.left() + third * 2, r.top(), third, r.height()), Receipt::tr(c_.TypeLabel.toUtf8().constData()),
         Fonts::kBody, true, kRight);
}

// The boxed table of the receipt: a heading row and six rows. The 40-column table gives
// "Converted Currency" two lines and sets its amounts to the right.
void Builder::table(const QRectF& r, bool col40, double points)
{
    const ReceiptCells& k = c_.cells;
    struct Row { QString caption, currency, details; int units; };
    const Row rows[] = {{Receipt::tr("Description"), Receipt::tr("Currency"), Receipt::tr("Details"), 1},
                        {Receipt::tr("Local Currency"), k.Currency1, k.Details1, 1},
                        {Receipt::tr("Exchange Rate"), QString(), k.Details2, 1},
                        {Receipt::tr("Converted Currency"), k.Currency3, k.Details3, col40 ? 2 : 1},
                        {Receipt::tr("Duty"), k.Currency4, k.Details4, 1},
                        {Receipt::tr("Fee"), k.Currency5, k.Details5, 1},
                        {Receipt::tr("TOTAL AMOUNT"), k.Currency6, k.Details6, 1}};
    const double unit = std::min((r.height() - 2) / (col40 ? 8.0 : 7.0), col40 ? 6.0 : 9.0);
    const double cw = Fonts::charWidthMm(points), pad = col40 ? cw / 2 : kPadMm;
    const double x1 = col40 ? r.left() + kCaptionColumns40 * cw : r.left() + r.width() * 0.3;
    const double x2 = col40 ? r.right() - kDetailsColumns40 * cw : r.left() + r.width() * 0.65;
    const double xs[] = {r.left(), x1, x2, r.right()};
    double y = r.top();
    for (const Row& row : rows) {
        const double h = unit * row.units;
        const bool head = &row == &rows[0];
        const int wrap = row.units == 2 ? Qt::TextWordWrap : 0;
        text(QRectF(xs[0] + pad, y, x1 - xs[0] - 2 * pad, h), row.caption, points, head, kLeft | wrap);
        text(QRectF(x1 + pad, y, x2 - x1 - 2 * pad, h), row.currency, points, head);
        text(QRectF(x2 + pad, y, xs[3] - x2 - 2 * pad, h), row.details, points, head,
             col40 && !head ? kRight : kLeft);
        y += h;
        if (y < r.top() + unit * (col40 ? 8 : 7) - 1e-9)
            line(r.left(), y, r.right(), y);
    }
    for (double x : {x1, x2})
        line(x, r.top(), x, y);
    box(QRectF(r.left(), r.top(), r.width(), y - r.top()));
}

// The 40-column banner: a text longer than the line is cut at 40 characters, as the
// options dialog warns.
QString cut40(const QString& s) { return s.left(BandLayout::kColumns40); }

void Builder::band1Col40(const QRectF& r)
{
    text(r, cut40(c_.col40.title), col40Points(), true, kCentre);
}

void Builder::band2Col40(const QRectF& r)
{
    const BannerLabels& b = c_.col40;
    const double pt = col40Points(), rh = r.height() / 15.0;
    auto row = [&](double at, double rows, const QString& s, double size, bool bold = false, int align = kLeft) {
        text(QRectF(r.left(), r.top() + at * rh, r.width(), rows * rh), s, size, bold, align);
    };
    // The date shares the first line with "CUSTOMER COPY" and a blank.
    const QString copy = Receipt::tr("CUSTOMER COPY");
    row(0, 1, copy, pt, true);
    const double dateLeft = (copy.size() + 1) * Fonts::charWidthMm(pt);
    text(QRectF(r.left() + dateLeft, r.top(), r.width() - dateLeft, rh), b.dateTime, pt, false, kRight);
    row(1, 1.5, cut40(b.name), pt * Fonts::kLarge / Fonts::kBody, true);
    row(2.5, 1, cut40(b.branch), pt);
    if (!b.address)
        return;
    const QString lines[] = {cut40(b.branch), cut40(b.street1), cut40(b.street2), cut40(b.city), cut40(b.state),
                             cut40(b.zip), cut40(b.country), labelled(Receipt::tr("Email:"), cut40(b.email)),
                             labelled(Receipt::tr("Phone:"), cut40(b.phone)),
                             labelled(Receipt::tr("Fax:"), cut40(b.fax)),
                             labelled(Receipt::tr("Website:"), cut40(b.website)), cut40(b.info)};
    for (int i = 1; i < 12; ++i)
        row(2.5 + i, 1, lines[i], pt);
}

PageSet Builder::run()
{
    set_.title = visible(Band::PageHeaderBand1) ? c_.full.title
                 : visible(Band::Band1Col40)    ? c_.col40.title
                                                : QString();
    newPage();
    if (visible(Band::PrintMemoBand))
        memo();
    using Draw = void (Builder::*)(const QRectF&);
    const struct { Band band; bool narrow; Draw draw; } subs[] = {
        {Band::CompanyBand1, false, &Builder::companyBand1},
        {Band::CompanyBand2, false, &Builder::companyBand2},
        {Band::CompanyBand3, false, nullptr},
        {Band::Band1Col40, true, &Builder::band1Col40},
        {Band::Band2Col40, true, &Builder::band2Col40},
        {Band::Band3Col40, true, nullptr}};
    for (const auto& s : subs) {
        if (!visible(s.band))
            continue;
        const double h = bandMm(s.band);
        ensureRoom(h);
        const QRectF r(margin_, y_, s.narrow ? col40Width() : width_, h);
        if (s.draw)
            (this->*s.draw)(r);
        else
            table(r, s.narrow, s.narrow ? col40Points() : Fonts::kBody);
        y_ += h;
    }
    return set_;
}

// A page scaled by a factor: its size, the boxes, the type and the rules.
void scalePage(Page& page, double f)
{
    page.sizeMm *= f;
    for (DrawItem& item : page.items) {
        item.rect = QRectF(item.rect.topLeft() * f, item.rect.bottomRight() * f);
        item.font.pointSize *= f;
        item.penWidthMm *= f;
    }
}

// How far down the page its items reach.
double contentBottom(const Page& page)
{
    double bottom = 0;
    for (const DrawItem& item : page.items)
        bottom = std::max({bottom, item.rect.top(), item.rect.bottom()});
    return bottom;
}

} // namespace

double BandLayout::fittedSize(const QString& text, double widthMm, double points)
{
    const double need = text.size() * Fonts::charWidthMm(points);
    if (need <= widthMm + 1e-9 || text.isEmpty())
        return points;
    // A hair smaller than exact, so that rounding in the renderer cannot push it over.
    return widthMm / (text.size() * Fonts::charWidthMm(1.0)) * 0.995;
}

PageSet BandLayout::layout(const ReportContent& content, const QSizeF& paperMm)
{
    const bool narrow = isNarrow(paperMm);
    const bool receipt = content.height(Band::PrintMemoBand) == 0;
    const bool fullWidth = content.height(Band::CompanyBand1) > 0 || content.height(Band::CompanyBand3) > 0;
    if (!narrow)
        return Builder(content, paperMm, kMarginMm).run();
    if (receipt && fullWidth) {
        PageSet set = Builder(content, kA4Mm, kMarginMm).run();
        for (Page& page : set.pages) {
            page.sizeMm.setHeight(contentBottom(page) + kMarginMm);
            scalePage(page, paperMm.width() / kA4Mm.width());
        }
        return set;
    }
    PageSet set = Builder(content, QSizeF(paperMm.width(), receipt ? 1e6 : paperMm.height()), kRollMarginMm).run();
    if (receipt)
        for (Page& page : set.pages)
            page.sizeMm.setHeight(contentBottom(page) + kRollMarginMm);
    return set;
}

} // namespace Report
