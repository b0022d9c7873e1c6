#pragma once
// The date and number format dialog: the punctuation, the decimal places of computed
// amounts and the short date format. Okay stores the three choices; Cancel stores nothing.
// The main window applies the stored choices again after the dialog, whatever its result.
#include "support/FormatChoices.h"

#include "Forms/common/VemoxDialog.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

class Tdateform : public VemoxDialog {
    Q_OBJECT
public:
    static inline const QString kHelpTopic = QStringLiteral("IDH_CurrencyDateFormat");

    explicit Tdateform(QWidget* owner);

    QGroupBox* CurrencyFormat = nullptr;   // the radio group, items 0 and 1
    QButtonGroup* CurrencyFormatItems = nullptr;
    QSpinBox* UpDown = nullptr;            // 2 to 6, no wrap
    QLineEdit* updownlabel = nullptr;      // the small edit of the up-down
    QComboBox* CBDateFormat = nullptr;

    // The choices as the controls show them.
    FormatChoices Choices() const;

protected:
    // Stores the three choices; a failed write has been reported by the store.
    bool save() override { return Choices().save(); }
};
