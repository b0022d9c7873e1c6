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
    // Shows the panes, the R flag, the update button's switch and the Hide button: down
    // while the commission bar is shown, its hint naming what the next click will do.
    void render(const MainState& state);
    // The update button runs this command and shows its picture and hint.
    void setUpdateCommand(QAction* update);
    // The controls of a pane that take a dropped country: the pane, its flag, its name.
    QList<QWidget*> dropTargets(bool home) const;
    // What the next toggle of the commission bar will do, as its button and menu item say.
    static QString hideText(bool shown);
    // What a pane's picture shows: its flag, the banknote, or nothing.
    static QPixmap picture(const PaneState& pane);

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
    void renderHide(bool shown);
    static void renderHint(QFrame* pane, QLabel* country, const QString& name, const QString& rateHint);
    Shown homeShown_, localShown_;
    QFrame *homePane_ = nullptr, *localPane_ = nullptr;
    QLabel *homeImage_ = nullptr, *homeCountry_ = nullptr, *r_ = nullptr;
    QLabel *localImage_ = nullptr, *localCountry_ = nullptr;
    QLabel *homeIso_ = nullptr, *localIso_ = nullptr, *homeCurrency_ = nullptr, *localCurrency_ = nullptr;
    QToolButton *update_ = nullptr, *hide_ = nullptr;
    bool hideShown_ = false;
};
