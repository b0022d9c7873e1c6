// The layout of the currency buttons: region loads, the slots of a tab, clearing, removing,
// renaming, and the layout in the store.
#include "Defs.h"
#include "common/TestEnv.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyTable.h"
#include "support/Errors.h"
#include "support/Messenger.h"
#include "support/SettingsStore.h"
#include "support/Zymregistry.h"

#include <QLocale>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using Kind = ScriptedMessenger::Kind;

namespace {

void add(CurrencyTable& t, const QString& country, const QString& region, int resource = 0, double rate = 1.0)
{
    t.Append(std::make_unique<CCurrencyData>(rate, region, country, "XXX", "Units", resource));
}

QStringList nonEmpty(const QStringList& l)
{
    QStringList out;
    for (const QString& s : l)
        if (!s.isEmpty())
            out << s;
    return out;
}

class ButtonLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetStore(); }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        testenv::resetStore();
    }
    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    ButtonLayout layout;
    CurrencyTable table;
    SettingsStore store;
};

} // namespace

TEST_F(ButtonLayoutTest, RegionRulesCollectTheirPartsIncludingUnratedRecords)
{
    add(table, "Zambia", "South Africa");
    add(table, "Egypt", "North Africa", 0, 0.0);   // no rate yet: still collected
    add(table, "Chad", "Central Africa");
    add(table, "Kenya", "East Africa");
    add(table, "Ghana", "West Africa");
    add(table, "Peru", "South America");
    add(table, "Canada", "North America");
    add(table, "Belize", "Central America");
    add(table, "Mexico", "america");               // exact, case-sensitive region match
    add(table, "Oman", "Middle East");

    layout.LoadRegionDefaults(table, "Africa");
    EXPECT_THAT(layout.ButtonAssignments, ElementsAre("Egypt", "Ghana", "Kenya", "Zambia"));
    EXPECT_THAT(layout.tabNames().mid(0, 4), ElementsAre("Africa 1", "Africa 2", "Africa 3", "4"));

    layout.LoadRegionDefaults(table, "America");
    EXPECT_THAT(layout.ButtonAssignments, ElementsAre("Belize", "Canada", "Peru"));

    layout.LoadRegionDefaults(table, "Middle East");
    EXPECT_THAT(layout.ButtonAssignments, ElementsAre("Oman"));
    EXPECT_THAT(layout.tabNames(), ElementsAre("Middle East", "2", "3", "4", "5", "6", "7", "8", "9"));
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(ButtonLayoutTest, UnknownRegionIsFilledByExactMatchButNamesNoTab)
{
    add(table, "Narnia", "Fable");
    layout.setTabName(2, "Old");
    int shown = 0;
    layout.LoadRegionDefaults(table, "Fable", [&] {
        ++shown;
        EXPECT_THAT(layout.ButtonAssignments, ElementsAre("Narnia"));   // filled before the window shows it
    });
    EXPECT_EQ(shown, 1);
    EXPECT_THAT(layout.tabNames(), ElementsAre("1", "2", "3", "4", "5", "6", "7", "8", "9"));
    ASSERT_EQ(msgs.shown.size(), 1u);
    EXPECT_EQ(msgs.shown[0].kind, Kind::MessageDialog);
    EXPECT_EQ(msgs.shown[0].text, "Bad Selection Error:");
    EXPECT_EQ(msgs.shown[0].icon, Messenger::Icon::Error);
}

TEST_F(ButtonLayoutTest, SeventyEuropeanCountriesFillFiveTabs)
{
    for (int i = 70; i >= 1; --i)   // table order is not the order of the slots
        add(table, QStringLiteral("Country %1").arg(i, 2, 10, QLatin1Char('0')), "Europe", i);
    layout.ButtonAssignments = {"left over"};
    layout.LoadRegionDefaults(table, "Europe");
    ASSERT_EQ(layout.ButtonAssignments.size(), 70);
    EXPECT_EQ(layout.at(1, 1), "Country 17");
    const auto tab4 = layout.tabSlots(4, table);
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_EQ(tab4[slot - 1].caption, QStringLiteral("Country %1").arg(64 + slot));
        EXPECT_EQ(tab4[slot - 1].picture, 64 + slot);
    }
    for (int slot = 7; slot <= 16; ++slot)
        EXPECT_EQ(tab4[slot - 1], SlotView{});
    EXPECT_EQ(layout.tabSlots(5, table)[0], SlotView{});
    EXPECT_THAT(layout.tabNames(), ElementsAre("Europe 1", "Europe 2", "Europe 3", "Europe 4", "5", "6", "7", "8", "9"));
}

