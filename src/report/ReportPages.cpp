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

} // namespace Report
