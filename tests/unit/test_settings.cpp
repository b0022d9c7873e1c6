// The main window's settings through the core: the load at start-up, the save at close,
// the format choices and their re-application after the format dialog.
#include "Defs.h"
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "calc/MainState.h"
#include "calc/TransactionLog.h"
#include "common/TestEnv.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "support/FormatChoices.h"
#include "support/Formats.h"
#include "calc/MainSettings.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Zymregistry.h"

#include <QDir>
#include <QFile>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const HKEY kRoot = HKEY_CURRENT_USER;
const QString kStoreError = QStringLiteral("Error E72: Error writing to registry");

template <typename T>
void seed(const QString& name, const T& value)
{
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyGeneral, name, value, KEY_WRITE);
}

template <typename T>
T stored(const QString& name, T fallback)
{
    ZYMAPI::ReadRegistry(kRoot, Defs::kKeyGeneral, name, fallback, KEY_READ);
    return fallback;
}

QStringList numbered(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QString::number(i));
    return out;
}

QStringList storedList(const QString& key)
{
    QStringList out;
    ZYMAPI::ReadRegistry(kRoot, key, out, KEY_READ);
    return out;
}

// A main window's worth of state over the sample data (Unt. States, Unt. Kingdom, France).
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = FormatSettings::current();
        FormatSettings::current() = FormatSettings();
        testenv::resetStore();
        testenv::freshWorkDir();
        testenv::installSampleData();
        ASSERT_TRUE(LoadCurrencyData(table));
        shown.clear();
    }
    void TearDown() override
    {
        FormatSettings::current() = saved_;
        testenv::resetStore();
    }

    bool load() { return settings.load(); }
    // The thousands and the decimal separator in force, as ",." for example.
    static QString punctuation()
    {
        return QString(FormatSettings::current().thousandSeparator) + FormatSettings::current().decimalSeparator;
    }
    static QString dateFormat() { return FormatSettings::current().shortDateFormat; }

    ScriptedMessenger shown;
    MessengerScope scope{&shown};
    CurrencyTable table;
    MainState state;
    QString numberFormat = QStringLiteral("design");
    CommissionTable charges;
    ButtonLayout layout;
    MainSettings settings{state, numberFormat, table, charges, layout};
    FormatSettings saved_;
};

} // namespace

// ---------------------------------------------------------------------------------------
// Loading

TEST_F(SettingsTest, FirstStartGivesTheDesignDefaults)
{
    ASSERT_TRUE(load());
    EXPECT_EQ(state.payment, Payment::Cash);
    EXPECT_EQ(state.rateKind, RateKind::Base);
    EXPECT_FALSE(state.commission);
    EXPECT_FALSE(state.commissionEnabled);
    EXPECT_EQ(charges.entry(0), 4.0);
    EXPECT_EQ(charges.entry(2), 2.0);
    EXPECT_EQ(punctuation(), ",.");
    EXPECT_EQ(state.home.country + state.home.iso + state.displayCurrency, "Unt. StatesUSDUSD");
    EXPECT_EQ(dateFormat(), "dd/mm/yyyy");
    EXPECT_EQ(numberFormat, "#,##0.00;(#,##0.00)");
    EXPECT_EQ(state.panel[1], "Awaiting update!");
    EXPECT_THAT(layout.tabNames(), ElementsAre("Europe 1", "Europe 2", "Europe 3", "Europe 4", "5", "6", "7", "8", "9"));
    EXPECT_THAT(layout.ButtonAssignments, ElementsAre("France", "Unt. Kingdom"));
    EXPECT_THAT(shown.shown, IsEmpty());
}

