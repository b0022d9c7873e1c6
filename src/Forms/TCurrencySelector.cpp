#include "Forms/TCurrencySelector.h"
#include "Forms/common/DialogKit.h"
#include "components/ZYMTreeView.h"
#include "data/CountryTree.h"

#include <QAction>
#include <array>
#include <cmath>
#include <functional>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

constexpr int kPictureSize = 16;

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
    default:   // not used by the selector: a plain grey flag
        drawFlag(p, QColor(120, 120, 120));
        break;
    }
    return pm;
}

} // namespace

QIcon TCurrencySelector::nodePicture(int index)
{
    static const std::array<QIcon, CountryNode::kPictures> pictures = [] {
        std::array<QIcon, CountryNode::kPictures> out;
        for (int i = 0; i < CountryNode::kPictures; ++i) {
            const QPixmap pm = drawPicture(i);
            // A selected node shows the picture it shows when not selected.
            out[i].addPixmap(pm, QIcon::Normal);
            out[i].addPixmap(pm, QIcon::Selected);
        }
        return out;
    }();
    return pictures[static_cast<size_t>(qBound(0, index, CountryNode::kPictures - 1))];
}

TCurrencySelector::TCurrencySelector(const CurrencyTable& table, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CurrencySelector"));
    setWindowTitle(QStringLiteral("Currency Selector"));
    setFixedSize(kWidth, kHeight);

    ToolBar1 = new DialogToolBar(this, DialogToolBar::Okay | DialogToolBar::Help);
    ToolBar1->setHelpTopic(QStringLiteral("IDH_region"));
    connect(ToolBar1->okay(), &QAction::triggered, this, &TCurrencySelector::ActionOkayExecute);

    TV = named(new ZYMTreeView(this), QStringLiteral("TV"));
    TV->setIconSize(QSize(kPictureSize, kPictureSize));
    Label1 = named(new QLabel(QStringLiteral("Left Click Drag your choice of country"), this), QStringLiteral("Label1"));
    Label2 = named(new QLabel(QStringLiteral("onto an exchange panel or button."), this), QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2})
        l->setAlignment(Qt::AlignHCenter);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 4);
    col->setSpacing(2);
    col->addWidget(ToolBar1);
    col->addWidget(TV, 1);
    col->addWidget(Label1);
    col->addWidget(Label2);

    buildTree(table);
}

void TCurrencySelector::buildTree(const CurrencyTable& table)
{
    std::function<void(QTreeWidgetItem*, const CountryNode&)> addChildren = [&](QTreeWidgetItem* item,
                                                                               const CountryNode& node) {
        for (const CountryNode& child : node.children) {
            auto* c = new QTreeWidgetItem(item, QStringList{child.text});
            c->setIcon(0, nodePicture(child.picture));
            c->setData(0, ZYMTreeView::PictureRole, child.picture);
            if (!child.country.isEmpty())
                c->setData(0, ZYMTreeView::CountryRole, child.country);
            addChildren(c, child);
        }
    };
    for (const CountryNode& root : CountryTree::build(table)) {
        auto* top = new QTreeWidgetItem(TV, QStringList{root.text});
        top->setIcon(0, nodePicture(root.picture));
        top->setData(0, ZYMTreeView::PictureRole, root.picture);
        addChildren(top, root);
    }
}
