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

using Pane = CountryDrops::Pane;
using Outcome = CountryDrops::Outcome;

class DropsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::freshWorkDir();
        testenv::installSampleData();   // flags 0..2 in the library
        auto add = [&](double rate, const char* country, const char* iso, const char* denom, int index) {
            table.Append(new CCurrencyData(rate, "Europe", country, iso, denom, index));
        };
        add(1.0, "Unt. States", "USD", "Dollars", 0);
        add(0.79, "Unt. Kingdom", "GBP", "Pounds", 1);
        add(0.94, "France", "EUR", "Euros", 2);
        add(2.0, "Moonland", "MNL", "Moons", NoResourceIndex);
        add(0.5, "France", "FRF", "Francs", 1);   // never found: the first France is
    }

    static ResourcePicture flagOf(int index)
    {
        ResourceLibrary lib;
        EXPECT_TRUE(lib.Load(Defs::kResourceLibrary));
        return lib.ReadPicture(ResourceLibrary::FlagId(index));
    }

    CountryDrops::View view()
    {
        CountryDrops::View v;
        auto picture = [this](const QString& where, int index, const ResourcePicture& pic) {
            if (failPicture)
                throw VemoxError("no room");
            events << QString("%1 %2 %3").arg(where).arg(index).arg(pic.isNull() ? 0 : int(uchar(pic.rgb.at(0))));
        };
        v.setPanePicture = [=](Pane p, int i, const ResourcePicture& pic) { picture(p == Pane::Home ? "home" : "foreign", i, pic); };
        v.setSlotPicture = [=](int slot, int i, const ResourcePicture& pic) { picture(QString("Image%1").arg(slot), i, pic); };
        v.setSlotCaption = [this](int slot, const QString& c) { events << QString("Button%1 %2").arg(slot).arg(c); };
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
    ButtonLayout layout;
    QStringList& assignments = layout.ButtonAssignments;
    QStringList events;
    bool failPicture = false;
    QString currencyAtCancel;
    CountryDrops drops{table, state, layout, view()};
};

} // namespace

TEST(DropsAccept, OnlyThePaneShowingTheHomeCurrencyTakesDrops)
{
    EXPECT_TRUE(CountryDrops::paneAccepts(Pane::Home, false));
    EXPECT_FALSE(CountryDrops::paneAccepts(Pane::Foreign, false));
    EXPECT_FALSE(CountryDrops::paneAccepts(Pane::Home, true));
    EXPECT_TRUE(CountryDrops::paneAccepts(Pane::Foreign, true));
}

TEST_F(DropsTest, PaneDropsFillTheirPaneAndClear)
{
    calc.OnNumeric("7");
    EXPECT_EQ(drops.dropOnPane(Pane::Home, "Unt. Kingdom"), Outcome::Taken);
    EXPECT_EQ(state.home, (PaneState{1, "Unt. Kingdom", "Pounds", "GBP", flagOf(1)}));
    EXPECT_EQ(state.displayCurrency, "GBP");
    EXPECT_EQ(state.display, "0");
    // The library's flag went to the home picture before the clear.
    EXPECT_EQ(events, QStringList({"home 1 80", "OnCancel"}));

    // In reverse mode the foreign pane holds the home currency; the display's code stays.
    state.reverseMode = true;
    state.displayCurrency = "USD";
    events.clear();
    EXPECT_EQ(drops.dropOnPane(Pane::Foreign, "France"), Outcome::Taken);
    EXPECT_EQ(state.foreign, (PaneState{2, "France", "Euros", "EUR", flagOf(2)}));   // the first France
    EXPECT_EQ(currencyAtCancel, "USD");
    EXPECT_EQ(events, QStringList({"foreign 2 120", "OnCancel"}));

    // A user-defined currency has no library picture: the window shows its banknote.
    events.clear();
    EXPECT_EQ(drops.dropOnPane(Pane::Foreign, "Moonland"), Outcome::Taken);
    EXPECT_EQ(events.first(), QString("foreign %1 0").arg(NoResourceIndex));
    EXPECT_TRUE(state.foreign.flag.isNull());
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(DropsTest, SlotDropsGrowOrReplaceTheLayoutAndClear)
{
    assignments = QStringList(20, "X");
    calc.OnNumeric("3");
    // Slot 5 of tab 2 is entry 36: entries 20..35 are added empty.
    EXPECT_EQ(drops.dropOnSlot(2, 5, "France"), Outcome::Taken);
    ASSERT_EQ(assignments.size(), 37);
    EXPECT_EQ(assignments.mid(20, 16), QStringList(16, QString()));
    EXPECT_EQ(assignments[36], "France");
    EXPECT_EQ(events, QStringList({"Image5 2 120", "Button5 France", "OnCancel"}));
    EXPECT_EQ(state.display, "0");

    // An existing entry is replaced; the length stays.
    EXPECT_EQ(drops.dropOnSlot(0, 3, "Moonland"), Outcome::Taken);
    EXPECT_EQ(assignments.size(), 37);
    EXPECT_EQ(assignments[2], "Moonland");
    EXPECT_TRUE(events.contains(QString("Image3 %1 0").arg(NoResourceIndex)));
}

TEST_F(DropsTest, NameNoLongerInTheTableIsRefusedAndChangesNothing)
{
    calc.OnNumeric("9");
    // After a reload between drag and drop the country may be gone; no trimming, no case.
    for (const QString name : {"Atlantis", "france", "France ", ""}) {
        EXPECT_EQ(drops.dropOnPane(Pane::Home, name), Outcome::Refused);
        EXPECT_EQ(drops.dropOnSlot(0, 1, name), Outcome::Refused);
    }
    EXPECT_EQ(drops.dropOnSlot(0, 17, "France"), Outcome::Refused);   // no such slot
    EXPECT_EQ(state.home, PaneState{});
    EXPECT_EQ(state.display, "9");
    EXPECT_TRUE(assignments.isEmpty());
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(said.shown.empty());
}

TEST_F(DropsTest, FailuresAreReportedAndTheWindowClosesTheOrdinaryWay)
{
    failPicture = true;
    EXPECT_EQ(drops.dropOnPane(Pane::Home, "France"), Outcome::Failed);
    EXPECT_EQ(drops.dropOnSlot(0, 1, "France"), Outcome::Failed);
    failPicture = false;
    ASSERT_TRUE(QFile::remove(Defs::kResourceLibrary));
    EXPECT_EQ(drops.dropOnPane(Pane::Home, "France"), Outcome::Failed);
    EXPECT_EQ(drops.dropOnPane(Pane::Foreign, "France"), Outcome::Failed);
    EXPECT_EQ(drops.dropOnSlot(1, 1, "France"), Outcome::Failed);
    EXPECT_EQ(said.errors(),
              QStringList({"Error: Unable to Complete Drag & dropBad memError: Unable to Complete Drag & drop.",
                           "Error: Unable to Complete Drag & dropBad mem.",
                           "Error: Unable to load resource dll - Home dropError: Unable to Complete Drag & drop.",
                           "Error: Unable to load resource dll - Foreign dropError: Unable to Complete Drag & drop.",
                           "Error: Unable to load resource dll - Button drop."}));
    // No clear and nothing filled; every failure closes the main window.
    EXPECT_EQ(events, QStringList(5, "close"));
    EXPECT_EQ(state.home, PaneState{});
    EXPECT_TRUE(assignments.isEmpty());
}
