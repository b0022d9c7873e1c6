#pragma once
// The layout of the currency buttons: which country sits in which slot of which tab, and
// the nine tab captions. The flat list ButtonAssignments is the only record of the layout;
// the sixteen slot controls of the main window are a view of the selected tab, rebuilt
// from it (tabSlots).
//
// Entry index = tab x 16 + slot - 1, tabs 0 to 8, slots 1 to 16. The list has no fixed
// length: a slot beyond its end is empty, and entries from index 144 on are kept and saved
// but never shown. An empty entry is an empty slot.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class CurrencyTable;
class ResourceLibrary;
class SettingsStore;

// What one slot shows: the button's caption and its picture, a ResourceIndex
// (NoResourceIndex: the banknote) or kNoPicture.
struct SlotView {
    static constexpr int kNoPicture = -1;
    QString caption;
    int picture = kNoPicture;
    bool operator==(const SlotView&) const = default;
};

class ButtonLayout {
public:
    static constexpr int kTabs = 9;
    static constexpr int kSlots = 16;
    static constexpr int kShownEntries = kTabs * kSlots;
    using TabView = std::array<SlotView, kSlots>;

    // The texts the tab operations report, in English: they are shown through translated().
    static inline const QString kLibraryError =
        QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Error: Unable to load resource dll - rgx"));
    static inline const QString kPictureError = QStringLiteral("Bad mem");
    static inline const QString kTabChangeError =
        QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Error: Unable To Load Buttons"));
    static inline const QString kCollectSuffix = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Cannot Load Global List"));
    static inline const QString kBadSelection = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Bad Selection Error:"));

    // The region commands, in the order of their tags (1 to 7).
    static const QStringList& Regions();
    // The region of a window popup item's tag; any tag outside 1 to 7 means "America".
    static QString RegionOfTag(int tag);

    ButtonLayout();

    QStringList ButtonAssignments;

    static int index(int tab, int slot) { return tab * kSlots + slot - 1; }

    // The country of a slot; empty beyond the end of the list.
    QString at(int tab, int slot) const;
    // Puts a country into a slot, extending the list with empty entries up to it.
    void assign(int tab, int slot, const QString& country);
    // Empties a slot. True when the slot lay within the list (its entry is now empty);
    // the list's length never changes.
    bool remove(int tab, int slot);
    // Empties the slots of a tab that lie within the list, and gives the tab its number back.
    void clearTab(int tab);
    // Empties the list and gives every tab its number back.
    void clearAll();

    // Appends the country of every currency of the region, then sorts the list
    // (case-insensitive, by the current locale). "Africa" and "America" stand for their
    // parts; rates of 0.0 count like any other. An error is reported with
    // "Cannot Load Global List" appended, and the list keeps what was appended, unsorted.
    bool CollectRegionCountries(const CurrencyTable& table, const QString& region);
    // Fills the tabs from a region's countries, in alphabetical order, and names the first
    // tabs after the region. showFirstTab runs once the list is filled (the window shows
    // tab 0 there). A region outside the naming table gets "Bad Selection Error:", with
    // every tab keeping its number.
    void LoadRegionDefaults(const CurrencyTable& table, const QString& region,
                            const std::function<void()>& showFirstTab = {});

    const QString& tabName(int tab) const;
    void setTabName(int tab, const QString& name);
    const QStringList& tabNames() const { return tabNames_; }
    // Tab i is captioned i + 1.
    void ResetTabNames();

    // The sixteen slots of a tab: captions from the list, pictures from the table (the
    // first record of that exact name); no picture for an empty slot or an unknown name.
    TabView tabSlots(int tab, const CurrencyTable& table) const;
    // Opens the resource library for the flags of a tab; raises kLibraryError when it
    // cannot be opened.
    static void openLibrary(ResourceLibrary& library);

    // The store, through the settings' rule (SettingsStore). loadAssignments appends the
    // entries stored under Ct by value name ("0", "1", ...; a damaged one is an empty slot)
    // and says whether the list then holds any entry; loadTabNames sets the caption of tab
    // i from the value "i" under Tb, for the values there are. Other values are ignored.
    bool loadAssignments(SettingsStore& store);
    void loadTabNames(SettingsStore& store);
    // Makes Ct hold exactly the list (no value of a longer former list survives) and writes
    // the nine captions to Tb. Plain store calls, so a caller can make them one change of
    // the store. False when a call failed.
    bool save(SettingsStore& store) const;

private:
    void checkTab(int tab) const;
    void checkSlot(int tab, int slot) const;
    QStringList tabNames_;
};
