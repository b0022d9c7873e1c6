#pragma once
// The print options: the banner that heads every customer receipt (title, company name and
// branch, the address block and contact lines), the four switches that decide which parts
// print, and the receipt layout (40 or 80 columns). It reads and writes the stored banner
// (BannerSettings) and nothing else; the next preparation of the report uses it.
#include "support/BannerSettings.h"

#include <QDialog>
#include <array>

class DialogToolBar;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

class TPrintOptions : public QDialog {
    Q_OBJECT
public:
    explicit TPrintOptions(QWidget* owner = nullptr);

    static const QString kHelpTopic;
    static const QString kWriteError;

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
    void ActionOkayExecute();
    void ActionCancelExecute();
    void ActionHelpExecute();

private:
    QWidget* titlePage();
    QWidget* addressPage();
    void addRow(QWidget* page, class QGridLayout* grid, int row, BannerSettings::Text text);
    BannerSettings fromControls() const;
};
