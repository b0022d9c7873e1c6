#pragma once
// The nine tabs of currency buttons (TabControl1): on the selected tab, sixteen slots,
// each a flag picture (Image1..Image16) and a button (Button1..Button16). It tells which
// slot was pressed (1 to 16), with the modifier keys held, and which tab was chosen.
// It shows what it is given and holds no layout of its own.
#include "data/ButtonLayout.h"

#include <QPushButton>
#include <QWidget>
#include <array>

class QLabel;
class QPixmap;
class QTabBar;

// A currency button: its whole country name is its text, tool tip and accessible name.
class SlotButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class CurrencyTabs : public QWidget {
    Q_OBJECT
public:
    explicit CurrencyTabs(QWidget* parent);

    int currentTab() const;                               // 0 .. 8
    // Selects a tab without announcing a change of tab.
    void selectTab(int tab);
    void setTabName(int tab, const QString& name);
    QString tabName(int tab) const;
    // Shows a slot (1 .. 16) of the selected tab: its caption, and its flag (none when null).
    void setCaption(int slot, const QString& caption);
    void setFlag(int slot, const QPixmap& flag);
    // The slot whose button has the focus; failing that, the slot whose popup menu was
    // last opened on the selected tab; 0 for none.
    int focusedSlot() const;
    // The controls of a slot that take a dropped country: its button and its picture.
    QList<QWidget*> dropTargets(int slot) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void slotClicked(int slot, Qt::KeyboardModifiers modifiers);
    // A mouse button went down on a slot's button (before its click, if any).
    void slotPressed(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void tabChanged(int tab);
    // A right click on a slot's button, at a point on the screen.
    void slotMenuRequested(int slot, const QPoint& globalPos);

private:
    QTabBar* tabBar_ = nullptr;
    std::array<QPushButton*, ButtonLayout::kSlots> buttons_{};
    std::array<QLabel*, ButtonLayout::kSlots> images_{};
    int menuSlot_ = 0;
};
