#include "Forms/main/KeypadPanel.h"
#include "Forms/common/DialogKit.h"
#include "Forms/common/Labels.h"
#include "Forms/main/Glyphs.h"
#include "calc/MainState.h"
#include "support/Formats.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

KeypadPanel::KeypadPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel5"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(3);

    auto* displayRow = new QHBoxLayout();
    displayRow->setSpacing(3);
    display_ = named(new FitLabel(this), QStringLiteral("calcdisplay"));
    display_->setFixedSize(140, 18);
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFrameShape(QFrame::Box);
    display_->setAutoFillBackground(true);
    QPalette pal = display_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    display_->setPalette(pal);
    QFont df = display_->font();
    df.setBold(true);
    display_->setFont(df);
    display_->setFittedText(QStringLiteral("0"));
    currency_ = named(new QLabel(QStringLiteral("GBP"), this), QStringLiteral("displaycurrency"));
    currency_->setFixedWidth(30);
    displayRow->addWidget(display_);
    displayRow->addWidget(currency_);
    col->addLayout(displayRow);

    grid_ = new QGridLayout();
    grid_->setSpacing(1);
    for (int d = 1; d <= 9; ++d)   // 1 2 3 on top, 7 8 9 above the 0 row
        digits_[d] = makeKey(QStringLiteral("key%1").arg(d), QString::number(d), QString::number(d), (d - 1) / 3,
                             (d - 1) % 3);
    digits_[0] = makeKey(QStringLiteral("key0"), QStringLiteral("0"), QStringLiteral("0"), 3, 0);
    decimal_ = makeKey(QStringLiteral("keydecimal"), QStringLiteral("."), QStringLiteral("."), 3, 1);
    equals_ = makeKey(QStringLiteral("keyequals"), QStringLiteral("="), QStringLiteral("="), 3, 2);
    plus_ = makeKey(QStringLiteral("keyplus"), QStringLiteral("+"), QStringLiteral("+"), 0, 3);
    minus_ = makeKey(QStringLiteral("keyminus"), QStringLiteral("\u2212"), QStringLiteral("-"), 1, 3);
    times_ = makeKey(QStringLiteral("keytimes"), QStringLiteral("\u00d7"), QStringLiteral("x"), 2, 3);
    divide_ = makeKey(QStringLiteral("keydivide"), QStringLiteral("\u00f7"), QStringLiteral("/"), 3, 3);
    plusMinus_ = makeKey(QStringLiteral("plusminus"), QStringLiteral("\u00b1"), QStringLiteral("0"), 4, 3);
    rmode_ = makeKey(QStringLiteral("rmode"), QStringLiteral("\u21c4"), tr("Reverse Mode"), 4, 0);
    quickPrint_ = makeKey(QStringLiteral("QuickPrint"), QString(), tr("Quick Print"), 4, 1);
    quickPrint_->setIcon(Glyphs::printer());
    quickPrint_->setIconSize(QSize(24, 24));
    clear_ = makeKey(QStringLiteral("keyclear"), QStringLiteral("C"), tr("Clear"), 4, 2);
    QPalette red = clear_->palette();
    red.setColor(QPalette::ButtonText, QColor(170, 0, 0));
    clear_->setPalette(red);
    // A screen reader says the symbol on the key; the keys with a picture or a word say
    // their hint.
    for (QToolButton* k : {rmode_, quickPrint_, clear_})
        k->setAccessibleName(k->toolTip());
    col->addLayout(grid_);
    col->addStretch(1);

    // The digit and decimal keys contribute their hint, as the keyboard map does.
    for (QToolButton* k : digits_)
        connect(k, &QToolButton::clicked, this, [this, k] { emit digitPressed(k->toolTip()); });
    connect(decimal_, &QToolButton::clicked, this, [this] { emit decimalPressed(decimal_->toolTip()); });
    for (QToolButton* k : {plus_, minus_, times_, divide_})
        connect(k, &QToolButton::clicked, this, [this, k] { emit operatorPressed(k->toolTip()); });
    connect(equals_, &QToolButton::clicked, this, &KeypadPanel::equalsPressed);
    connect(plusMinus_, &QToolButton::clicked, this, &KeypadPanel::plusMinusPressed);
    connect(clear_, &QToolButton::clicked, this, &KeypadPanel::clearPressed);
    connect(rmode_, &QToolButton::clicked, this, &KeypadPanel::reverseModePressed);
    connect(quickPrint_, &QToolButton::clicked, this, &KeypadPanel::quickPrintPressed);
}

QToolButton* KeypadPanel::makeKey(const QString& name, const QString& glyph, const QString& hint, int row,
                                  int column)
{
    auto* cell = named(new QFrame(this), name + QStringLiteral("Panel"));
    cell->setFrameShape(QFrame::Panel);
    cell->setFrameShadow(QFrame::Raised);
    cell->setFixedSize(36, 36);
    auto* b = named(new QToolButton(cell), name);
    b->setGeometry(1, 1, 34, 34);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);   // Enter must never press a focused key
    b->setText(glyph);
    b->setToolTip(hint);
    b->setAccessibleName(glyph.isEmpty() ? hint : glyph);
    QFont f = b->font();
    f.setPointSizeF(f.pointSizeF() + 3);
    f.setBold(true);
    b->setFont(f);
    grid_->addWidget(cell, row, column);
    return b;
}

void KeypadPanel::render(const MainState& state)
{
    display_->setFittedText(state.display);
    currency_->setText(state.displayCurrency);
    const std::array<QToolButton*, kLockableKeys> keys = {
        digits_[1], digits_[2], digits_[3], digits_[4], digits_[5], digits_[6], digits_[7], digits_[8], digits_[9],
        digits_[0], plus_,      minus_,     times_,     divide_,    equals_,    plusMinus_, decimal_,   rmode_};
    for (int i = 0; i < kLockableKeys; ++i)
        keys[i]->setEnabled(state.enabled[i]);
    const QString separator = FormatSettings::current().decimalSeparator;
    decimal_->setText(separator);
    decimal_->setToolTip(separator);
    decimal_->setAccessibleName(separator);
}
