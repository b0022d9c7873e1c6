#pragma once
// Where the program's windows open.
#include <QPoint>
#include <QRect>
#include <QWidget>

// Moves a window so that its whole frame, title and borders included, is centred on a point.
inline void centreWindowOn(QWidget& window, const QPoint& centre)
{
    QRect r = window.frameGeometry();
    r.moveCenter(centre);
    window.move(r.topLeft());
}
