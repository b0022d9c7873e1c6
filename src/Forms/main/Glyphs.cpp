#include "Forms/main/Glyphs.h"

#include <QPainter>
#include <QPixmap>

namespace Glyphs {

QIcon printer()
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 2, 10, 7));       // paper in
    p.setBrush(QColor(120, 120, 130));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 7));   // paper out
    p.setPen(QColor(90, 90, 90));
    p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
    p.drawLine(QPointF(8.5, 19), QPointF(13.5, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 60));
    p.drawEllipse(QPointF(18.5, 11), 1.2, 1.2);
    return QIcon(pm);
}

QIcon update()
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 90, 170), 1.4));
    p.setBrush(QColor(170, 210, 250));
    p.drawEllipse(QRectF(2, 2, 16, 16));
    p.drawLine(QPointF(2, 10), QPointF(18, 10));
    p.drawEllipse(QRectF(6.5, 2, 7, 16));
    p.drawLine(QPointF(4, 5.5), QPointF(16, 5.5));
    p.drawLine(QPointF(4, 14.5), QPointF(16, 14.5));
    return QIcon(pm);
}

} // namespace Glyphs
