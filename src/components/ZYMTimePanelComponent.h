#pragma once
// A panel for entering a time of day: an hours list, a minutes list and, in the 12-hour
// display, an "am" and a "pm" button. It keeps a date-time, of which the time of day is shown;
// OnChange fires after every change the operator makes. The arithmetic is TimePanel's.
#include <QDateTime>
#include <QFrame>

class QComboBox;
class QToolButton;

class ZYMTimePanelComponent : public QFrame {
    Q_OBJECT
public:
    explicit ZYMTimePanelComponent(QWidget* parent = nullptr);

    void SetTime(const QDateTime& value);
    QDateTime GetTime() const;
    void SetDisplayAs12hr(bool twelveHour) { DisplayAs12hrs(twelveHour); }
    bool GetDisplayAs12hr() const { return twelveHour_; }
    void SetEnabled(bool enabled);
    bool GetEnabled() const { return enabled_; }
    void DisplayAs12hrs(bool twelveHour);
    void SetFocusEX();
    // The span from this panel's time to another; 0 after an error.
    QDateTime CalculateHours(const QDateTime& end) const;
    qint64 CalculateHoursMs(const QDateTime& end) const;
    // After the panel has been placed: 12-hour display at the current time.
    void Loaded();

signals:
    void OnChange(ZYMTimePanelComponent* sender);

private:
    void FillCBs();
    void FormatTime();
    void MakeampmVisible();
    void ampmButtonClick(bool pmButton);
    void OnCBChangeHrs();
    void OnCBChangeMins();
    void changed(qint64 ms);

    QToolButton* am_;
    QToolButton* pm_;
    QComboBox* hours_;
    QComboBox* minutes_;
    qint64 time_ = 0;
    bool twelveHour_ = false;
    bool enabled_ = true;
};