TEST_F(SettingsTest, PaymentAndRateKindFollowTheirNumbers)
{
    struct Case { int cbs, bss; bool cms; Payment payment; RateKind kind; bool commission; };
    const Case cases[] = {
        {2, 2, true, Payment::CreditCard, RateKind::Sell, true},
        {3, 1, false, Payment::TravellersCheques, RateKind::Buy, false},
        {0, 7, true, Payment::Cash, RateKind::Buy, true},     // any other: Cash, and Buy reads Cms
        {9, 3, true, Payment::Cash, RateKind::Base, false},   // with Base the switch stays clear
    };
    for (const Case& c : cases) {
        seed(Defs::kValPayment, c.cbs);
        seed(Defs::kValRateKind, c.bss);
        seed(Defs::kValCommission, c.cms);
        MainState fresh;
        ButtonLayout freshLayout;
        MainSettings s(fresh, numberFormat, table, charges, freshLayout);
        ASSERT_TRUE(s.load());
        EXPECT_EQ(fresh.payment, c.payment) << c.cbs;
        EXPECT_EQ(fresh.rateKind, c.kind) << c.bss;
        EXPECT_EQ(fresh.commission, c.commission) << c.bss;
        EXPECT_EQ(fresh.commissionEnabled, c.kind != RateKind::Base);
    }
}

TEST_F(SettingsTest, PunctuationDateFormatAndDecimalsFollowTheirTables)
{
    struct Case { int cc, fr, dp; const char *punctuation, *date, *pattern; };
    const Case cases[] = {
        {1, 1, 4, ".,", "mm/dd/yyyy", "#,##0.0000;(#,##0.0000)"},
        {2, 9, 1, ",.", "dd/mm/yyyy", "#,##0.00;(#,##0.00)"},
        {0, 4, 6, ",.", "dddddd", "#,##0.000000;(#,##0.000000)"},
        {-1, -1, 7, ",.", "dd/mm/yyyy", "#,##0.00;(#,##0.00)"},   // the dialog's "none"
        {0, 2, 3, ",.", "yyyy/mm/dd", "#,##0.000;(#,##0.000)"},
    };
    for (const Case& c : cases) {
        seed(Defs::kValPunctuation, c.cc);
        seed(Defs::kValDateFormat, c.fr);
        seed(Defs::kValDecimalPlaces, c.dp);
        ASSERT_TRUE(load());
        EXPECT_EQ(punctuation(), c.punctuation) << c.cc;
        EXPECT_EQ(dateFormat(), c.date) << c.fr;
        EXPECT_EQ(numberFormat, c.pattern) << c.dp;
    }
    // The format dialog starts from the decimals the amounts show.
    seed(Defs::kValDecimalPlaces, 1000);
    FormatChoices dialog;
    dialog.load();
    EXPECT_EQ(dialog.decimals, 2);
    // The last update in the date format just read.
    seed(Defs::kValLastUpdate, QDateTime(QDate(2026, 11, 30), QTime(14, 5)));
    ASSERT_TRUE(load());
    EXPECT_EQ(state.panel[1], "Last update: 2026/11/30");
}

TEST_F(SettingsTest, CommissionValuesAreCompletedOrCutToThirty)
{
    // Missing: the defaults, and nothing is written.
    ASSERT_TRUE(load());
    EXPECT_THAT(storedList(Defs::kKeyCommission), IsEmpty());

    // Twelve: completed with "000.000" and written back.
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyCommission, numbered(12), KEY_WRITE);
    ASSERT_TRUE(load());
    const QStringList thirty = storedList(Defs::kKeyCommission);
    EXPECT_EQ(thirty.mid(0, 12), numbered(12));
    EXPECT_EQ(thirty.mid(12), QStringList(18, QStringLiteral("000.000")));
    EXPECT_EQ(charges.entry(11), 11.0);

    // Forty: the first thirty count, and exactly those stay in the store.
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyCommission, numbered(40), KEY_WRITE);
    ASSERT_TRUE(load());
    EXPECT_EQ(storedList(Defs::kKeyCommission), numbered(30));
    EXPECT_EQ(charges.entry(29), 29.0);
    EXPECT_THAT(shown.shown, IsEmpty());
}

