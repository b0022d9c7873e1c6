#pragma once
// The commission bar: how the customer pays, which rate applies, and whether commission
// is charged. It tells when the operator changes any of them.
#include "calc/MainState.h"

#include <QFrame>

class QCheckBox;
class QRadioButton;

class CommissionBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 23;
    explicit CommissionBar(QWidget* parent);

    Payment payment() const;
    RateKind rateKind() const;
    bool commission() const;
    // Shows the state's choices; the commission switch is off with Base, keeping its mark.
    void render(const MainState& state);

signals:
    // A payment, rate or commission choice was changed by the operator.
    void optionsChanged();

private:
    QRadioButton *cash_ = nullptr, *creditCard_ = nullptr, *cheques_ = nullptr;
    QRadioButton *buy_ = nullptr, *sell_ = nullptr, *base_ = nullptr;
    QCheckBox* commission_ = nullptr;
};
