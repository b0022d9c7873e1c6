#include "Forms/Tdateform.h"

#include "Forms/Placement.h"
#include "Forms/common/DialogKit.h"

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

Tdateform::Tdateform(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("dateform"));
    setWindowTitle(QStringLiteral("Date Format"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    ToolBar1 = new DialogToolBar(this);
    ToolBar1->setHelpTopic(kHelpTopic);
    column->addWidget(ToolBar1);

    auto* panel = named(new QFrame(this), QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(6, 6, 6, 6);
    column->addWidget(panel, 1);

    CurrencyFormat = named(new QGroupBox(QStringLiteral("Currency Format "), panel), QStringLiteral("CurrencyFormat"));
    CurrencyFormatItems = new QButtonGroup(this);
    auto* items = new QVBoxLayout(CurrencyFormat);
    const QString captions[] = {QStringLiteral(", Thousands . decimal"), QStringLiteral(". Thousands , decimal")};
    for (int i = 0; i < 2; ++i) {
        auto* item = named(new QRadioButton(captions[i], CurrencyFormat), QStringLiteral("CurrencyFormat%1").arg(i));
        CurrencyFormatItems->addButton(item, i);
        items->addWidget(item);
    }
    inner->addWidget(CurrencyFormat);

    auto* decimals = new QHBoxLayout();
    auto* label = named(new QLabel(QStringLiteral("Number of Decimal places:"), panel), QStringLiteral("Label1"));
    label->setWordWrap(true);   // the dialog is narrow
    decimals->addWidget(label, 1);
    UpDown = named(new QSpinBox(panel), QStringLiteral("UpDown"));
    UpDown->setRange(2, 6);
    UpDown->setWrapping(false);
    UpDown->setAccessibleName(QStringLiteral("Number of Decimal places:"));
    UpDown->setFixedWidth(44);
    label->setBuddy(UpDown);
    updownlabel = named(UpDown->findChild<QLineEdit*>(), QStringLiteral("updownlabel"));
    decimals->addWidget(UpDown);
    inner->addLayout(decimals);

    auto* dateGroup = named(new QGroupBox(QStringLiteral("Date Format "), panel), QStringLiteral("GroupBox1"));
    auto* dateColumn = new QVBoxLayout(dateGroup);
    CBDateFormat = named(new QComboBox(dateGroup), QStringLiteral("CBDateFormat"));
    CBDateFormat->addItems({QStringLiteral("dd/mm/yy"), QStringLiteral("mm/dd/yy"), QStringLiteral("yy/mm/dd"),
                            QStringLiteral("yy/dd/mm"), QStringLiteral("Full")});
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

    connect(ToolBar1->okay(), &QAction::triggered, this, &Tdateform::ActionOkayExecute);
    connect(ToolBar1->cancel(), &QAction::triggered, this, &Tdateform::ActionCancelExecute);
}

FormatChoices Tdateform::Choices() const
{
    FormatChoices c;
    c.dateFormat = CBDateFormat->currentIndex();
    c.punctuation = CurrencyFormatItems->checkedId();
    c.decimals = UpDown->value();
    return c;
}

void Tdateform::ActionOkayExecute()
{
    // A failed write has been reported by the store; the stored choices then stay as they
    // were, and the main window applies those.
    Choices().save();
    accept();
}

void Tdateform::ActionCancelExecute() { reject(); }

void Tdateform::ActionHelpExecute() { ToolBar1->help()->trigger(); }

void Tdateform::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        centreWindowOn(*this, owner->window()->frameGeometry().center());
    QDialog::showEvent(event);
}
