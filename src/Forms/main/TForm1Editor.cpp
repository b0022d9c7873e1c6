// The currency editor (F4). Whatever its result, the update button follows the editor's
// option and the currency data is loaded again, so that the table, the currency buttons and
// the country list show the operator's currencies at once.
#include "Forms/TCurrencyEditor.h"
#include "Forms/TCurrencySelector.h"
#include "Forms/TForm1.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "data/CurrencyLoader.h"
#include "data/UserCurrencies.h"

void TForm1::CurrencyEditor1Click()
{
    VemoxDialog::run<TCurrencyEditor>(Currencies, this);
    UserCurrencies::EditorSettings settings;
    settings.load();
    panes_->setUpdateEnabled(!settings.disableUpdateButton);
    ReloadCurrencyData();
}

void TForm1::ReloadCurrencyData()
{
    // A load that fails leaves the table in force; the loader has told the operator why.
    CurrencyTable fresh;
    if (!LoadCurrencyData(fresh))
        return;
    Currencies = std::move(fresh);
    LoadTabButtons(tabs_->currentTab());
    // An open country list is built again from the new table, where it stood.
    if (CurrencySelector) {
        const QPoint at = CurrencySelector->pos();
        const bool shown = CurrencySelector->isVisible();
        CloseCountrySelector();
        CurrencySelector = new TCurrencySelector(Currencies, this);
        CurrencySelector->move(at);
        CurrencySelector->setVisible(shown);
    }
}
