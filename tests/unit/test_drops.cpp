// Drops of a country onto the panes and the slots: the record found again by name, the
// pane fields, the growing layout, the clear after a drop and the failures.
#include "Defs.h"
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "calc/Drops.h"
#include "calc/TransactionLog.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class DropsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::freshWorkDir();
        testenv::installSampleData();   // flags 0..2 in the library
        table.Append(std::make_unique<CCurrencyData>(1.0, "North America", "Unt. States", "USD", "Dollars", 0));
        table.Append(std::make_unique<CCurrencyData>(0.79, "Europe", "Unt. Kingdom", "GBP", "Pounds", 1));
        table.Append(std::make_unique<CCurrencyData>(0.94, "Europe", "France", "EUR", "Euros", 2));
        table.Append(std::make_unique<CCurrencyData>(2.0, "User Defined", "Moonland", "MNL", "Moons", NoResourceIndex));
        table.Append(std::make_unique<CCurrencyData>(0.5, "Europe", "France", "FRF", "Francs", 1));
    }

    CountryDrops::View view()
    {
        CountryDrops::View v;
        v.setPanePicture = [this](CountryDrops::Pane p, int index, const ResourcePicture& pic) {
            if (failPicture)
                throw VemoxError("no room");
            events << QString("pane %1 picture %2 %3x%4 %5")
                          .arg(p == CountryDrops::Pane::Home ? "home" : "foreign")
                          .arg(index).arg(pic.width).arg(pic.height)
                          .arg(pic.isNull() ? 0 : int(uchar(pic.rgb.at(0))));
        };
        v.setSlotPicture = [this](int slot, int index, const ResourcePicture& pic) {
            if (failPicture)
                throw VemoxError("no room");
            events << QString("slot %1 picture %2 %3").arg(slot).arg(index).arg(pic.isNull() ? "none" : "flag");
        };
        v.setSlotCaption = [this](int slot, const QString& c) { events << QString("slot %1 caption %2").arg(slot).arg(c); };
        v.onCancel = [this] { currencyAtCancel = state.displayCurrency; calc.OnCancel(); events << "OnCancel"; };
        v.closeMainWindow = [this] { events << "close"; };
        return v;
    }

    ScriptedMessenger said;
    MessengerScope scope{&said};
    CurrencyTable table;
    MainState state;
    TransactionLog log;
    CommissionTable charges;
    Calculator calc{state, log, charges};
    QStringList assignments;
    QStringList events;
    bool failPicture = false;
    QString currencyAtCancel;
    CountryDrops drops{table, state, assignments, view()};
};

} // namespace

TEST(DropsAccept, OnlyThePaneShowingTheHomeCurrencyTakesDrops)
{
    using P = CountryDrops::Pane;
    EXPECT_TRUE(CountryDrops::paneAccepts(P::Home, false));
    EXPECT_FALSE(CountryDrops::paneAccepts(P::Foreign, false));
    EXPECT_FALSE(CountryDrops::paneAccepts(P::Home, true));
    EXPECT_TRUE(CountryDrops::paneAccepts(P::Foreign, true));
}

