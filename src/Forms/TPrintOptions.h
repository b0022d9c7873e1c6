#pragma once
// The print options: the banner that heads every customer receipt (title, company name and
// branch, the address block and contact lines), the four switches that decide which parts
// print, and the receipt layout (40 or 80 columns). Okay (F7), Cancel (Ctrl+Q) and Help
// (F3) are the dialog frame's. It reads and writes the stored banner
// (BannerSettings) and nothing else; the next preparation of the report uses it.
#include "Forms/common/VemoxDialog.h"
#include "support/BannerSettings.h"

#include <array>

class DialogToolBar;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

class TPrintOptions : public VemoxDialog {
    Q_OBJECT
public:
    explicit TPrintOptions(QWidget* owner = nullptr);

    static const QString kHelpTopic;
    static constexpr const char* kWriteError = QT_TR_NOOP("Error: Unable to write Banner data to registry");

    DialogToolBar* ToolBar1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QCheckBox *CheckTitle = nullptr, *CheckName = nullptr, *CheckDate = nullptr, *CheckAddress = nullptr;
    QGroupBox* RGPrintCols = nullptr;
    std::array<QRadioButton*, 2> PrintCols{};    // "40 Column Printer", "80 Column Printer"
    // The fourteen boxes and their labels, by banner text: EditTitle, EditName, EditStreet1,
    // ..., EditInfo, Branch.
    std::array<QLineEdit*, BannerSettings::kTexts> edits{};
    std::array<QLabel*, BannerSettings::kTexts> labels{};

    void FormShow();
    void CheckTitleClick();
    void CheckNameClick();
    void CheckAddressClick();

protected:
    // Okay: the 40-column warnings, then the banner stored as one change; a store that
    // cannot take it keeps the dialog open with what was typed.
    bool save() override;

private:
    QWidget* titlePage();
    QWidget* addressPage();
    void addRow(QWidget* page, class QGridLayout* grid, int row, BannerSettings::Text text);
    BannerSettings fromControls() const;
};
