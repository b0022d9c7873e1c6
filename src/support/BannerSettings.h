#pragma once
// The banner that heads every customer receipt, as stored under PrintStatus and Banner:
// the receipt layout `PrC`, the switches `UTs`, `UNs`, `UDs` and `UAs`, and the fourteen
// banner texts "0" to "13". The report reads them fresh for every preparation; the print
// options dialog reads them when it is shown and writes them on Okay.
#include <QString>
#include <QStringList>
#include <array>

struct BannerSettings {
    static constexpr int kTexts = 14;
    static constexpr int kFullWidth = 1;        // PrC of the "80 Column Printer" choice
    // The banner texts by their value names.
    enum Text {
        Title, Name, Street1, Street2, City, State, Zip, Country, Email, Phone, Fax, Web, Info, Branch
    };

    int printCols = kFullWidth;                 // PrC: 1 full width, any other 40 columns
    bool useTitle = true;                       // UTs
    bool useName = true;                        // UNs
    bool useDate = true;                        // UDs
    // UAs: the address and contact lines print. Off until the operator ticks it, on the
    // receipt as in the options dialog.
    static constexpr bool kAddressByDefault = false;
    bool useAddress = kAddressByDefault;
    std::array<QString, kTexts> texts;          // Banner "0" .. "13"

    bool fullWidth() const { return printCols == kFullWidth; }
    const QString& text(Text t) const { return texts[static_cast<size_t>(t)]; }

    // The report's reading: every value by name; a missing one is empty, or its default
    // (PrC 1, UAs off, the other switches true).
    void loadForReport();

    // The dialog's reading. The switches (UNs defaults to false here). When the
    // Banner key holds values, `stored` is true, the texts are its values in stored order
    // (missing ones empty) and `printCols` is PrC; otherwise both keep what they were.
    struct DialogRead {
        bool stored = false;
    };
    DialogRead loadForDialog();

    // PrC, UTs, UDs, UNs, UAs and the fourteen texts as one change of the store. False when
    // the store could not take them: it has told the operator why, and holds none of them.
    bool save() const;

    // The warnings Okay gives for the 40-column layout, in their order: one for each text
    // longer than 40 characters, the zip, phone and fax aside. None for full width.
    QStringList col40Warnings() const;
};
