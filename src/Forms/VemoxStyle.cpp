#include "Forms/VemoxStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace {
// A double chevron pointing right (horizontal bar) or down (vertical bar).
QIcon chevron(bool horizontal, const QColor& colour)
{
    QPixmap pm(8, 8);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.2));
    for (int i = 0; i < 2; ++i) {
        const qreal o = 1.5 + 3.5 * i;
        QPainterPath path;
        if (horizontal) {
            path.moveTo(o, 1.5);
            path.lineTo(o + 2.5, 4);
            path.lineTo(o, 6.5);
        } else {
            path.moveTo(1.5, o);
            path.lineTo(4, o + 2.5);
            path.lineTo(6.5, o);
        }
        p.drawPath(path);
    }
    return QIcon(pm);
}
} // namespace

QIcon VemoxStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton) {
        const QColor colour = widget ? widget->palette().color(QPalette::ButtonText) : QColor(Qt::black);
        return chevron(which == SP_ToolBarHorizontalExtensionButton, colour);
    }
    return QProxyStyle::standardIcon(which, option, widget);
}
