#include "Forms/TCurrencyForm.h"

#include "Forms/common/Labels.h"
#include "calc/CommissionSettings.h"
#include "calc/CommissionTable.h"
#include "support/Messenger.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>

namespace {

const QString kHelpTopic = QStringLiteral("IDH_currency");
constexpr int kWidth = 412;
constexpr int kHeight = 416;
constexpr int kToolBarHeight = 28;
// The header strip under the tool bar: the whole width, so every country's name shows whole
// (the tool bar's captions leave too little room beside them).
constexpr int kHeaderHeight = 26;
constexpr int kTop = kToolBarHeight + kHeaderHeight;
constexpr int kRetailHeight = 104;
constexpr int kFieldWidth = 47;
constexpr int kGroupWidth = 130;
constexpr int kColumn[2] = {12, 70};   // x of the Buy and Sell columns in a group

// The fields by tag.
const char* const kFieldNames[TCurrencyForm::kFields] = {
    "MRcashbuy",   "MRcashsell",    "MRccbuy",      "MRccsell",    "MRtcbuy",    "MRtcsell",
    "MCcashbuy",   "MCcashsell",    "MCcashbuymin", "MCcashsellmin", "MCccbuy",  "MCccsell",
    "MCccbuymin",  "MCccsellmin",   "MCtcbuy",      "MCtcsell",    "MCtcbuymin", "MCtcsellmin",
    "MaskEdit1",   "MaskEdit2",     "MaskEdit3",    "MaskEdit4",   "MaskEdit5",  "MaskEdit6",
    "MaskEdit7",   "MaskEdit8",     "MaskEdit9",    "MaskEdit10",  "MaskEdit11", "MaskEdit12",
};

// One group of the charges panel: its name, title, first tag (Buy(%), Sell(%), Buy Min.,
// Sell Min. follow) and the names of its two currency code labels.
struct ChargeGroup {
    const char* name;
    const char* title;
    int firstTag;
    const char* buyCode;
    const char* sellCode;
};
const ChargeGroup kCommissionGroups[3] = {
    {"cashGroup", QT_TRANSLATE_NOOP("TCurrencyForm", "Cash"), 6, "cbcurrency", "cscurrency"},
    {"tchequeGroup", QT_TRANSLATE_NOOP("TCurrencyForm", "Credit Card"), 10, "Label15", "Label16"},
    {"tcGroup", QT_TRANSLATE_NOOP("TCurrencyForm", "Traveller's Cheque"), 14, "tbcurrency", "tscurrency"},
};
const ChargeGroup kDutyGroups[3] = {
    {"dutyCashGroup", QT_TRANSLATE_NOOP("TCurrencyForm", "Cash"), 18, "Label7", "Label13"},
    {"dutyCardGroup", QT_TRANSLATE_NOOP("TCurrencyForm", "Credit Card"), 22, "Label24", "Label25"},
    {"dutyChequeGroup", QT_TRANSLATE_NOOP("TCurrencyForm", "Traveller's Cheque"), 26, "Label32", "Label33"},
};

// A section's heading, named by the section's English name.
QLabel* heading(QWidget* parent, const QString& section, const QString& text, int y)
{
    auto* l = named(new QLabel(text, parent), section + QStringLiteral("Heading"));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: navy"));
    l->move(8, y);
    return l;
}

QLabel* label(QWidget* parent, const QString& text, int x, int y, const QString& name = {})
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->move(x, y);
    return l;
}

} // namespace

TCurrencyForm::TCurrencyForm(const CommissionHeader& header, CommissionTable& table, QWidget* parent)
    : VemoxDialog(parent, {QStringLiteral("CurrencyForm"), tr("Commission Setup"), {kWidth, kHeight},
                           kHelpTopic, Placement::ScreenCentre,
                           DialogToolBar::Okay | DialogToolBar::Cancel | DialogToolBar::Help, 50}),
      table_(table)
{
    // The small type of a settings dialog: the seven characters of a field fit its width.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    buildToolBar(header);
    QWidget* retail = buildRetail();
    QWidget* charges = buildCharges(header.iso);

    PopupMenu1 = named(new QMenu(this), QStringLiteral("PopupMenu1"));
    mirrorItem(PopupMenu1, QStringLiteral("LoadDefaults1"), ActionDefaults);
    mirrorItem(PopupMenu1, QStringLiteral("ClearSettings1"), ActionClear);
    for (QWidget* panel : {retail, charges}) {
        panel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(panel, &QWidget::customContextMenuRequested, this,
                [this, panel](const QPoint& p) { PopupMenu1->popup(panel->mapToGlobal(p)); });
    }

    setReady(trapWith(
        [&] {
            working_ = StoredCommissionSettings();
            fillFields();
        },
        [](VemoxError&) { messenger().messageBox(tr(kLoadError)); }));
}

