#pragma once
// The top bar (Panel9): the home and foreign currency panes with their flags, the reverse
// mode indicator R, the update button and the Hide button of the commission bar. It also
// holds the hidden labels that carry each pane's currency name and code.
#include "calc/MainState.h"

#include <QFrame>

class QAction;
class QLabel;
class QToolButton;

class CurrencyPanes : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 29;
    explicit CurrencyPanes(QWidget* parent);
    void render(const MainState& state);
    // The update button runs this command and shows its picture and hint.
    void setUpdateCommand(QAction* update);
    void setUpdateEnabled(bool on);
    // The Hide button: down while the commission bar is shown. Setting it tells as a click
    // does; its hint names what the next click will do.
    bool commissionBarShown() const;
    void setCommissionBarShown(bool shown);
    void setHideHint(const QString& hint);

signals:
    // The Hide button was toggled: show (true) or hide the commission bar.
    void commissionBarToggled(bool show);

private:
    // What a pane's picture shows, so an unchanged flag is not drawn again.
    struct Shown {
        int picture = PaneState::kNoPicture;
        ResourcePicture flag;
    };
    static void renderFlag(QLabel* image, const PaneState& pane, Shown& shown);
    static void renderHint(QFrame* pane, QLabel* country, const QString& name, const QString& rateHint);
    Shown homeShown_, localShown_;
    QFrame *homePane_ = nullptr, *localPane_ = nullptr;
    QLabel *homeImage_ = nullptr, *homeCountry_ = nullptr, *r_ = nullptr;
    QLabel *localImage_ = nullptr, *localCountry_ = nullptr;
    QLabel *homeIso_ = nullptr, *localIso_ = nullptr, *homeCurrency_ = nullptr, *localCurrency_ = nullptr;
    QToolButton *update_ = nullptr, *hide_ = nullptr;
};
