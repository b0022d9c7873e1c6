#pragma once
// The keypad panel (Panel5): the display, its currency code and the twenty keys. It owns
// its controls under their names and tells what was pressed; the calculator decides what
// a key does, and render() shows the result.
#include <QFrame>
#include <array>

class FitLabel;
class MainState;
class QLabel;
class QToolButton;

class KeypadPanel : public QFrame {
    Q_OBJECT
public:
    explicit KeypadPanel(QWidget* parent);
    void render(const MainState& state);

signals:
    // Each key sends the symbol the calculator knows it by (its hint).
    void digitPressed(const QString& digit);
    void decimalPressed(const QString& symbol);
    void operatorPressed(const QString& symbol);
    void equalsPressed();
    void clearPressed();
    void plusMinusPressed();
    void reverseModePressed();
    void quickPrintPressed();

private:
    QToolButton* makeKey(const QString& name, const QString& glyph, const QString& hint, int row, int column);
    FitLabel* display_ = nullptr;
    QLabel* currency_ = nullptr;
    std::array<QToolButton*, 10> digits_{};
    QToolButton *decimal_ = nullptr, *equals_ = nullptr, *plus_ = nullptr, *minus_ = nullptr;
    QToolButton *times_ = nullptr, *divide_ = nullptr, *plusMinus_ = nullptr, *clear_ = nullptr;
    QToolButton *rmode_ = nullptr, *quickPrint_ = nullptr;
    class QGridLayout* grid_ = nullptr;
};