TEST_F(ButtonLayoutTest, SortIsCaseInsensitiveAndFollowsTheLocale)
{
    for (const char* c : {"Zimbabwe", "Åland Islands", "albania", "Austria", "Belgium"})
        add(table, QString::fromUtf8(c), "Europe");

    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    layout.LoadRegionDefaults(table, "Europe");
    EXPECT_THAT(layout.ButtonAssignments, ElementsAre("albania", "Austria", "Belgium", "Zimbabwe", "Åland Islands"));

    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    layout.LoadRegionDefaults(table, "Europe");
    EXPECT_EQ(layout.ButtonAssignments.last(), "Åland Islands");

    QLocale::setDefault(QLocale::c());
    layout.LoadRegionDefaults(table, "Europe");
    const auto pos = layout.ButtonAssignments.indexOf("Åland Islands");
    EXPECT_GT(pos, layout.ButtonAssignments.indexOf("albania"));
    EXPECT_EQ(layout.ButtonAssignments.indexOf("albania"), 0);
}

TEST_F(ButtonLayoutTest, TabSlotsShowTheListAndTheTable)
{
    add(table, "France", "Europe", 12);
    add(table, "Mine", "User Defined", NoResourceIndex);
    add(table, "France", "Europe", 40);   // a second France is never seen
    for (int i = 0; i < 20; ++i)
        layout.ButtonAssignments << QString();
    layout.ButtonAssignments[16] = "France";
    layout.ButtonAssignments[17] = "Nowhere";   // not in the table
    layout.ButtonAssignments[19] = "Mine";

    const auto tab1 = layout.tabSlots(1, table);
    EXPECT_EQ(tab1[0], (SlotView{"France", 12}));
    EXPECT_EQ(tab1[1], (SlotView{"Nowhere", SlotView::kNoPicture}));
    EXPECT_EQ(tab1[2], SlotView{});   // an empty entry
    EXPECT_EQ(tab1[3], (SlotView{"Mine", NoResourceIndex}));
    for (int s = 4; s < 16; ++s)
        EXPECT_EQ(tab1[s], SlotView{});
    for (int t = 2; t < 9; ++t)
        for (const SlotView& s : layout.tabSlots(t, table))
            EXPECT_EQ(s, SlotView{});
    EXPECT_THROW(layout.tabSlots(9, table), VemoxError);
}

TEST_F(ButtonLayoutTest, ClearingAndRemovingNeverChangeTheLength)
{
    for (int i = 0; i < 20; ++i)
        layout.ButtonAssignments << QStringLiteral("C%1").arg(i);
    layout.setTabName(2, "Far");
    layout.setTabName(0, "Near");

    layout.clearTab(2);   // the list ends before tab 2
    EXPECT_EQ(layout.ButtonAssignments.size(), 20);
    EXPECT_EQ(layout.tabName(2), "3");

    EXPECT_FALSE(layout.remove(2, 3));   // index 34 lies beyond the list
    EXPECT_EQ(layout.ButtonAssignments.size(), 20);
    EXPECT_TRUE(layout.remove(1, 2));
    EXPECT_EQ(layout.ButtonAssignments[17], "");
    EXPECT_EQ(layout.ButtonAssignments.size(), 20);

    layout.clearTab(1);
    EXPECT_EQ(nonEmpty(layout.ButtonAssignments).size(), 16);
    EXPECT_EQ(layout.ButtonAssignments.size(), 20);
    EXPECT_EQ(layout.tabName(0), "Near");

    layout.clearAll();
    EXPECT_TRUE(layout.ButtonAssignments.isEmpty());
    EXPECT_EQ(layout.tabName(0), "1");
}

