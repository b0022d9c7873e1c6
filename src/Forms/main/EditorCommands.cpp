#include "Forms/main/EditorCommands.h"
#include "Forms/TCurrencyEditor.h"
#include "Forms/TCurrencySelector.h"
#include "Forms/main/Commands.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/DropCommands.h"
#include "Forms/main/TabCommands.h"
#include "data/CurrencyLoader.h"
#include "data/UserCurrencies.h"

#include <QMainWindow>

EditorCommands::EditorCommands(MainContext& ctx, TabCommands& tabs, DropCommands& drops)
    : ctx_(ctx), tabs_(tabs), drops_(drops)
{
    ctx.commands.bind(Command::CurrencyEditor, [this] { CurrencyEditor1Click(); });
}

void EditorCommands::CurrencyEditor1Click()
{
    VemoxDialog::run<TCurrencyEditor>(ctx_.Currencies, &ctx_.window);
    ctx_.panes.setUpdateEnabled(!UserCurrencies::EditorSettings::load().disableUpdateButton);
    ReloadCurrencyData();
}

void EditorCommands::ReloadCurrencyData()
{
    // A load that fails leaves the table in force; the loader has told the operator why.
    CurrencyTable fresh;
    if (!LoadCurrencyData(fresh))
        return;
    ctx_.Currencies = std::move(fresh);
    tabs_.LoadTabButtons(ctx_.tabs.currentTab());
    drops_.rebuildCountrySelector();
    ctx_.State.announce();   // the panes' rates as the new table has them
}
