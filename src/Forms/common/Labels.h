#pragma once
// Labels that never hide part of their text without saying so.
#include <QLabel>

// A label that shows as much of its text as fits and ends it with an ellipsis; the whole
// text is then its tool tip. Its text() is always the whole text. It asks for no more
// width than its layout gives it, so a long text never pushes its neighbours aside.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setFullText(const QString& text);
    // A tool tip of the label's own, shown under the whole text when that is elided.
    void setHint(const QString& hint);
    bool isElided() const;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateTip();
    QString hint_;
};

// A label whose font shrinks until the whole text fits, down to the smallest legible size;
// a text too long even then ends in an ellipsis. The whole text is its text(), its tool tip
// and its accessible name.
class FitLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr qreal kMinPointSize = 7.0;
    using QLabel::QLabel;
    void setFittedText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fit();
    qreal basePointSize_ = 0;
};
