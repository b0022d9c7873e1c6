#pragma once
// Drops of a country from the country selector onto the main window: the two currency
// panes and the currency slots of the selected tab. A drag carries only the country's
// name; the drop finds the record again in the current table, so a reload between the
// drag and the drop never hands over a record that is gone: a name no longer in the table
// is refused and nothing changes.
//
// Every drop opens the resource library for the flag and releases it on every path out. A
// successful drop ends with the calculator's clear. A failed drop is reported and then the
// main window is closed the ordinary way, so the day's settings are saved.
#include "calc/MainState.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyTable.h"
#include "support/ResourceLibrary.h"

#include <functional>

class CountryDrops {
public:
    enum class Pane { Home, Foreign };
    enum class Outcome { Taken, Refused, Failed };

    static inline const QString kHomeLibraryError = QStringLiteral("Error: Unable to load resource dll - Home drop");
    static inline const QString kForeignLibraryError = QStringLiteral("Error: Unable to load resource dll - Foreign drop");
    static inline const QString kButtonLibraryError = QStringLiteral("Error: Unable to load resource dll - Button drop");
    static inline const QString kIncomplete = QStringLiteral("Error: Unable to Complete Drag & drop");
    static inline const QString kPictureError = QStringLiteral("Bad mem");

    // What a drop does to the window. The picture hooks put a currency's flag into a
    // control: the picture read from the library, or a null picture for a currency without
    // a library entry (resourceIndex NoResourceIndex: the program's own banknote). They
    // raise VemoxError when the picture cannot be set.
    struct View {
        std::function<void(Pane, int resourceIndex, const ResourcePicture&)> setPanePicture;
        std::function<void(int slot, int resourceIndex, const ResourcePicture&)> setSlotPicture;
        std::function<void(int slot, const QString& caption)> setSlotCaption;
        std::function<void()> onCancel;
        std::function<void()> closeMainWindow;
    };

    CountryDrops(const CurrencyTable& table, MainState& state, ButtonLayout& layout, View view);

    // Where the library is read from; tests point it elsewhere.
    QString libraryPath;   // empty: the library of the data folder

    // The pane that takes drops: the one showing the home currency.
    static bool paneAccepts(Pane pane, bool reverseMode) { return (pane == Pane::Foreign) == reverseMode; }

    // Fills the pane with the country's currency (the home pane also sets the display's
    // currency code).
    Outcome dropOnPane(Pane pane, const QString& country);
    // Puts the country into slot 1..16 of the tab, extending the layout with empty entries
    // up to it. A drop on the slot's picture does exactly the same.
    Outcome dropOnSlot(int tab, int slot, const QString& country);

private:
    // Opens the library or raises the drop's own text.
    void openLibrary(ResourceLibrary& library, const QString& failure) const;
    // Reads the flag of a record and shows it; any failure on the way is "Bad mem" of an
    // incomplete drop. Gives the picture read (null for a currency without a library entry).
    template <typename Show>
    ResourcePicture showFlag(const ResourceLibrary& library, const CCurrencyData& record, Show&& show) const;
    void fail(const QString& message);

    const CurrencyTable& table_;
    MainState& state_;
    ButtonLayout& layout_;
    View view_;
};
