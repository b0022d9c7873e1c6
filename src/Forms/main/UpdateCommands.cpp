#include "Forms/main/UpdateCommands.h"
#include "Forms/Tproxyform.h"
#include "Forms/main/Commands.h"
#include "calc/CounterSession.h"

UpdateCommands::UpdateCommands(MainContext& ctx) : ctx_(ctx)
{
    ctx.commands.bind(Command::Update, [this] { GoUpdateFromTheWeb(); });
    ctx.commands.bind(Command::Rollback, [this] { RollBack1Click(); });
    ctx.commands.bind(Command::FireWallAccessSetup, [this] { Proxy1Click(); });
}

void UpdateCommands::GoUpdateFromTheWeb() { ctx_.session.requestUpdate(); }

// What goes wrong is told by the command's trap, with the command's suffix.
void UpdateCommands::RollBack1Click() { ctx_.session.rollback(); }

void UpdateCommands::Proxy1Click() { VemoxDialog::run<Tproxyform>(&ctx_.window); }
