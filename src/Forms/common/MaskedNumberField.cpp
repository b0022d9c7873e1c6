#include "Forms/common/MaskedNumberField.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

MaskedNumberField::MaskedNumberField(QWidget* parent, const QString& name, int whole, int fraction)
    : QLineEdit(parent), whole_(whole), fraction_(fraction)
{
    setObjectName(name);
    setProperty("editMask", editMask());
    // Digits or blanks, the point fixed; a blank shows and reads as 0.
    setInputMask(QString(whole, QLatin1Char('9')) + QLatin1Char('.') + QString(fraction, QLatin1Char('9'))
                 + QStringLiteral(";0"));
    // The dialog's own popup serves the field too.
    setContextMenuPolicy(Qt::NoContextMenu);
}

QString MaskedNumberField::editMask() const
{
    return QStringLiteral("!%1.%2;1;0").arg(QString(whole_, QLatin1Char('9')), QString(fraction_, QLatin1Char('9')));
}

bool MaskedNumberField::setMaskedText(const QString& text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    QString whole = (dot < 0 ? text : text.left(dot)).trimmed();
    QString fraction = dot < 0 ? QString() : text.mid(dot + 1).trimmed();
    while (whole.size() > whole_ && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.size() > whole_)
        return false;
    whole = whole.rightJustified(whole_, QLatin1Char('0'));
    fraction = fraction.leftJustified(fraction_, QLatin1Char('0'), true);
    setText(whole + QLatin1Char('.') + fraction);
    return true;
}

void MaskedNumberField::clearSelection()
{
    // A selection is cleared to zeros; typing then goes on in the part where it began.
    const int start = selectionStart(), length = int(selectedText().size());
    QString t = displayText();
    for (int i = start; i < start + length && i < t.size(); ++i)
        if (i != point())
            t[i] = QLatin1Char('0');
    setText(t);
    setCursorPosition(start <= point() ? point() - 1 : start);
}

bool MaskedNumberField::typeWholeDigit(QChar digit)
{
    // The whole part takes digits on its right, as a calculator's display does, pushing its
    // leading zero out on the left; with no leading zero it is full and the digit is refused.
    const QString whole = displayText().left(whole_);
    if (whole.at(0) != QLatin1Char('0'))
        return false;
    setText(whole.mid(1) + digit + displayText().mid(whole_));
    // The cursor stays in the whole part (the mask keeps it off the point).
    setCursorPosition(point() - 1);
    return true;
}

void MaskedNumberField::eraseWholeDigit()
{
    // The last digit goes; the others move right and a zero comes in on the left.
    setText(QLatin1Char('0') + displayText().left(whole_ - 1) + displayText().mid(whole_));
    setCursorPosition(point() - 1);
}

void MaskedNumberField::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        QString text = QApplication::clipboard()->text().trimmed();
        if (!setMaskedText(text.replace(QLatin1Char(','), QLatin1Char('.'))))
            QApplication::beep();
        event->accept();
        return;
    }
    const QString key = event->text();
    const bool digit = key.size() == 1 && key.at(0) >= QLatin1Char('0') && key.at(0) <= QLatin1Char('9');
    const bool pointKey = key == QLatin1String(".") || key == QLatin1String(",");
    const bool back = event->key() == Qt::Key_Backspace;
    if (hasSelectedText() && (digit || pointKey || back)) {
        clearSelection();
        if (back) {
            event->accept();
            return;
        }
    }
    const int at = cursorPosition();
    if (pointKey && at <= point()) {
        // The point ends the whole part: the fraction is typed next.
        setCursorPosition(point() + 1);
    } else if (digit && at <= point()) {
        if (!typeWholeDigit(key.at(0)))
            QApplication::beep();
    } else if (back && at <= point() + 1) {
        // Just right of the point too: the mask would otherwise blank a digit in place.
        eraseWholeDigit();
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MaskedNumberField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    const bool windowBack = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    // A click places the caret on its press; the whole text is selected once it is released.
    selectOnRelease_ = reason == Qt::MouseFocusReason;
    if (!selectOnRelease_ && !(windowBack && leftWithWindow_))
        selectAll();
    leftWithWindow_ = false;
}

void MaskedNumberField::focusOutEvent(QFocusEvent* event)
{
    leftWithWindow_ = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    selectOnRelease_ = false;
    QLineEdit::focusOutEvent(event);
}

void MaskedNumberField::mousePressEvent(QMouseEvent* event)
{
    // The click that enters the field neither places the caret nor starts a selection.
    if (selectOnRelease_) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void MaskedNumberField::mouseMoveEvent(QMouseEvent* event)
{
    if (selectOnRelease_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void MaskedNumberField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        selectAll();
    }
}
