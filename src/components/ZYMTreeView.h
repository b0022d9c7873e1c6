#pragma once
// The country tree: a tree view whose countries are dragged onto the main window. A drag
// starts only with the left button, only from a country that has a rate, and only once
// the pointer has moved 100 pixels with the button held; it carries the country's name and
// shows no picture of the node, only the drag cursor. The tree takes no drops itself.
#include "components/CountryTreeItems.h"

#include <QPoint>
#include <QPointer>
#include <QTreeWidget>
#include <functional>

class QDrag;
class QMimeData;

class ZYMTreeView : public QTreeWidget {
    Q_OBJECT
public:
    // Item data: the node's picture (CountryNode::Picture) and, for a country, its name.
    static constexpr int PictureRole = CountryItems::PictureRole;
    static constexpr int CountryRole = CountryItems::CountryRole;
    static constexpr int kDragThreshold = 100;

    explicit ZYMTreeView(QWidget* parent = nullptr);

    // The drag's payload for a country.
    static QMimeData* payload(const QString& country);

    // Runs a drag that has been set up; replaceable, since a real drag runs its own loop.
    std::function<void(QDrag*)> execDrag;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void startCountryDrag(const QString& country);

    QString pending_;   // the country pressed, until the drag starts or the button is released
    QPoint pressAt_;
};
