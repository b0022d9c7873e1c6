#include "report/ReportPages.h"

#include <algorithm>
#include <cmath>

namespace Report {

// Text items in reading order: top to bottom, then left to right; the order the exports
// and a person reading the page follow, whatever order the layout painted them in.
QStringList pageTexts(const Page &page)
{
    QList<const DrawItem *> texts;
    for (const DrawItem &item : page.items)
        if (item.kind == DrawItem::Kind::Text && !item.text.isEmpty())
            texts.append(&item);
    std::stable_sort(texts.begin(), texts.end(), [](const DrawItem *a, const DrawItem *b) {
        const double ay = a->rect.center().y(), by = b->rect.center().y();
        if (std::abs(ay - by) > 0.5)
            return ay < by;
        return a->rect.left() < b->rect.left();
    });
    QStringList out;
    for (const DrawItem *item : texts)
        out.append(item->text);
    return out;
}

int charsInWidth(double widthMm, double points)
{
    return std::max(1, int(std::floor(widthMm / Fonts::charWidthMm(points) + 1e-9)));
}

namespace {
// Greedy breaking at spaces; a word longer than a line is broken inside.
QStringList wordLines(const QString &text, int perLine)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() <= perLine) {
            line += QLatin1Char(' ') + word;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        line = word;
        for (; line.size() > perLine; line.remove(0, perLine))
            lines.append(line.left(perLine));
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines.append(line);
    return lines;
}
} // namespace

QStringList textLines(const DrawItem &item)
{
    if (!(item.alignment & (Qt::TextWordWrap | Qt::TextWrapAnywhere)) || item.text.isEmpty())
        return {item.text};
    const int perLine = charsInWidth(item.rect.width(), item.font.pointSize);
    if (item.alignment & Qt::TextWordWrap)
        return wordLines(item.text, perLine);
    QStringList lines;
    for (qsizetype at = 0; at < item.text.size(); at += perLine)
        lines.append(item.text.mid(at, perLine));
    return lines;
}

QRectF lineBox(const QRectF &box, int index, int count)
{
    const double h = box.height() / std::max(1, count);
    return QRectF(box.left(), box.top() + index * h, box.width(), h);
}

} // namespace Report
