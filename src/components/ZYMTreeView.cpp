#include "components/ZYMTreeView.h"
#include "data/CountryTree.h"
#include "support/Messenger.h"
#include "support/Translate.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>

ZYMTreeView::ZYMTreeView(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setIndentation(19);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Drags are started here by hand, after the long threshold; the view's own drag
    // would start after a few pixels and carry a picture of the node.
    setDragEnabled(false);
    setAcceptDrops(false);
    setDropIndicatorShown(false);
    execDrag = [](QDrag* drag) { drag->exec(Qt::CopyAction, Qt::CopyAction); };
}

QMimeData* ZYMTreeView::payload(const QString& country)
{
    auto* data = new QMimeData;
    data->setText(country);
    return data;
}

void ZYMTreeView::mousePressEvent(QMouseEvent* event)
{
    pending_.clear();
    QTreeWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QTreeWidgetItem* node = currentItem();
    if (!node || !node->isSelected())
        return;
    const QString country = node->data(0, CountryRole).toString();
    if (country.isEmpty())
        return;   // a region starts nothing
    if (node->data(0, PictureRole).toInt() != CountryNode::Country) {
        messenger().messageDialog(translated(CountryTree::kNoRateMessage), Messenger::Icon::Error);
        return;
    }
    pending_ = country;
    pressAt_ = event->position().toPoint();
}

void ZYMTreeView::mouseMoveEvent(QMouseEvent* event)
{
    if (pending_.isEmpty() || !(event->buttons() & Qt::LeftButton)) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // While a country waits for its drag the selection stays on it.
    const QPoint d = event->position().toPoint() - pressAt_;
    if (qMax(qAbs(d.x()), qAbs(d.y())) < kDragThreshold)
        return;
    const QString country = pending_;
    pending_.clear();
    startCountryDrag(country);
}

void ZYMTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    pending_.clear();
    QTreeWidget::mouseReleaseEvent(event);
}

void ZYMTreeView::startCountryDrag(const QString& country)
{
    QPointer<QDrag> drag = new QDrag(this);
    drag->setMimeData(payload(country));
    execDrag(drag);
    if (drag)
        drag->deleteLater();
}

void ZYMTreeView::dragEnterEvent(QDragEnterEvent* event) { event->ignore(); }
void ZYMTreeView::dragMoveEvent(QDragMoveEvent* event) { event->ignore(); }
void ZYMTreeView::dropEvent(QDropEvent* event) { event->ignore(); }
