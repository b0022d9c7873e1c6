#pragma once
// The accounting export file dialog: whether the account file is used, its folder and its
// name. Browse picks the folder, Select an existing or new file anywhere, New a new file in
// the folder; the file chosen or made is the one the next export goes to once Okay stores
// the folder, the name and the switch in one change. Cancel stores nothing.
#include "Forms/common/VemoxDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

class TAccountForm : public VemoxDialog {
    Q_OBJECT
public:
    static inline const QString kHelpTopic = QStringLiteral("IDH_Account");

    // dataFolder: the folder shown while none is stored.
    TAccountForm(QWidget* owner, const QString& dataFolder);

    DialogToolBar* ToolBar1 = nullptr;
    QCheckBox* CBUse = nullptr;
    QLabel* FilePathLabel = nullptr;
    QLineEdit* EditBrowse = nullptr;
    QToolButton* Browse = nullptr;
    QLabel* FileNameLabel = nullptr;
    QLineEdit* EditFileName = nullptr;
    QPushButton* Select = nullptr;
    QPushButton* New = nullptr;

    void CBUseClick();
    void BrowseClick();
    void SelectClick();
    void NewClick();

protected:
    // The folder must exist while the file is used; a store that cannot take the settings
    // has told the operator. Either way the dialog stays open with what was typed.
    bool save() override;

private:
    void showFile(const QString& path);
};
