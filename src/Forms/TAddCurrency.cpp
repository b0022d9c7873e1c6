#include "Forms/TAddCurrency.h"
#include "Forms/common/MaskedNumberField.h"
#include "data/UserCurrencies.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Translate.h"
#include "support/Trap.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace UserCurrencies;

namespace {
// Four digits before the point, or as many as the largest rate of the table needs (up to
// nine), so that a copied rate is shown whole.
int rateDigits(const CurrencyTable& table)
{
    int digits = 4;
    for (int i = 0; i < table.Count(); ++i)
        digits = qMax<int>(digits, RateFieldText(table.At(i)->GetRate()).indexOf(QLatin1Char('.')));
    return qMin(digits, 9);
}
} // namespace

TAddCurrency::TAddCurrency(QWidget* owner, CCurrencyData& toFill, const CCurrencyData& templ,
                           const Session& session)
    : VemoxDialog(owner, {QStringLiteral("AddCurrency"), tr("User Defined Currency"),
                          {kClientWidth, kClientHeight}, QStringLiteral("IDH_UserCurrency")}),
      toFill_(toFill), session_(session)
{
    buildControls(rateDigits(session.table()));

    // The values copied from a currency are written with "." while the dialog is built.
    SeparatorScope dot;
    CBIso->addItems(IsoCodes(session.table()));
    CBIso->setCurrentIndex(CBIso->count() ? 0 : -1);
    connect(CBIso, &QComboBox::activated, this, &TAddCurrency::CBIsoChange);
    connect(UseIso, &QCheckBox::clicked, this, &TAddCurrency::UseIsoClick);
    if (!templ.GetCountryName().isEmpty()) {
        EName->setText(NextCountryName(templ.GetCountryName()));
        EISO->setText(templ.GetIsoCode());
        const int at = CBIso->findText(templ.GetIsoCode(), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (at >= 0)
            CBIso->setCurrentIndex(at);
        UseIso->setChecked(true);
    }
    UseIsoClick();
    EName->setFocus(Qt::OtherFocusReason);
    if (!templ.GetCountryName().isEmpty())
        return;
    ER->setMaskedText(QString());
    EISO->setText(QStringLiteral("ABC"));
    EDenom->clear();
}

void TAddCurrency::buildControls(int rateDigits)
{
    auto* column = columnWithToolBar(6);

    auto* grid = new QGridLayout();
    grid->setContentsMargins(8, 4, 8, 0);
    grid->setVerticalSpacing(4);
    grid->setHorizontalSpacing(8);
    auto row = [&](int r, QWidget* left, QWidget* right) {
        grid->addWidget(left, r, 0);
        grid->addWidget(right, r, 1);
    };
    auto label = [&](const QString& caption, const QString& name, QWidget* buddy) {
        auto* l = named(new QLabel(caption, this), name);
        l->setBuddy(buddy);
        return l;
    };
    EName = named(new QLineEdit(this), QStringLiteral("EName"));
    Label1 = label(tr("&Country Name:"), QStringLiteral("Label1"), EName);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    row(0, Label1, EName);
    UseIso = named(new QCheckBox(tr("&Use existing currency"), this), QStringLiteral("UseIso"));
    CBIso = named(new QComboBox(this), QStringLiteral("CBIso"));
    row(1, UseIso, CBIso);
    EISO = named(new QLineEdit(this), QStringLiteral("EISO"));
    EISO->setInputMask(QStringLiteral("AAA"));   // exactly three letters
    IsoLabel = label(tr("&Pseudo 3 character ISO code"), QStringLiteral("IsoLabel"), EISO);
    row(2, IsoLabel, EISO);
    ER = new MaskedNumberField(this, QStringLiteral("ER"), rateDigits, 6);
    ERateLabel = label(tr("&Exchange Rate:"), QStringLiteral("ERateLabel"), ER);
    row(3, ERateLabel, ER);
    EDenom = named(new QLineEdit(this), QStringLiteral("EDenom"));
    CurrencyDenom = label(tr("&Denomination e.g. Dollars"), QStringLiteral("CurrencyDenom"), EDenom);
    row(4, CurrencyDenom, EDenom);
    column->addLayout(grid);
    column->addStretch(1);
}

void TAddCurrency::UseIsoClick()
{
    const bool own = !UseIso->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{EISO, ER, EDenom, IsoLabel, ERateLabel, CurrencyDenom})
        w->setEnabled(own);
    CBIso->setEnabled(!own);
    CBIsoChange();
}

void TAddCurrency::CBIsoChange()
{
    trapped(translated(kCopyError), [this] {
        if (CBIso->currentIndex() < 0)
            throw VemoxError(tr("No currency code chosen."));
        const CCurrencyData* r = session_.table().FindByIso(CBIso->currentText());
        if (!r)
            return;
        ER->setMaskedText(RateFieldText(r->GetRate()));
        EDenom->setText(r->GetDenomination());
        EISO->setText(r->GetIsoCode());
    });
}

bool TAddCurrency::save()
{
    const AddInput in{EName->text(), UseIso->isChecked(), EISO->text(), ER->maskedText(), EDenom->text()};
    const AddCheck check = session_.Check(in);
    if (check.focus != AddCheck::Field::EName)
        EISO->setText(EISO->text().toUpper());
    if (!check.ok()) {
        messenger().messageDialog(check.message, Messenger::Icon::Error);
        QLineEdit* field = check.focus == AddCheck::Field::EName ? EName
                           : check.focus == AddCheck::Field::EISO ? EISO
                           : check.focus == AddCheck::Field::ER   ? ER
                                                                  : EDenom;
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const auto filled = Session::Record(in, check);
    toFill_.SetRegion(filled->GetRegion());
    toFill_.SetIsoCode(filled->GetIsoCode());
    toFill_.SetCountryName(filled->GetCountryName());
    toFill_.SetDenomination(filled->GetDenomination());
    toFill_.SetRate(filled->GetRate());
    toFill_.SetResourceIndex(filled->GetResourceIndex());
    return true;
}
