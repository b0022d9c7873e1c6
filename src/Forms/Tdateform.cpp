#include "Forms/Tdateform.h"


#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 193;
constexpr int kClientHeight = 244;
} // namespace

Tdateform::Tdateform(QWidget* owner)
    : VemoxDialog(owner, {QStringLiteral("dateform"), tr("Date Format"), {kClientWidth, kClientHeight},
                          kHelpTopic, Placement::OwnerCentre, DialogToolBar::Okay | DialogToolBar::Cancel | DialogToolBar::Help,
                          60})
{
    auto* column = columnWithToolBar();
    auto* panel = named(new QFrame(this), QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(6, 6, 6, 6);
    column->addWidget(panel, 1);

    CurrencyFormat = named(new QGroupBox(tr("Currency Format "), panel), QStringLiteral("CurrencyFormat"));
    CurrencyFormatItems = new QButtonGroup(this);
    auto* items = new QVBoxLayout(CurrencyFormat);
    const QString captions[] = {tr(", Thousands . decimal"), tr(". Thousands , decimal")};
    for (int i = 0; i < 2; ++i) {
        auto* item = named(new QRadioButton(captions[i], CurrencyFormat), QStringLiteral("CurrencyFormat%1").arg(i));
        CurrencyFormatItems->addButton(item, i);
        items->addWidget(item);
    }
    inner->addWidget(CurrencyFormat);

    auto* decimals = new QHBoxLayout();
    auto* label = named(new QLabel(tr("Number of Decimal places:"), panel), QStringLiteral("Label1"));
    label->setWordWrap(true);   // the dialog is narrow
    decimals->addWidget(label, 1);
    UpDown = named(new QSpinBox(panel), QStringLiteral("UpDown"));
    UpDown->setRange(2, 6);
    UpDown->setWrapping(false);
    describeField(UpDown, {label->text()});
    UpDown->setFixedWidth(44);
    label->setBuddy(UpDown);
    updownlabel = named(UpDown->findChild<QLineEdit*>(), QStringLiteral("updownlabel"));
    decimals->addWidget(UpDown);
    inner->addLayout(decimals);

    auto* dateGroup = named(new QGroupBox(tr("Date Format "), panel), QStringLiteral("GroupBox1"));
    auto* dateColumn = new QVBoxLayout(dateGroup);
    CBDateFormat = named(new QComboBox(dateGroup), QStringLiteral("CBDateFormat"));
    CBDateFormat->addItems({QStringLiteral("dd/mm/yy"), QStringLiteral("mm/dd/yy"), QStringLiteral("yy/mm/dd"),
                            QStringLiteral("yy/dd/mm"), tr("Full")});
    describeField(CBDateFormat, {dateGroup->title()});
    dateColumn->addWidget(CBDateFormat);
    inner->addWidget(dateGroup);
    inner->addStretch(1);

    // The stored choices; a number with no item leaves that control without a selection.
    FormatChoices stored;
    stored.load();
    if (QAbstractButton* item = CurrencyFormatItems->button(stored.punctuation))
        item->setChecked(true);
    UpDown->setValue(stored.decimals);
    CBDateFormat->setCurrentIndex(stored.dateFormat >= 0 && stored.dateFormat < CBDateFormat->count()
                                      ? stored.dateFormat : -1);
}

FormatChoices Tdateform::Choices() const
{
    FormatChoices c;
    c.dateFormat = CBDateFormat->currentIndex();
    c.punctuation = CurrencyFormatItems->checkedId();
    c.decimals = UpDown->value();
    return c;
}
