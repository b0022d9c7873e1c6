#include "components/CountryTreeItems.h"

#include <QPainter>
#include <QPainterPath>
#include <QTreeWidget>
#include <array>
#include <cmath>

using CountryItems::kPictureSize;

namespace {

void drawGlobe(QPainter& p, const QColor& sea, const QColor& land)
{
    p.setPen(QPen(sea.darker(160), 1));
    p.setBrush(sea);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(land);
    p.drawEllipse(QRectF(4, 4, 5, 4));
    p.drawEllipse(QRectF(8, 8, 4, 5));
    p.setPen(QPen(sea.darker(160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
}

void drawFlag(QPainter& p, const QColor& cloth)
{
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.drawLine(QPointF(3, 1.5), QPointF(3, 15));
    QPainterPath wave;
    wave.moveTo(3.5, 2);
    wave.cubicTo(7, 0.5, 10, 4, 14.5, 2.5);
    wave.lineTo(14.5, 9.5);
    wave.cubicTo(10, 11, 7, 7.5, 3.5, 9);
    wave.closeSubpath();
    p.setPen(QPen(cloth.darker(170), 0.8));
    p.setBrush(cloth);
    p.drawPath(wave);
}

QPixmap drawPicture(int index)
{
    QPixmap pm(kPictureSize, kPictureSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case CountryNode::Region:
        drawGlobe(p, QColor(70, 130, 210), QColor(80, 170, 80));
        break;
    case CountryNode::SubRegion:
        p.translate(1.5, 1.5);
        p.scale(0.85, 0.85);
        drawGlobe(p, QColor(30, 150, 160), QColor(235, 190, 50));
        break;
    case CountryNode::Country:
        drawFlag(p, QColor(40, 160, 60));
        break;
    case CountryNode::NoRate:
        drawFlag(p, QColor(170, 170, 170));
        p.setPen(QPen(QColor(200, 30, 30), 2));
        p.drawLine(QPointF(8, 9), QPointF(14, 15));
        p.drawLine(QPointF(14, 9), QPointF(8, 15));
        break;
    case CountryNode::UserRegion: {
        // A star: the operator's own currencies.
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 3.0 : 7.0;
            const double a = M_PI / 2 + i * M_PI / 5;
            star << QPointF(8 + r * std::cos(a), 8.5 - r * std::sin(a));
        }
        p.setPen(QPen(QColor(170, 110, 0), 1));
        p.setBrush(QColor(250, 190, 30));
        p.drawPolygon(star);
        break;
    }
    default:   // a currency added in the currency editor: a blue flag with a plus
        drawFlag(p, QColor(50, 100, 200));
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(9, 3.5), QPointF(9, 8.5));
        p.drawLine(QPointF(6.5, 6), QPointF(11.5, 6));
        break;
    }
    return pm;
}

} // namespace

namespace CountryItems {

QIcon nodePicture(int index)
{
    static const std::array<QIcon, CountryNode::kPictures> pictures = [] {
        std::array<QIcon, CountryNode::kPictures> out;
        for (int i = 0; i < CountryNode::kPictures; ++i) {
            const QPixmap pm = drawPicture(i);
            out[i].addPixmap(pm, QIcon::Normal);
            out[i].addPixmap(pm, QIcon::Selected);
        }
        return out;
    }();
    return pictures[static_cast<size_t>(qBound(0, index, CountryNode::kPictures - 1))];
}

QTreeWidgetItem* makeItem(const CountryNode& node)
{
    auto* item = new QTreeWidgetItem(QStringList{node.text});
    item->setIcon(0, nodePicture(node.picture));
    item->setData(0, PictureRole, node.picture);
    if (node.record) {
        item->setData(0, CountryRole, node.country);
        item->setData(0, RecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(node.record)));
    }
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(node.children.size()));
    for (const CountryNode& child : node.children)
        children << makeItem(child);
    item->addChildren(children);
    return item;
}

void fill(QTreeWidget& tree, const std::vector<CountryNode>& roots)
{
    tree.clear();
    tree.setIconSize(QSize(kPictureSize, kPictureSize));
    // Built apart and handed over at once: the view is told of the items one time only.
    QList<QTreeWidgetItem*> items;
    for (const CountryNode& root : roots)
        items << makeItem(root);
    tree.addTopLevelItems(items);
}

int picture(const QTreeWidgetItem& item) { return item.data(0, PictureRole).toInt(); }

const CCurrencyData* record(const QTreeWidgetItem& item)
{
    return reinterpret_cast<const CCurrencyData*>(item.data(0, RecordRole).value<quintptr>());
}

} // namespace CountryItems