TEST_F(SettingsTest, HomeCountryFillsThePaneOnlyWhenTheTableHoldsIt)
{
    seed(Defs::kValHomeCountry, QStringLiteral("France"));
    ASSERT_TRUE(load());
    EXPECT_EQ(state.home.picture, 2);
    EXPECT_EQ(state.home.flag.width, 35);
    EXPECT_EQ(state.home.country + state.home.currency + state.home.iso + state.displayCurrency, "FranceEurosEUREUR");

    // Exact names only: a country the table lacks leaves the pane as it was.
    seed(Defs::kValHomeCountry, QStringLiteral("france"));
    ASSERT_TRUE(load());
    EXPECT_EQ(state.home.country + state.displayCurrency, "FranceEUR");

    // A library without the flag leaves the pane without one, and the load goes on.
    seed(Defs::kValHomeCountry, QStringLiteral("Unt. States"));
    ResourceLibraryWriter w;
    w.AddString(Defs::kResCount, QStringLiteral("0"));
    w.Save(Defs::kResourceLibrary);
    ASSERT_TRUE(load());
    EXPECT_EQ(state.home.country, "Unt. States");
    EXPECT_TRUE(state.home.flag.isNull());
}

TEST_F(SettingsTest, WithoutTheResourceLibraryNothingIsApplied)
{
    seed(Defs::kValPayment, 2);
    seed(Defs::kValPunctuation, 1);
    QFile::remove(Defs::kResourceLibrary);
    EXPECT_FALSE(load());
    EXPECT_THAT(shown.errors(), ElementsAre("Error: Unable to load resource dll - LoadSettings."));
    EXPECT_EQ(state.payment, Payment::Cash);
    EXPECT_EQ(punctuation(), ",.");
    EXPECT_EQ(numberFormat, "design");
    EXPECT_TRUE(state.home.country.isEmpty());
    EXPECT_TRUE(state.panel[1].isEmpty());
}

TEST_F(SettingsTest, StoredSlotsAreShownAndTabCaptionsReplaceTheirTabsOnly)
{
    QList<int> shownTabs;
    settings.showTab = [&](int tab) { shownTabs << tab; return true; };
    // An empty layout gets the Europe defaults; the stored captions then rename tabs 0 to 4.
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyTabs, QStringList{"A", "B", "C", "D", "E"}, KEY_WRITE);
    ASSERT_TRUE(load());
    EXPECT_THAT(layout.tabNames(), ElementsAre("A", "B", "C", "D", "E", "6", "7", "8", "9"));
    EXPECT_THAT(layout.ButtonAssignments, ElementsAre("France", "Unt. Kingdom"));

    // A stored layout is shown as it is; values beyond the nine tabs are ignored.
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyCountries, QStringList{"", "Unt. States"}, KEY_WRITE);
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyTabs, numbered(12), KEY_WRITE);
    ButtonLayout stored;
    MainSettings again(state, numberFormat, table, charges, stored);
    again.showTab = settings.showTab;
    ASSERT_TRUE(again.load());
    EXPECT_THAT(stored.ButtonAssignments, ElementsAre("", "Unt. States"));
    EXPECT_EQ(stored.tabNames(), numbered(9));
    EXPECT_EQ(shownTabs, (QList<int>{0, 0}));

    // A tab that cannot be shown has told the operator; the captions still follow.
    ButtonLayout failing;
    MainSettings third(state, numberFormat, table, charges, failing);
    third.showTab = [](int) { return false; };
    EXPECT_TRUE(third.load());
    EXPECT_EQ(failing.tabName(0), "0");
}

