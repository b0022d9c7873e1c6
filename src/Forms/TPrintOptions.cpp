#include "Forms/TPrintOptions.h"
#include "Forms/common/DialogKit.h"
#include "support/Errors.h"
#include "support/Messenger.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

const QString TPrintOptions::kHelpTopic = QStringLiteral("IDH_printpageoptions");

namespace {
using T = BannerSettings::Text;

// Each banner text's box: its name, its maximum length and its label's caption.
struct Field {
    const char* edit;
    const char* label;
    int maxLength;
    const char* caption;
};
const Field kFields[BannerSettings::kTexts] = {
    {"EditTitle", "LabelTitle", 60, QT_TRANSLATE_NOOP("TPrintOptions", "Title:")},
    {"EditName", "LabelName", 60, QT_TRANSLATE_NOOP("TPrintOptions", "Company Name: ")},
    {"EditStreet1", "LabelStreet1", 60, QT_TRANSLATE_NOOP("TPrintOptions", "Street&1:")},
    {"EditStreet2", "LabelStreet2", 60, QT_TRANSLATE_NOOP("TPrintOptions", "Street&2:")},
    {"EditCity", "LabelCity", 60, QT_TRANSLATE_NOOP("TPrintOptions", "&City:")},
    {"EditState", "LabelState", 60, QT_TRANSLATE_NOOP("TPrintOptions", "&State:")},
    {"EditZip", "LabelZip", 40, QT_TRANSLATE_NOOP("TPrintOptions", "&Zip:")},
    {"EditCountry", "LabelCountry", 60, QT_TRANSLATE_NOOP("TPrintOptions", "C&ountry:")},
    {"EditEmail", "LabelEmail", 70, QT_TRANSLATE_NOOP("TPrintOptions", "&Email:")},
    {"EditPhone", "LabelPhone", 40, QT_TRANSLATE_NOOP("TPrintOptions", "&Phone: ")},
    {"EditFax", "LabelFax", 40, QT_TRANSLATE_NOOP("TPrintOptions", "&Fax: ")},
    {"EditWeb", "LabelWeb", 70, QT_TRANSLATE_NOOP("TPrintOptions", "&Web Page:")},
    {"EditInfo", "LabelInfo", 70, QT_TRANSLATE_NOOP("TPrintOptions", "&User Info:")},
    {"Branch", "LabelBranch", 60, QT_TRANSLATE_NOOP("TPrintOptions", "Branch Name:")}};

// The address block: street 1 to user information.
constexpr T kAddress[] = {T::Street1, T::Street2, T::City, T::State, T::Zip, T::Country,
                          T::Email,   T::Phone,   T::Fax,  T::Web,   T::Info};
} // namespace

TPrintOptions::TPrintOptions(QWidget* owner)
    : VemoxDialog(owner, {QStringLiteral("PrintOptions"), tr("Print Options"), {}, kHelpTopic,
                          Placement::ScreenCentre})
{
    auto* column = columnWithToolBar(4);
    ToolBar1 = toolBar();
    ToolBar1->widgetForAction(ToolBar1->cancel())->setObjectName(QStringLiteral("ToolButton1"));
    ToolBar1->widgetForAction(ToolBar1->help())->setObjectName(QStringLiteral("ToolButton2"));
    PageControl1 = named(new QTabWidget(this), QStringLiteral("PageControl1"));
    PageControl1->addTab(titlePage(), tr("Title/Name"));
    PageControl1->addTab(addressPage(), tr("Address"));
    column->addWidget(PageControl1, 1);

    connect(CheckTitle, &QCheckBox::clicked, this, &TPrintOptions::CheckTitleClick);
    connect(CheckName, &QCheckBox::clicked, this, &TPrintOptions::CheckNameClick);
    connect(CheckAddress, &QCheckBox::clicked, this, &TPrintOptions::CheckAddressClick);

    FormShow();
    // Not scaled with the system font: the size the layout takes once, fixed.
    adjustSize();
    setFixedSize(size());
}

void TPrintOptions::addRow(QWidget* page, QGridLayout* grid, int row, T text)
{
    const Field& f = kFields[text];
    auto* edit = named(new QLineEdit(page), QString::fromLatin1(f.edit));
    edit->setMaxLength(f.maxLength);
    auto* label = named(new QLabel(tr(f.caption), page), QString::fromLatin1(f.label));
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    edits[text] = edit;
    labels[text] = label;
}

