#pragma once
// The print and accounts dialog of the quick print: whether it prints the receipt, adds the
// conversion to the account file, or both, and whether the dialog shows again. It reads the
// stored choices on creation; Okay stores the three boxes in one change, Cancel nothing.
#include "Forms/common/VemoxDialog.h"

class QCheckBox;
class QStatusBar;

class TPrintGo : public VemoxDialog {
    Q_OBJECT
public:
    static inline const QString kHelpTopic = QStringLiteral("IDH_PrintGo");

    explicit TPrintGo(QWidget* owner);

    DialogToolBar* ToolBar1 = nullptr;
    QCheckBox* CBPrint = nullptr;
    QCheckBox* CBAccount = nullptr;
    QCheckBox* CBShowDialog = nullptr;
    QStatusBar* StatusBar1 = nullptr;

protected:
    // A store that cannot take the choices has told the operator; the dialog stays open.
    bool save() override;
};
