#include "Forms/main/EditorCommands.h"
#include "Forms/TCurrencyEditor.h"
#include "Forms/main/Commands.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/DropCommands.h"
#include "Forms/main/TabCommands.h"
#include "calc/CounterSession.h"

EditorCommands::EditorCommands(MainContext& ctx, TabCommands& tabs, DropCommands& drops)
    : ctx_(ctx), tabs_(tabs), drops_(drops)
{
    ctx.commands.bind(Command::CurrencyEditor, [this] { CurrencyEditor1Click(); });
}

void EditorCommands::CurrencyEditor1Click()
{
    VemoxDialog::run<TCurrencyEditor>(ctx_.session.currencies(), &ctx_.window);
    ReloadCurrencyData();
}

void EditorCommands::ReloadCurrencyData()
{
    // A load that fails leaves the table in force; the loader has told the operator why.
    if (!ctx_.session.reloadCurrencies())
        return;
    tabs_.LoadTabButtons(ctx_.tabs.currentTab());
    drops_.rebuildCountrySelector();
}
