#pragma once
// The add dialog of the currency editor: a currency of the operator's own (a pseudo ISO
// code, a rate and a denomination) or a new country that uses an existing currency. It only
// checks what was typed and, on Okay, fills the record it was given; the checks are the
// core's (UserCurrencies::Session).
#include "Forms/common/VemoxDialog.h"

class CCurrencyData;
class MaskedNumberField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
namespace UserCurrencies {
class Session;
}

class TAddCurrency : public VemoxDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 326;
    static constexpr int kClientHeight = 227;

    // A template with an empty country name starts the dialog for a currency of the
    // operator's own; any other proposes a new country with the template's currency.
    TAddCurrency(QWidget* owner, CCurrencyData& toFill, const CCurrencyData& templ,
                 const UserCurrencies::Session& session);

    QLabel *Label1 = nullptr, *IsoLabel = nullptr, *ERateLabel = nullptr, *CurrencyDenom = nullptr;
    QLineEdit *EName = nullptr, *EISO = nullptr, *EDenom = nullptr;
    MaskedNumberField* ER = nullptr;
    QCheckBox* UseIso = nullptr;
    QComboBox* CBIso = nullptr;

    void UseIsoClick();
    void CBIsoChange();

protected:
    // The checks in their order; the first that fails says why and takes the focus to its
    // field. All passed: the record is filled.
    bool save() override;

private:
    void buildControls(int rateDigits);

    CCurrencyData& toFill_;
    const UserCurrencies::Session& session_;
};
