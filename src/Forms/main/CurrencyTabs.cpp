#include "Forms/main/CurrencyTabs.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include "Forms/common/DialogKit.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

void SlotButton::paintEvent(QPaintEvent*)
{
    // A long name keeps the button's size and ends in an ellipsis; text() stays whole.
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 4;
    option.text = fontMetrics().elidedText(text(), Qt::ElideRight, room);
    p.drawControl(QStyle::CE_PushButton, option);
}

CurrencyTabs::CurrencyTabs(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabArea"));
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    tabBar_ = named(new QTabBar(this), QStringLiteral("TabControl1"));
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(true);
    tabBar_->setFocusPolicy(Qt::NoFocus);
    // Longer tab names bring the bar's scroll arrows; like the bar, they leave the keyboard
    // to the calculator.
    for (QToolButton* arrow : tabBar_->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);
    for (int i = 1; i <= ButtonLayout::kTabs; ++i)
        tabBar_->addTab(QString::number(i));
    tabBar_->setCurrentIndex(0);
    col->addWidget(tabBar_);
    connect(tabBar_, &QTabBar::currentChanged, this, [this](int tab) {
        menuSlot_ = 0;
        emit tabChanged(tab);
    });

    auto* page = named(new QFrame(this), QStringLiteral("TabPage"));
    page->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 3, 4, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    for (int i = 0; i < ButtonLayout::kSlots; ++i) {
        const int slot = i + 1;
        images_[i] = named(new QLabel(page), QStringLiteral("Image%1").arg(slot));
        images_[i]->setFixedSize(35, 20);
        images_[i]->setProperty("tag", slot);
        buttons_[i] = named(new SlotButton(page), QStringLiteral("Button%1").arg(slot));
        buttons_[i]->setProperty("tag", slot);
        buttons_[i]->setFixedSize(129, 22);
        buttons_[i]->setFocusPolicy(Qt::NoFocus);
        buttons_[i]->setContextMenuPolicy(Qt::CustomContextMenu);
        buttons_[i]->setAccessibleName(buttons_[i]->objectName());
        grid->addWidget(images_[i], i % 8, (i / 8) * 2);
        grid->addWidget(buttons_[i], i % 8, (i / 8) * 2 + 1);
        QPushButton* b = buttons_[i];
        connect(b, &QPushButton::clicked, this,
                [this, slot] { emit slotClicked(slot, QGuiApplication::keyboardModifiers()); });
        connect(b, &QWidget::customContextMenuRequested, this, [this, slot, b](const QPoint& p) {
            menuSlot_ = slot;
            emit slotMenuRequested(slot, b->mapToGlobal(p));
        });
        b->installEventFilter(this);
    }
    col->addWidget(page, 1);
}

int CurrencyTabs::currentTab() const { return tabBar_->currentIndex(); }

void CurrencyTabs::selectTab(int tab)
{
    const QSignalBlocker quiet(tabBar_);
    tabBar_->setCurrentIndex(tab);
    menuSlot_ = 0;
}
void CurrencyTabs::setTabName(int tab, const QString& name) { tabBar_->setTabText(tab, name); }
QString CurrencyTabs::tabName(int tab) const { return tabBar_->tabText(tab); }

QList<QWidget*> CurrencyTabs::dropTargets(int slot) const
{
    return {buttons_.at(slot - 1), images_.at(slot - 1)};
}

void CurrencyTabs::setCaption(int slot, const QString& caption)
{
    QPushButton* b = buttons_.at(slot - 1);
    b->setText(caption);
    b->setToolTip(caption);
    // An empty slot is still named, so a screen reader can say where a drop would land.
    b->setAccessibleName(caption.isEmpty() ? b->objectName() : caption);
}

void CurrencyTabs::setFlag(int slot, const QPixmap& flag) { images_.at(slot - 1)->setPixmap(flag); }

int CurrencyTabs::focusedSlot() const
{
    for (QPushButton* b : buttons_)
        if (b->hasFocus())
            return b->property("tag").toInt();
    return menuSlot_;
}

bool CurrencyTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        emit slotPressed(watched->property("tag").toInt(), press->button(), press->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}
