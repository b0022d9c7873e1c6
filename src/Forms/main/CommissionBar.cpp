#include "Forms/main/CommissionBar.h"
#include "Forms/common/DialogKit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>

CommissionBar::CommissionBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("CommissionBar"));
    setFixedHeight(kHeight);
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(4);
    // The seven choices share the window's width: a point smaller keeps every caption whole.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() - 1);
    setFont(small);
    auto radio = [&](const QString& name, const QString& caption, QButtonGroup* group) {
        auto* b = named(new QRadioButton(caption, this), name);
        group->addButton(b);
        row->addWidget(b);
        return b;
    };
    auto* payment = new QButtonGroup(this);
    cash_ = radio(QStringLiteral("Rcash"), tr("Cash"), payment);
    creditCard_ = radio(QStringLiteral("Rcreditcard"), tr("Credit Card"), payment);
    cheques_ = radio(QStringLiteral("Rtc"), tr("Traveller's Cheques"), payment);
    auto* sep = new QFrame(this);
    sep->setFrameShape(QFrame::VLine);
    row->addWidget(sep);
    auto* kind = new QButtonGroup(this);
    buy_ = radio(QStringLiteral("Rbuy"), tr("Buy"), kind);
    sell_ = radio(QStringLiteral("Rsell"), tr("Sell"), kind);
    base_ = radio(QStringLiteral("Rbase"), tr("Base"), kind);
    commission_ = named(new QCheckBox(tr("Commission"), this), QStringLiteral("Rcommission"));
    row->addWidget(commission_);
    row->addStretch(1);
    cash_->setChecked(true);
    base_->setChecked(true);

    // Only the operator's clicks are intents; setting a choice from code tells nothing.
    for (QButtonGroup* g : {payment, kind})
        connect(g, &QButtonGroup::buttonClicked, this, &CommissionBar::optionsChanged);
    connect(commission_, &QCheckBox::clicked, this, &CommissionBar::optionsChanged);
}

Payment CommissionBar::payment() const
{
    return creditCard_->isChecked() ? Payment::CreditCard
           : cheques_->isChecked()  ? Payment::TravellersCheques
                                    : Payment::Cash;
}

RateKind CommissionBar::rateKind() const
{
    return buy_->isChecked() ? RateKind::Buy : sell_->isChecked() ? RateKind::Sell : RateKind::Base;
}

bool CommissionBar::commission() const { return commission_->isChecked(); }

void CommissionBar::render(const MainState& state)
{
    const Payment p = state.payment;
    (p == Payment::CreditCard ? creditCard_ : p == Payment::TravellersCheques ? cheques_ : cash_)->setChecked(true);
    const RateKind k = state.rateKind;
    (k == RateKind::Buy ? buy_ : k == RateKind::Sell ? sell_ : base_)->setChecked(true);
    commission_->setChecked(state.commission);
    // The rate kind decides, so choices restored at start-up can never disagree with it.
    commission_->setEnabled(k != RateKind::Base);
}
