#include "components/ZYMTimePanelComponent.h"
#include "support/TimePanel.h"
#include "support/Trap.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

const QString kConstructError = QStringLiteral(" - Error: - Unable to construct Time Panel - Out of memory. zym");
const QString kFillError = QStringLiteral(" - Error: Unable to fill CBs for Time Panel- zym");
const QString kFormatError = QStringLiteral(" - Error: - Unable to format TimePanel times zym");
const QString kButtonsError = QStringLiteral(" - Error: - Failed time Panel buttons. zym");
const QString kHoursError = QStringLiteral(" - Error: - Cannot process Time Panelzym");

constexpr int kHeight = 32;
constexpr int kWidth12 = 121;
constexpr int kWidth24 = 99;

QToolButton* halfButton(QWidget* parent, const char* name, const QString& caption, int top)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setAccessibleName(caption);
    b->setAutoRaise(true);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(96, top, 20, 12);
    return b;
}

QComboBox* list(QWidget* parent, const char* name, int left)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(left, 6, 38, 21);
    return c;
}

} // namespace

ZYMTimePanelComponent::ZYMTimePanelComponent(QWidget* parent) : QFrame(parent)
{
    am_ = pm_ = nullptr;
    hours_ = minutes_ = nullptr;
    trapped(kConstructError, [&] {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        //: Before noon, on a button 20 pixels wide: two letters at most.
        am_ = halfButton(this, "amButton", tr("am"), 4);
        //: After noon, on a button 20 pixels wide: two letters at most.
        pm_ = halfButton(this, "pmButton", tr("pm"), 16);
        hours_ = list(this, "hoursList", 6);
        minutes_ = list(this, "minutesList", 55);
        connect(am_, &QToolButton::clicked, this, [this] { ampmButtonClick(false); });
        connect(pm_, &QToolButton::clicked, this, [this] { ampmButtonClick(true); });
        connect(hours_, &QComboBox::currentIndexChanged, this, [this] { OnCBChangeHrs(); });
        connect(minutes_, &QComboBox::currentIndexChanged, this, [this] { OnCBChangeMins(); });
        resize(kWidth24, kHeight);
        MakeampmVisible();
        FillCBs();
        FormatTime();
    });
}

void ZYMTimePanelComponent::Loaded()
{
    twelveHour_ = true;
    time_ = TimePanel::FromDateTime(QDateTime::currentDateTime());
    MakeampmVisible();
    FillCBs();
    FormatTime();
}

void ZYMTimePanelComponent::DisplayAs12hrs(bool twelveHour)
{
    twelveHour_ = twelveHour;
    MakeampmVisible();
    FillCBs();
    FormatTime();
}

void ZYMTimePanelComponent::MakeampmVisible()
{
    resize(twelveHour_ ? kWidth12 : kWidth24, kHeight);
    am_->setVisible(twelveHour_);
    pm_->setVisible(twelveHour_);
}

void ZYMTimePanelComponent::FillCBs()
{
    trapped(kFillError, [&] {
        const QSignalBlocker h(hours_), m(minutes_);
        hours_->clear();
        minutes_->clear();
        hours_->addItems(TimePanel::HourEntries(twelveHour_));
        minutes_->addItems(TimePanel::MinuteEntries());
    });
}

void ZYMTimePanelComponent::FormatTime()
{
    trapped(kFormatError, [&] {
        const TimePanel::Shown s = TimePanel::FormatTime(time_, twelveHour_);
        const QSignalBlocker h(hours_), m(minutes_);
        hours_->setCurrentIndex(s.hourIndex);
        minutes_->setCurrentIndex(s.minuteIndex);
        (s.pm ? pm_ : am_)->setChecked(true);
    });
}

void ZYMTimePanelComponent::changed(qint64 ms)
{
    time_ = ms;
    FormatTime();
    emit OnChange(this);
}

void ZYMTimePanelComponent::OnCBChangeHrs()
{
    trapped({}, [&] {
        changed(TimePanel::ChangeHours(hours_->currentText(), minutes_->currentText(), twelveHour_, pm_->isChecked()));
    });
}

void ZYMTimePanelComponent::OnCBChangeMins()
{
    trapped({}, [&] { changed(TimePanel::ChangeMinutes(time_, minutes_->currentText())); });
}

void ZYMTimePanelComponent::ampmButtonClick(bool pmButton)
{
    trapped(kButtonsError, [&] {
        // The click has already pressed its button; the time says which half was down.
        if (const auto shifted = TimePanel::AmPmClick(time_, pmButton))
            changed(*shifted);
    });
}

void ZYMTimePanelComponent::SetTime(const QDateTime& value)
{
    const qint64 ms = TimePanel::FromDateTime(value);
    if (ms != time_)
        time_ = ms;
    FormatTime();
}

QDateTime ZYMTimePanelComponent::GetTime() const { return TimePanel::ToDateTime(time_); }

void ZYMTimePanelComponent::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    for (QWidget* w : {static_cast<QWidget*>(am_), static_cast<QWidget*>(pm_), static_cast<QWidget*>(hours_),
                       static_cast<QWidget*>(minutes_)})
        w->setEnabled(enabled);
}

void ZYMTimePanelComponent::SetFocusEX() { hours_->setFocus(); }

qint64 ZYMTimePanelComponent::CalculateHoursMs(const QDateTime& end) const
{
    qint64 span = 0;
    if (!trapped(kHoursError, [&] { span = TimePanel::CalculateHours(time_, TimePanel::FromDateTime(end)); }))
        return 0;
    return span;
}

QDateTime ZYMTimePanelComponent::CalculateHours(const QDateTime& end) const
{
    return TimePanel::ToDateTime(CalculateHoursMs(end));
}