// A damaged store costs only the damaged value: it is told once, naming its setting, the
// rest loads, and a close with nothing changed leaves the store file exactly as it was; what
// the operator changes is written (Buy over a damaged rate kind: with the switch as shown).
TEST_F(SettingsTest, ADamagedValueIsToldOnceAndTheCloseLeavesTheStoreAsItWas)
{
    seed(Defs::kValHomeCountry, QStringLiteral("Unt. Kingdom"));
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyCountries,
                          QStringList{"France", "Unt. Kingdom", "Unt. States", "France", "", "Unt. States", "France"},
                          KEY_WRITE);
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyTabs, QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I"}, KEY_WRITE);
    ZYMAPI::WriteRegistry(kRoot, Defs::kKeyCommission, CommissionTable::Defaults(), KEY_WRITE);
    ASSERT_TRUE(load());
    ASSERT_TRUE(settings.save());
    const QByteArray healthy = testenv::readBytes(testenv::storeFile());
    const QByteArray library = testenv::readBytes(Defs::kResourceLibrary);

    struct Case { const char *from, *to, *told, *home, *tab0, *buy = nullptr; };
    const Case cases[] = {
        {"", "", "", "Unt. Kingdom", "A"},   // healthy: nothing written again
        {"\"5\"=\"4\"", "\"5\"=\"abc\"", "Commission entry 5 cannot be read: 'abc' is not a valid floating point value.",
         "Unt. Kingdom", "A"},
        {"\"5\"=\"Unt. States\"", "\"5\"=dword:00000007",
         "Currency button entry 5 cannot be read: Invalid data type for '5'Error: - (ReadRegistry) zym.", "Unt. Kingdom", "A"},
        {"\"3\"=\"D\"", "\"3\"=dword:00000001",
         "Tab caption 3 cannot be read: Invalid data type for '3'Error: - (ReadRegistry) zym.", "Unt. Kingdom", "A"},
        {"\"Cbs\"=dword:00000001", "\"Cbs\"=hex:01", "Invalid data type for 'Cbs'Error: - (ReadRegistry) zym.",
         "Unt. Kingdom", "A"},
        {"\"4\"=\"\"\r\n", "", "Currency button entry 4 cannot be read: it is missing", "Unt. Kingdom", "A"},
        {"\"0\"=\"A\"", "\"-1\"=\"Minus\"\r\n\"0\"=\"A\"", "", "Unt. Kingdom", "A"},   // a stray caption
        {"\"h_c\"=\"Unt. Kingdom\"", "\"h_c\"=\"Austria\"", "", "", "A"},   // not in today's table
        {"library", "", "Unable to load resource dll", "", "1"},
        {"\"BSs\"=dword:00000003\r\n\"Cms\"=dword:00000000", "\"BSs\"=\"1\"\r\n\"Cms\"=dword:00000001",
         "Invalid data type for 'BSs'", "Unt. Kingdom", "A"},
        {"\"BSs\"=dword:00000003\r\n\"Cms\"=dword:00000000", "\"BSs\"=\"1\"\r\n\"Cms\"=dword:00000001",
         "Invalid data type for 'BSs'", "Unt. Kingdom", "A", "\"BSs\"=dword:00000001\r\n\"Cms\"=dword:00000000"},
    };
    for (const Case& c : cases) {
        QByteArray before = healthy;
        before.replace(c.from, c.to);
        testenv::writeBytes(testenv::storeFile(), before);
        testenv::writeBytes(Defs::kResourceLibrary, library);
        ASSERT_TRUE(LoadCurrencyData(table));
        if (QByteArray(c.from) == "library")
            QFile::remove(Defs::kResourceLibrary);
        shown.clear();
        MainState fresh;
        ButtonLayout freshLayout;
        CommissionTable freshCharges;
        MainSettings started(fresh, numberFormat, table, freshCharges, freshLayout);
        started.load();
        if (c.buy)   // the operator chooses Buy
            fresh.rateKind = RateKind::Buy, before.replace(c.to, c.buy);
        started.save();
        EXPECT_EQ(testenv::readBytes(testenv::storeFile()), before) << c.to;
        const QStringList told = shown.errors();
        EXPECT_EQ(told.size(), QByteArray(c.told).isEmpty() ? 0 : 1) << c.to;
        EXPECT_TRUE(told.join('\n').contains(QString::fromLatin1(c.told))) << c.to;
        EXPECT_EQ(fresh.home.country, c.home) << c.to;
        EXPECT_EQ(freshLayout.tabName(0), c.tab0) << c.to;
    }
}

// ---------------------------------------------------------------------------------------
// Saving

TEST_F(SettingsTest, SaveStoresTheToolbarAndTheHomeCountry)
{
    state.payment = Payment::TravellersCheques;
    state.rateKind = RateKind::Sell;
    state.commission = true;
    state.home.country = QStringLiteral("Unt. Kingdom");
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(stored(Defs::kValPayment, 0), 3);
    EXPECT_EQ(stored(Defs::kValRateKind, 0), 2);
    EXPECT_TRUE(stored(Defs::kValCommission, false));
    EXPECT_EQ(stored(Defs::kValHomeCountry, QString()), "Unt. Kingdom");
    EXPECT_THAT(shown.shown, IsEmpty());

    // In reverse mode the panes have swapped: the home country is in the foreign pane.
    state.reverseMode = true;
    state.foreign.country = QStringLiteral("Unt. Kingdom");
    state.home.country = QStringLiteral("France");
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(stored(Defs::kValHomeCountry, QString()), "Unt. Kingdom");
}

