#pragma once
// The operator's choice of number and date formats, stored under G_r: the punctuation
// "Cc", the decimal places "Dp" of computed amounts and the short date format "Fr". The
// format dialog edits them; start-up and the dialog's closing apply them to the
// process-wide format settings.
#include <QString>

struct FormatChoices {
    // Choice of no date format: the dialog's combo box without a selection.
    static constexpr int kNoDateFormat = -1;

    int punctuation = 0;   // Cc: 1 "." and ",", any other "," and "."
    int decimals = 2;      // Dp: 2 to 6; any other gives 2
    int dateFormat = 0;    // Fr: 0 to 4; any other gives "dd/mm/yyyy"

    // Reads Cc, Dp and Fr; a missing value keeps its default, and decimals are those the
    // amounts show (Formats::decimalPlaces). The store reports its own errors.
    void load();

    // Writes Fr, Cc and Dp, in that order, as one change of the store. False when the
    // store could not be written (the operator has then been told once).
    bool save() const;

    // The pattern of computed amounts for these decimals.
    QString numberFormat() const;
};