TEST_F(ButtonLayoutTest, AssignExtendsTheListRenameAcceptsEmptyAndTagsNameRegions)
{
    layout.assign(2, 3, "France");
    EXPECT_EQ(layout.ButtonAssignments.size(), 35);
    EXPECT_EQ(layout.at(2, 3), "France");
    EXPECT_EQ(layout.at(8, 16), "");
    EXPECT_THROW(layout.assign(9, 1, "Spain"), VemoxError);
    EXPECT_THROW(layout.at(0, 17), VemoxError);

    layout.setTabName(4, "");
    EXPECT_EQ(layout.tabName(4), "");

    // The window popup's tags: 1 to 7 name the regions, any other means America.
    EXPECT_EQ(ButtonLayout::RegionOfTag(7), "Oceania");
    EXPECT_EQ(ButtonLayout::RegionOfTag(0), "America");
    EXPECT_EQ(ButtonLayout::RegionOfTag(8), "America");
}

TEST_F(ButtonLayoutTest, StoreKeepsLongListsAndDropsOldTails)
{
    for (int i = 0; i < 150; ++i)   // entries from 144 on are kept, though never shown
        layout.ButtonAssignments << QStringLiteral("C%1").arg(i);
    layout.ButtonAssignments[3] = "";
    layout.setTabName(8, "");
    ASSERT_TRUE(layout.save(store));

    ButtonLayout back;
    EXPECT_TRUE(back.loadAssignments(store));
    EXPECT_EQ(back.ButtonAssignments, layout.ButtonAssignments);
    back.loadTabNames(store);
    EXPECT_EQ(back.tabNames(), layout.tabNames());

    layout.ButtonAssignments = layout.ButtonAssignments.mid(0, 20);
    ASSERT_TRUE(layout.save(store));
    QStringList stored;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyCountries, stored, KEY_READ);
    EXPECT_EQ(stored.size(), 20);

    layout.ButtonAssignments.clear();
    ASSERT_TRUE(layout.save(store));
    ButtonLayout empty;
    EXPECT_FALSE(empty.loadAssignments(store));
    EXPECT_TRUE(msgs.errors().isEmpty());
}

TEST_F(ButtonLayoutTest, StoredCaptionsRenameOnlyTheTabsTheyName)
{
    ButtonLayout fresh;
    fresh.loadTabNames(store);   // no key: the numbers stay
    EXPECT_EQ(fresh.tabName(0), "1");

    const QStringList five = {"a", "b", "c", "d", "e"};
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyTabs, five, KEY_WRITE);
    fresh.setTabName(6, "Kept");
    fresh.loadTabNames(store);
    EXPECT_THAT(fresh.tabNames(), ElementsAre("a", "b", "c", "d", "e", "6", "Kept", "8", "9"));

    QStringList twelve;
    for (int i = 0; i < 12; ++i)
        twelve << QStringLiteral("T%1").arg(i);
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyTabs, twelve, KEY_WRITE);
    fresh.loadTabNames(store);
    EXPECT_EQ(fresh.tabNames().size(), 9);
    EXPECT_EQ(fresh.tabName(8), "T8");
}

TEST_F(ButtonLayoutTest, SaveJoinsTheCallersChangeOfTheStore)
{
    layout.ButtonAssignments = {"France", "", "Spain"};
    layout.setTabName(1, "Two");
    {
        ZYMAPI::StoreChange change;
        EXPECT_TRUE(layout.save(store));
        EXPECT_FALSE(testenv::readBytes(testenv::storeFile()).contains("Spain"));   // not before the commit
        EXPECT_TRUE(change.commit());
    }
    ButtonLayout back;
    EXPECT_TRUE(back.loadAssignments(store));
    EXPECT_EQ(back.ButtonAssignments, layout.ButtonAssignments);
    back.loadTabNames(store);
    EXPECT_EQ(back.tabName(1), "Two");

    {
        ZYMAPI::StoreChange dropped;   // never committed: the store keeps the earlier layout
        layout.ButtonAssignments = {"Peru"};
        layout.save(store);
    }
    ButtonLayout kept;
    kept.loadAssignments(store);
    EXPECT_EQ(kept.ButtonAssignments, QStringList({"France", "", "Spain"}));
    EXPECT_TRUE(msgs.errors().isEmpty());
}