TEST_F(SettingsTest, ASmallerLayoutLeavesNoEntryOfTheLargerOneBehind)
{
    layout.ButtonAssignments = numbered(40);
    layout.setTabName(2, QStringLiteral("Rare"));
    ASSERT_TRUE(settings.save());
    ASSERT_EQ(storedList(Defs::kKeyCountries).size(), 40);
    layout.ButtonAssignments = layout.ButtonAssignments.mid(0, 20);
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(storedList(Defs::kKeyCountries), layout.ButtonAssignments);
    EXPECT_THAT(storedList(Defs::kKeyTabs), ElementsAre("1", "2", "Rare", "4", "5", "6", "7", "8", "9"));
}

TEST_F(SettingsTest, AStoreThatCannotBeWrittenIsReportedOnceAndKeepsTheOldSettings)
{
    seed(Defs::kValPayment, 2);
    const QByteArray before = testenv::readBytes(testenv::storeFile());
    state.payment = Payment::Cash;
    {
        testenv::FullDisk full;
        EXPECT_FALSE(settings.save());
    }
    EXPECT_EQ(shown.texts(ScriptedMessenger::Kind::MessageBox), QStringList{kStoreError});
    EXPECT_EQ(testenv::readBytes(testenv::storeFile()), before);
}

// ---------------------------------------------------------------------------------------
// The format choices and the format dialog's closing

TEST_F(SettingsTest, ReapplyShowsAPlainNumberInTheNewFormat)
{
    struct Case { int cc, dp; const char* before; const char* after; };
    const Case cases[] = {
        {0, 4, "2.5", "2.5000"},
        {0, 4, "-1234.5", "(1,234.5000)"},
        {1, 2, "1234.5", "1.234,50"},
        {0, 2, "1,234.50", "1,234.50"},   // not a plain number: left as it is
        {0, 3, "(12.00)", "(12.00)"},
        {0, 3, "Error", "Error"},
    };
    for (const Case& c : cases) {
        FormatSettings::current() = FormatSettings();
        seed(Defs::kValPunctuation, c.cc);
        seed(Defs::kValDecimalPlaces, c.dp);
        state.display = QString::fromLatin1(c.before);
        settings.reapplyFormats(QDate(2024, 3, 5));
        EXPECT_EQ(state.display, c.after) << c.before;
        EXPECT_EQ(numberFormat, Formats::numberFormatForDecimals(c.dp));
    }
}

TEST_F(SettingsTest, ReapplyRefreshesBothDatePanels)
{
    seed(Defs::kValDateFormat, 1);
    state.panel[1] = QStringLiteral("Awaiting update!");
    settings.reapplyFormats(QDate(2024, 3, 5));
    EXPECT_EQ(state.panel[0], "Todays date: 03/05/2024");
    EXPECT_EQ(state.panel[1], "Awaiting update!");   // no update yet: unchanged

    seed(Defs::kValDateFormat, 7);
    seed(Defs::kValLastUpdate, QDateTime(QDate(2024, 2, 1), QTime(9, 0)));
    settings.reapplyFormats(QDate(2024, 3, 5));
    EXPECT_EQ(state.panel[0], "Todays date: 05/03/2024");
    EXPECT_EQ(state.panel[1], "Last update: 01/02/2024");
}

TEST_F(SettingsTest, DecimalCommaIsTypedAndCalculatedWith)
{
    seed(Defs::kValPunctuation, 1);
    ASSERT_TRUE(load());
    TransactionLog log;
    Calculator calc(state, log, charges);
    calc.NumberFormat = numberFormat;
    calc.OnCancel();
    // The decimal key types the separator in force, as the window's key does.
    for (const QString& key : QStringList{"1", "2", "3", "4", punctuation().right(1), "5"})
        key == "," ? calc.OnDecimal(key) : calc.OnNumeric(key);
    calc.OnCalcButton(QStringLiteral("+"));
    calc.OnNumeric(QStringLiteral("1"));
    calc.OnEquals();
    EXPECT_EQ(state.display, "1.235,50");
}
