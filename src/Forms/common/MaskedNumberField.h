#pragma once
// A masked number field of the form "999.999": the whole part right-aligned, blanks shown as
// zeros. The whole part fills from the right as on a calculator, so typing 4 reads 004.000
// and 4.5 reads 004.500; the point or a click moves on to the fraction, which is typed over
// from the left. A digit never moves across the point, and a digit that would not fit is
// refused rather than pushing another one out.
//
// A field entered by Tab, by a shortcut or by a click has its whole text selected, so what is
// typed replaces the value (Tab, then 3, reads 003.000); editing inside a value starts once
// the caret is moved, by the arrow keys or by a second click.
#include <QLineEdit>

class MaskedNumberField : public QLineEdit {
    Q_OBJECT
public:
    // `whole` and `fraction` are the digits on each side of the point.
    MaskedNumberField(QWidget* parent, const QString& name, int whole = 3, int fraction = 3);

    // The text as the field shows it, mask characters included.
    QString maskedText() const { return displayText(); }
    // Shows a number's text in the mask: "4" and "4.5" read 004.000 and 004.500. A text
    // with more whole digits than the field holds leaves the field as it was; false then.
    bool setMaskedText(const QString& text);
    // The mask in the form the settings name it ("!999.999;1;0").
    QString editMask() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Types a digit into the whole part; false when the whole part is full.
    bool typeWholeDigit(QChar digit);
    // Erases the whole part's last digit.
    void eraseWholeDigit();
    void clearSelection();
    int point() const { return whole_; }

    int whole_;
    int fraction_;
    // The click that brought the focus selects the whole text when it is released.
    bool selectOnRelease_ = false;
    // The focus left with the window (another window or a popup came up): on its return the
    // field keeps its caret and selection.
    bool leftWithWindow_ = false;
};