void TCurrencyForm::buildToolBar(const CommissionHeader& header)
{
    DialogToolBar* toolBar_ = toolBar();
    ActionDefaults = makeAction(this, QStringLiteral("ActionDefaults"), tr("Load Defaults"),
                                QStringLiteral("Ctrl+Alt+L"), tr("Load Defaults"));
    ActionClear = makeAction(this, QStringLiteral("ActionClear"), tr("Clear Settings"),
                             QStringLiteral("Ctrl+E"), tr("Clear Settings"));
    toolBar_->insertAction(toolBar_->okay(), ActionDefaults);
    toolBar_->insertAction(toolBar_->okay(), ActionClear);
    toolBar_->widgetForAction(ActionDefaults)->setObjectName(QStringLiteral("Defaults"));
    toolBar_->widgetForAction(ActionClear)->setObjectName(QStringLiteral("Clear"));

    toolBar_->setGeometry(0, 0, kWidth, kToolBarHeight);
    auto* panel = named(new QFrame(this), QStringLiteral("HeaderPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, kToolBarHeight, kWidth, kHeaderHeight);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 1, 4, 1);
    row->setSpacing(4);
    auto* picture = named(new QLabel(panel), QStringLiteral("homeImage"));
    picture->setFixedSize(35, 20);
    picture->setPixmap(header.picture);
    picture->setToolTip(tr("Local Currency"));
    picture->setAccessibleName(tr("Local Currency"));
    row->addWidget(picture);
    // The whole name, elided at its end only where it cannot fit, and then in the tool tip.
    auto* country = named(new ElidedLabel(panel), QStringLiteral("homecountry"));
    country->setFullText(header.country);
    row->addWidget(country, 1);

    connect(ActionDefaults, &QAction::triggered, this, &TCurrencyForm::ActionDefaultsExecute);
    connect(ActionClear, &QAction::triggered, this, &TCurrencyForm::ActionClearExecute);
}

QWidget* TCurrencyForm::buildRetail()
{
    auto* panel = named(new QFrame(this), QStringLiteral("RetailPanel"));
    panel->setGeometry(0, kTop, kWidth, kRetailHeight);
    heading(panel, QStringLiteral("Retail"), tr("Retail"), 2);
    const char* titles[3] = {QT_TR_NOOP(" Cash "), QT_TR_NOOP(" Credit Card "), QT_TR_NOOP(" Traveller's Cheque ")};
    const char* names[3] = {"retailCashGroup", "retailCardGroup", "retailChequeGroup"};
    for (int g = 0; g < 3; ++g) {
        auto* box = named(new QGroupBox(tr(titles[g]), panel), QString::fromLatin1(names[g]));
        box->setGeometry(6 + g * (kGroupWidth + 5), 18, kGroupWidth, 82);
        for (int c = 0; c < 2; ++c) {
            const int tag = g * 2 + c;
            const QString caption = c ? tr("Sell(%)") : tr("Buy(%)");
            label(box, caption, kColumn[c], 18);
            addField(box, tag, kColumn[c], 36, {tr("Retail"), box->title(), caption});
        }
    }
    return panel;
}

QWidget* TCurrencyForm::buildCharges(const QString& iso)
{
    auto* panel = named(new QFrame(this), QStringLiteral("ChargesPanel"));
    panel->setGeometry(0, kTop + kRetailHeight, kWidth, kHeight - kTop - kRetailHeight);
    const QString code = QStringLiteral("(%1)").arg(iso);
    auto section = [&](const QString& name, const QString& section, int y, const ChargeGroup(&groups)[3]) {
        heading(panel, name, section, y);
        for (int g = 0; g < 3; ++g) {
            const ChargeGroup& cg = groups[g];
            auto* box = named(new QGroupBox(tr(cg.title), panel), QString::fromLatin1(cg.name));
            box->setGeometry(6 + g * (kGroupWidth + 5), y + 16, kGroupWidth, 106);
            const char* codes[2] = {cg.buyCode, cg.sellCode};
            for (int c = 0; c < 2; ++c) {
                const int pct = cg.firstTag + c, fee = cg.firstTag + 2 + c;
                const QString caption = c ? tr("Sell(%)") : tr("Buy(%)");
                label(box, caption, kColumn[c], 16);
                addField(box, pct, kColumn[c], 32, {section, box->title(), caption});
                label(box, tr("Min."), kColumn[c], 60);
                label(box, code, kColumn[c] + 25, 60, QString::fromLatin1(codes[c]));
                addField(box, fee, kColumn[c], 76,
                         {section, box->title(), (c ? tr("Sell Min. ") : tr("Buy Min. ")) + code});
            }
        }
    };
    section(QStringLiteral("Commission"), tr("Commission"), 2, kCommissionGroups);
    section(QStringLiteral("Duty"), tr("Duty"), 126, kDutyGroups);
    return panel;
}

MaskedNumberField* TCurrencyForm::addField(QWidget* box, int tag, int x, int y, const QStringList& description)
{
    auto* f = new MaskedNumberField(box, QString::fromLatin1(kFieldNames[tag]));
    f->setProperty("tag", tag);
    f->setFixedSize(kFieldWidth, 21);
    // A thin frame and no padding, so that all seven characters show in the width.
    f->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid gray; padding: 0px; }"));
    QFont font = f->font();
    font.setPixelSize(10);
    f->setFont(font);
    f->move(x, y);
    describeField(f, description);
    fields_[size_t(tag)] = f;
    return f;
}

void TCurrencyForm::fillFields()
{
    for (MaskedNumberField* f : fields_) {
        const int tag = f->property("tag").toInt();
        if (tag >= working_.size())
            throw VemoxError(tr("List index out of bounds (%1)").arg(tag));
        f->setMaskedText(working_.at(tag));
    }
}

void TCurrencyForm::ActionDefaultsExecute()
{
    working_ = CommissionTable::Defaults();
    fillFields();
}

void TCurrencyForm::ActionClearExecute()
{
    working_ = CommissionTable::Cleared();
    fillFields();
}

bool TCurrencyForm::save()
{
    working_.clear();
    for (MaskedNumberField* f : fields_)
        working_.append(f->maskedText());
    bool saved = false;
    ZYMAPI::HeldReports store;   // a failed save is told in the dialog's words alone
    trapWith([&] { saved = table_.Save(working_); }, [](VemoxError&) {});
    if (!saved) {
        store.forget();
        messenger().messageBox(tr(kWriteError));
    }
    return saved;
}
