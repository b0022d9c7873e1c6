#pragma once
// The main window's settings that survive a restart: the payment and rate kind, the
// commission switch and values, the punctuation, the home country, the date and number
// formats, the date of the last rate update, the button layout and the tab captions.
//
// load() restores them once while the main window is built, after the currency data;
// save() stores what the operator changes on the main window itself, first when it closes.
// The values that dialogs edit are written by those dialogs when they are confirmed.
#include "calc/MainState.h"

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
    // Shows a tab's slots once the layout is loaded (the window's LoadTabButtons); false
    // after it has reported an error, which ends the load.
    std::function<bool(int tab)> showTab;

    // Restores every setting in order. The resource library comes first: without it
    // nothing is applied. An error ends the load at that step (the steps before it keep
    // their effect), is shown in the standard error box, and gives false.
    bool load();

    // Stores the toolbar choices, the layout, the tab captions and the home country as one
    // change of the store, so a failure leaves the earlier settings whole. On failure the
    // operator is told once ("Error E72: Error writing to registry") and it gives false.
    bool save();

    // After the format dialog has closed, whatever its result: the stored formats apply
    // again, a plain number on the display is shown in the new format, and the date panels
    // are written again in the new short date format.
    void reapplyFormats(const QDate& today);

    // Status panel 0: today's date in the short date format in force.
    void showToday(const QDate& today);

private:
    void loadGeneral(ResourceLibrary& library);
    bool loadButtonLayout();
    void loadToolbar();
    void loadCommissionValues();
    void loadHomeCountry(const ResourceLibrary& library);
    void loadDateAndDecimals();
    void loadLastUpdate();
    void showLastUpdate(bool keepWhenMissing);
};
