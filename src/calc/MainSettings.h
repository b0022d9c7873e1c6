#pragma once
// The main window's settings that survive a restart: the payment and rate kind, the
// commission switch and values, the punctuation, the home country, the date and number
// formats, the date of the last rate update, the button layout and the tab captions.
//
// load() restores them once while the main window is built, after the currency data;
// save() stores what the operator changes on the main window itself, first when it closes.
// The values that dialogs edit are written by those dialogs when they are confirmed.
//
// A stored value that the load could not read (damaged, or never reached because the load
// ended early) is left in the store by the save unless the operator changed it meanwhile;
// every damaged value is told once, naming its setting (SettingsStore).
#include "calc/MainState.h"
#include "support/SettingsStore.h"

#include <QDate>
#include <QString>
#include <functional>

class ButtonLayout;
class CommissionTable;
class CurrencyTable;
class ResourceLibrary;

class MainSettings {
public:
    MainSettings(MainState& state, QString& numberFormat, const CurrencyTable& currencies,
                 CommissionTable& commission, ButtonLayout& layout);

    // The parts of the main window that the settings restore and store.
    MainState& state;
    QString& numberFormat;            // the pattern of computed amounts
    const CurrencyTable& currencies;  // the home country is looked up here
    CommissionTable& commission;      // the charges of a conversion
    ButtonLayout& layout;             // the slots and the tab captions
    // Shows a tab's slots once the layout is loaded (the window's LoadTabButtons). It tells
    // the operator of its own failure; the load goes on to the tab captions either way.
    std::function<bool(int tab)> showTab;

    // Restores every setting in order. The resource library comes first: without it
    // nothing is applied. An error ends the load at that step (the steps before it keep
    // their effect), is shown in the standard error box, and gives false. A damaged value
    // costs only that value: the load goes on, and the damaged ones are told together at
    // the end.
    bool load();

    // Stores the toolbar choices, the layout, the tab captions and the home country as one
    // change of the store, so a failure leaves the earlier settings whole. On failure the
    // operator is told once ("Error E72: Error writing to registry") and it gives false.
    // Nothing that is stored already as it stands is written again.
    bool save();

    // After the format dialog has closed, whatever its result: the stored formats apply
    // again, a plain number on the display is shown in the new format, and the date panels
    // are written again in the new short date format.
    void reapplyFormats(const QDate& today);

private:
    void loadGeneral(ResourceLibrary& library);
    void loadButtonLayout();
    void loadToolbar();
    void loadCommissionValues();
    void loadHomeCountry(const ResourceLibrary& library);
    void loadDateAndDecimals();
    void showLastUpdate(bool keepWhenMissing);
    void leaveSaved();

    SettingsStore store_;
};