TEST_F(DropsTest, HomePaneDropFillsThePaneAndClears)
{
    calc.OnNumeric("7");
    state.foreign = {0, "Unt. States", "Dollars", "USD"};
    ASSERT_EQ(state.display, "7");
    EXPECT_EQ(drops.dropOnPane(CountryDrops::Pane::Home, "Unt. Kingdom"), CountryDrops::Outcome::Taken);
    EXPECT_EQ(state.home, (PaneState{1, "Unt. Kingdom", "Pounds", "GBP"}));
    EXPECT_EQ(state.displayCurrency, "GBP");
    EXPECT_EQ(state.display, "0");
    // The flag read from the library went to the home picture before the clear.
    EXPECT_EQ(events, QStringList({"pane home picture 1 35x20 80", "OnCancel"}));
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(DropsTest, ForeignPaneDropInReverseModeLeavesTheDisplayCurrency)
{
    state.reverseMode = true;
    calc.OnNumeric("5");
    state.home = {0, "Unt. States", "Dollars", "USD"};
    state.displayCurrency = "USD";
    EXPECT_EQ(drops.dropOnPane(CountryDrops::Pane::Foreign, "France"), CountryDrops::Outcome::Taken);
    // The first France of the table.
    EXPECT_EQ(state.foreign, (PaneState{2, "France", "Euros", "EUR"}));
    EXPECT_EQ(currencyAtCancel, "USD");
    // The clear of reverse mode then empties the pane the next button fills.
    EXPECT_EQ(state.home, PaneState{});
    EXPECT_EQ(state.display, "0");
    EXPECT_EQ(events.last(), "OnCancel");
}

TEST_F(DropsTest, UserDefinedCurrencyGetsNoLibraryPicture)
{
    EXPECT_EQ(drops.dropOnPane(CountryDrops::Pane::Home, "Moonland"), CountryDrops::Outcome::Taken);
    EXPECT_EQ(events.first(), QString("pane home picture %1 0x0 0").arg(NoResourceIndex));
    EXPECT_EQ(state.home.picture, NoResourceIndex);
    EXPECT_EQ(drops.dropOnSlot(0, 2, "Moonland"), CountryDrops::Outcome::Taken);
    EXPECT_TRUE(events.contains(QString("slot 2 picture %1 none").arg(NoResourceIndex)));
}

TEST_F(DropsTest, NameNoLongerInTheTableIsRefusedAndChangesNothing)
{
    state.home = {0, "Unt. States", "Dollars", "USD"};
    calc.OnNumeric("9");
    const PaneState before = state.home;
    // A reload between drag and drop: the country is gone, or differs in case or blanks.
    for (const QString name : {"Atlantis", "france", "France ", ""}) {
        EXPECT_EQ(drops.dropOnPane(CountryDrops::Pane::Home, name), CountryDrops::Outcome::Refused);
        EXPECT_EQ(drops.dropOnSlot(0, 1, name), CountryDrops::Outcome::Refused);
    }
    EXPECT_EQ(state.home, before);
    EXPECT_EQ(state.display, "9");
    EXPECT_TRUE(assignments.isEmpty());
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(DropsTest, SlotDropsGrowReplaceAndClear)
{
    for (int i = 0; i < 20; ++i)
        assignments << QString("C%1").arg(i);
    calc.OnNumeric("3");
    // Slot 5 of tab 2: entry 36; entries 20..35 are added empty.
    EXPECT_EQ(drops.dropOnSlot(2, 5, "France"), CountryDrops::Outcome::Taken);
    ASSERT_EQ(assignments.size(), 37);
    for (int i = 20; i < 36; ++i)
        EXPECT_TRUE(assignments[i].isEmpty()) << i;
    EXPECT_EQ(assignments[36], "France");
    EXPECT_EQ(assignments[19], "C19");
    EXPECT_EQ(events, QStringList({"slot 5 picture 2 flag", "slot 5 caption France", "OnCancel"}));
    EXPECT_EQ(state.display, "0");

    // An existing entry is replaced; the length stays.
    events.clear();
    EXPECT_EQ(drops.dropOnSlot(0, 3, "Unt. States"), CountryDrops::Outcome::Taken);
    EXPECT_EQ(assignments.size(), 37);
    EXPECT_EQ(assignments[2], "Unt. States");
    EXPECT_EQ(events.last(), "OnCancel");

    // Slot numbers outside 1..16 are no slot.
    EXPECT_EQ(drops.dropOnSlot(0, 0, "France"), CountryDrops::Outcome::Refused);
    EXPECT_EQ(drops.dropOnSlot(0, 17, "France"), CountryDrops::Outcome::Refused);
}

TEST_F(DropsTest, MissingLibraryIsReportedAndTheWindowClosesTheOrdinaryWay)
{
    ASSERT_TRUE(QFile::remove(Defs::kResourceLibrary));
    state.home = {0, "Unt. States", "Dollars", "USD"};
    EXPECT_EQ(drops.dropOnPane(CountryDrops::Pane::Home, "France"), CountryDrops::Outcome::Failed);
    EXPECT_EQ(drops.dropOnPane(CountryDrops::Pane::Foreign, "France"), CountryDrops::Outcome::Failed);
    EXPECT_EQ(drops.dropOnSlot(1, 1, "France"), CountryDrops::Outcome::Failed);
    EXPECT_EQ(said.errors(),
              QStringList({"Error: Unable to load resource dll - Home dropError: Unable to Complete Drag & drop.",
                           "Error: Unable to load resource dll - Foreign dropError: Unable to Complete Drag & drop.",
                           "Error: Unable to load resource dll - Button drop."}));
    // No clear, nothing filled; each failure closes the main window.
    EXPECT_EQ(events, QStringList({"close", "close", "close"}));
    EXPECT_EQ(state.home.country, "Unt. States");
    EXPECT_TRUE(assignments.isEmpty());
}

TEST_F(DropsTest, PictureFailureIsBadMemOfAnIncompleteDrop)
{
    failPicture = true;
    EXPECT_EQ(drops.dropOnPane(CountryDrops::Pane::Home, "France"), CountryDrops::Outcome::Failed);
    EXPECT_EQ(drops.dropOnSlot(0, 1, "France"), CountryDrops::Outcome::Failed);
    EXPECT_EQ(said.errors(),
              QStringList({"Error: Unable to Complete Drag & dropBad memError: Unable to Complete Drag & drop.",
                           "Error: Unable to Complete Drag & dropBad mem."}));
    EXPECT_EQ(events, QStringList({"close", "close"}));
    EXPECT_TRUE(state.home.country.isEmpty());
}
