#include "Forms/common/Labels.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace {
// The indent a label keeps from its frame, as QLabel paints it.
int indentOf(const QLabel& l)
{
    if (l.indent() >= 0)
        return l.indent();
    return l.frameWidth() > 0 ? l.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
}

// Where the text goes: inside the frame, the margins and the indent.
QRect textRect(const QLabel& l)
{
    const int m = l.margin(), ind = indentOf(l);
    return l.contentsRect().adjusted(m + ind, m, -m - ind, -m);
}

int textRoom(const QLabel& l) { return textRect(l).width(); }
} // namespace

void ElidedLabel::setFullText(const QString& text)
{
    if (text == this->text())
        return;
    setText(text);
    updateTip();
}

bool ElidedLabel::isElided() const { return fontMetrics().horizontalAdvance(text()) > textRoom(*this); }

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    return QSize(m.left() + m.right() + 2 * frameWidth(), QLabel::minimumSizeHint().height());
}

QSize ElidedLabel::sizeHint() const { return QSize(minimumSizeHint().width(), QLabel::sizeHint().height()); }

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    const QRect room = textRect(*this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&p, room, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateTip();
}

void ElidedLabel::setHint(const QString& hint)
{
    if (hint == hint_)
        return;
    hint_ = hint;
    updateTip();
}

void ElidedLabel::updateTip()
{
    const QString whole = isElided() ? text() : QString();
    setToolTip(whole.isEmpty() || hint_.isEmpty() ? whole + hint_ : whole + QLatin1Char('\n') + hint_);
}

void FitLabel::setFittedText(const QString& text)
{
    setText(text);
    setToolTip(text);
    setAccessibleName(text);
    fit();
}

void FitLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void FitLabel::fit()
{
    QFont f = font();
    if (basePointSize_ <= 0)
        basePointSize_ = f.pointSizeF();
    // Start from the designed size each time: a short text after a long one is large again.
    f.setPointSizeF(basePointSize_);
    const int room = textRoom(*this) - 2;
    while (QFontMetrics(f).horizontalAdvance(text()) > room && f.pointSizeF() > kMinPointSize)
        f.setPointSizeF(std::max(kMinPointSize, f.pointSizeF() - 0.5));
    if (f != font())
        setFont(f);
    update();
}

void FitLabel::paintEvent(QPaintEvent* event)
{
    // At the smallest legible size a text that still does not fit ends in an ellipsis; the
    // whole text stays in the tool tip and the accessible name.
    const int room = textRoom(*this) - 2;
    if (fontMetrics().horizontalAdvance(text()) <= room) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    p.drawText(contentsRect(), int(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, room));
}
