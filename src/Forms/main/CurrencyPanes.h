#pragma once
// The top bar (Panel9): the home and foreign currency panes with their flags, the reverse
// mode indicator R, the update button and the Hide button of the commission bar. It also
// holds the hidden labels that carry each pane's currency name and code.
#include <QFrame>

class MainState;
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

signals:
    // The Hide button was toggled: show (true) or hide the commission bar.
    void commissionBarToggled(bool show);

private:
    QLabel *homeImage_ = nullptr, *homeCountry_ = nullptr, *r_ = nullptr;
    QLabel *localImage_ = nullptr, *localCountry_ = nullptr;
    QLabel *homeIso_ = nullptr, *localIso_ = nullptr, *homeCurrency_ = nullptr, *localCurrency_ = nullptr;
    QToolButton *update_ = nullptr, *hide_ = nullptr;
};