QWidget* TPrintOptions::titlePage()
{
    auto* page = named(new QWidget(this), QStringLiteral("TabSheet1"));
    auto* grid = new QGridLayout(page);
    addRow(page, grid, 0, T::Title);
    CheckTitle = named(new QCheckBox(tr("Include Title"), page), QStringLiteral("CheckTitle"));
    grid->addWidget(CheckTitle, 0, 2);
    addRow(page, grid, 1, T::Name);
    CheckName = named(new QCheckBox(tr("Include Name"), page), QStringLiteral("CheckName"));
    grid->addWidget(CheckName, 1, 2);
    addRow(page, grid, 2, T::Branch);
    CheckDate = named(new QCheckBox(tr("Include Todays Date"), page), QStringLiteral("CheckDate"));
    grid->addWidget(CheckDate, 3, 1);
    RGPrintCols = named(new QGroupBox(tr("Print Type"), page), QStringLiteral("RGPrintCols"));
    auto* radios = new QVBoxLayout(RGPrintCols);
    const char* items[] = {QT_TR_NOOP("40 Column Printer"), QT_TR_NOOP("80 Column Printer")};
    for (int i = 0; i < 2; ++i) {
        PrintCols[i] = named(new QRadioButton(tr(items[i]), RGPrintCols),
                             QStringLiteral("RGPrintCols%1").arg(i));
        radios->addWidget(PrintCols[i]);
    }
    grid->addWidget(RGPrintCols, 4, 1);
    // The designed state, until the stored banner overrides it.
    edits[T::Title]->setText(QStringLiteral("Foreign Exchange Purchase"));
    PrintCols[1]->setChecked(true);
    grid->setColumnMinimumWidth(1, 300);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* TPrintOptions::addressPage()
{
    auto* page = named(new QWidget(this), QStringLiteral("TabSheet2"));
    auto* grid = new QGridLayout(page);
    CheckAddress = named(new QCheckBox(tr("Include Address Information"), page),
                         QStringLiteral("CheckAddress"));
    grid->addWidget(CheckAddress, 0, 0, 1, 2);
    int row = 1;
    for (T text : kAddress)
        addRow(page, grid, row++, text);
    grid->setRowStretch(row, 1);
    return page;
}

void TPrintOptions::FormShow()
{
    BannerSettings stored;
    stored.texts = {};
    for (int i = 0; i < BannerSettings::kTexts; ++i)
        stored.texts[static_cast<size_t>(i)] = edits[static_cast<size_t>(i)]->text();
    const BannerSettings::DialogRead read = stored.loadForDialog();
    CheckTitle->setChecked(stored.useTitle);
    CheckDate->setChecked(stored.useDate);
    CheckName->setChecked(stored.useName);
    CheckAddress->setChecked(stored.useAddress);
    CheckTitleClick();
    CheckNameClick();
    CheckAddressClick();
    if (!read.stored)
        return;
    for (int i = 0; i < BannerSettings::kTexts; ++i)
        edits[static_cast<size_t>(i)]->setText(stored.texts[static_cast<size_t>(i)]);
    PrintCols[stored.fullWidth() ? 1 : 0]->setChecked(true);
}

void TPrintOptions::CheckTitleClick()
{
    edits[T::Title]->setEnabled(CheckTitle->isChecked());
    labels[T::Title]->setEnabled(CheckTitle->isChecked());
}

void TPrintOptions::CheckNameClick()
{
    edits[T::Name]->setEnabled(CheckName->isChecked());
    labels[T::Name]->setEnabled(CheckName->isChecked());
}

void TPrintOptions::CheckAddressClick()
{
    for (T text : kAddress) {
        edits[text]->setEnabled(CheckAddress->isChecked());
        labels[text]->setEnabled(CheckAddress->isChecked());
    }
}

BannerSettings TPrintOptions::fromControls() const
{
    BannerSettings s;
    s.printCols = PrintCols[0]->isChecked() ? 0 : 1;
    s.useTitle = CheckTitle->isChecked();
    s.useDate = CheckDate->isChecked();
    s.useName = CheckName->isChecked();
    s.useAddress = CheckAddress->isChecked();
    for (int i = 0; i < BannerSettings::kTexts; ++i)
        s.texts[static_cast<size_t>(i)] = edits[static_cast<size_t>(i)]->text();
    return s;
}

bool TPrintOptions::save()
{
    // The 40-column warnings only warn: the texts are stored whole.
    const BannerSettings s = fromControls();
    ZYMAPI::HeldReports store;   // a failed save is told in the dialog's words alone
    return trapWith(
        [&] {
            for (const QString& warning : s.col40Warnings())
                messenger().messageDialog(warning, Messenger::Icon::Error);
            if (!s.save())
                throw VemoxError(tr(kWriteError));
        },
        [&](VemoxError&) {
            store.forget();
            messenger().messageDialog(tr(kWriteError), Messenger::Icon::Error);
        });
}
