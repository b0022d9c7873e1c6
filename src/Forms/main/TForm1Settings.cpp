// The main window's settings: restored while the window is built, stored first when it
// closes, and the date and number format dialog. The core's MainSettings does the work.
#include "support/Formats.h"
#include "Forms/TForm1.h"
#include "Forms/Tdateform.h"
#include "Forms/common/DialogKit.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/TabCommands.h"
#include "support/Trap.h"

bool TForm1::LoadSettings()
{
    Settings = std::make_unique<MainSettings>(State, Calc->NumberFormat, Currencies, CommissionTable, Layout);
    Settings->showTab = [this](int tab) {
        tabs_->selectTab(tab);
        return tabUnit_->LoadTabButtons(tab);
    };
    const bool loaded = Settings->load();
    // Today's date was written before the stored date format applied.
    State.showToday(Calc->Today());
    tabUnit_->showTabNames();
    return loaded;
}

void TForm1::SaveSettings()
{
    if (Settings)
        Settings->save();
}

void TForm1::DateFormat1Click()
{
    VemoxDialog::run<Tdateform>(this);
    // Whatever the dialog's result: Cancel applies the stored choices again.
    const QChar decimal = FormatSettings::current().decimalSeparator;
    Settings->reapplyFormats(Calc->Today());
    // A number being typed goes on in the new punctuation, so it still reads as a number.
    Calc->DisplayText.replace(decimal, FormatSettings::current().decimalSeparator);
    State.announce();
}
