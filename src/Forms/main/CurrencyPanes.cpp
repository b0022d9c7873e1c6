#include "Forms/main/CurrencyPanes.h"
#include "Forms/common/DialogKit.h"
#include "Forms/main/Glyphs.h"
#include "Forms/FlagImage.h"
#include "data/CurrencyData.h"
#include "calc/MainState.h"
#include "support/Trap.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>


CurrencyPanes::CurrencyPanes(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel9"));
    setFixedHeight(kHeight);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(3, 2, 3, 2);
    row->setSpacing(4);

    auto pane = [&](const QString& name, QFrame*& frame, QLabel*& image, const QString& imageName,
                    QLabel*& country, const QString& countryName, const QString& hint) {
        frame = named(new QFrame(this), name);
        frame->setFrameShape(QFrame::Panel);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setToolTip(hint);
        auto* l = new QHBoxLayout(frame);
        l->setContentsMargins(2, 1, 2, 1);
        l->setSpacing(4);
        image = named(new QLabel(frame), imageName);
        image->setFixedSize(35, 20);
        country = named(new QLabel(frame), countryName);
        country->setToolTip(hint);
        country->setMinimumWidth(90);
        l->addWidget(image);
        l->addWidget(country, 1);
        row->addWidget(frame, 1);
    };
    pane(QStringLiteral("Panel2"), homePane_, homeImage_, QStringLiteral("homeImage"), homeCountry_,
         QStringLiteral("homecountry"), tr("Local exchange panel"));
    r_ = named(new QLabel(QStringLiteral("R"), this), QStringLiteral("R"));
    QFont bold = r_->font();
    bold.setBold(true);
    r_->setFont(bold);
    r_->setToolTip(tr("Reverse Mode"));
    row->addWidget(r_);
    pane(QStringLiteral("Panel3"), localPane_, localImage_, QStringLiteral("localimage"), localCountry_,
         QStringLiteral("localcountry"), tr("Foreign exchange panel"));

    auto* bar = named(new QToolBar(this), QStringLiteral("ToolBar2"));
    bar->setIconSize(QSize(18, 18));
    bar->setMovable(false);
    auto* updateLabel = named(new QLabel(tr("Update Currencies"), bar), QStringLiteral("UpdateLabel"));
    updateLabel->setFont(bold);
    bar->addWidget(updateLabel);
    update_ = named(new QToolButton(bar), QStringLiteral("UpdateTool"));
    update_->setAutoRaise(true);
    update_->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(update_);
    row->addWidget(bar);

    hide_ = named(new QToolButton(this), QStringLiteral("Hide"));
    hide_->setCheckable(true);
    hide_->setAutoRaise(true);
    hide_->setArrowType(Qt::DownArrow);
    hide_->setFocusPolicy(Qt::NoFocus);
    hide_->setToolTip(tr("Show Commision Toobar"));
    hide_->setAccessibleName(hide_->toolTip());
    row->addWidget(hide_);
    // The arrow points the way the bar will go.
    connect(hide_, &QToolButton::toggled, this,
            [this](bool down) { hide_->setArrowType(down ? Qt::UpArrow : Qt::DownArrow); });
    connect(hide_, &QToolButton::toggled, this, &CurrencyPanes::commissionBarToggled);

    // The hidden labels that carry the panes' currency names and codes.
    homeIso_ = named(new QLabel(this), QStringLiteral("isodata"));
    localIso_ = named(new QLabel(this), QStringLiteral("localiso"));
    homeCurrency_ = named(new QLabel(this), QStringLiteral("homecurrency"));
    localCurrency_ = named(new QLabel(this), QStringLiteral("localcurrency"));
    for (QLabel* l : {homeIso_, localIso_, homeCurrency_, localCurrency_})
        l->hide();
}

void CurrencyPanes::setUpdateCommand(QAction* update)
{
    update->setIcon(Glyphs::update());
    update_->setDefaultAction(update);
    update_->setToolTip(update->toolTip());
    update_->setAccessibleName(update->toolTip());
}

QList<QWidget*> CurrencyPanes::dropTargets(bool home) const
{
    if (home)
        return {homePane_, homeImage_, homeCountry_};
    return {localPane_, localImage_, localCountry_};
}

void CurrencyPanes::render(const MainState& state)
{
    homeCountry_->setText(state.home.country);
    homeCurrency_->setText(state.home.currency);
    homeIso_->setText(state.home.iso);
    localCountry_->setText(state.foreign.country);
    localCurrency_->setText(state.foreign.currency);
    localIso_->setText(state.foreign.iso);
    renderFlag(homeImage_, state.home, homeShown_);
    renderFlag(localImage_, state.foreign, localShown_);
    renderHint(homePane_, homeCountry_, tr("Local exchange panel"), state.homeRateHint);
    renderHint(localPane_, localCountry_, tr("Foreign exchange panel"), state.foreignRateHint);
    QPalette rp = r_->palette();
    rp.setColor(QPalette::WindowText, state.reverseMode ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    r_->setPalette(rp);
    update_->setEnabled(state.updateEnabled);
    renderHide(state.commissionBarShown);
}

QString CurrencyPanes::hideText(bool shown)
{
    return shown ? tr("Hide Commission Toobar") : tr("Show Commission Toobar");
}

// Until the first toggle the button keeps its designed hint.
void CurrencyPanes::renderHide(bool shown)
{
    if (shown == hideShown_)
        return;
    hideShown_ = shown;
    const QString hint = hideText(shown);
    hide_->setToolTip(hint);
    hide_->setAccessibleName(hint);
    hide_->setChecked(shown);   // after a click it is so already, and tells nothing
}

// A pane's tool tip names the pane, then the rate of its currency.
void CurrencyPanes::renderHint(QFrame* pane, QLabel* country, const QString& name, const QString& rateHint)
{
    const QString hint = rateHint.isEmpty() ? name : name + QLatin1Char('\n') + rateHint;
    pane->setToolTip(hint);
    country->setToolTip(hint);
}

// A pane shows its currency's flag, the banknote for a currency the library has no flag
// for, or nothing. A picture whose bytes do not fill its size shows nothing.
void CurrencyPanes::renderFlag(QLabel* image, const PaneState& pane, Shown& shown)
{
    if (shown.picture == pane.picture && shown.flag == pane.flag)
        return;
    shown.picture = pane.picture;
    shown.flag = pane.flag;
    const QPixmap flag = picture(pane);
    if (flag.isNull())
        image->clear();
    else
        image->setPixmap(flag);
}

// A picture whose bytes do not fill its size shows nothing.
QPixmap CurrencyPanes::picture(const PaneState& pane)
{
    QImage picture;
    if (!pane.flag.isNull())
        trapWith([&] { picture = toImage(pane.flag); }, [](VemoxError&) {});
    else if (pane.picture == NoResourceIndex)
        picture = defaultBanknote();
    return picture.isNull() ? QPixmap() : QPixmap::fromImage(picture);
}
