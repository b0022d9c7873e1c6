#include "support/MainSettings.h"

#include "Defs.h"
#include "support/DataFolder.h"
#include "calc/CommissionTable.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyTable.h"
#include "support/Errors.h"
#include "support/FormatChoices.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

namespace {

const QString kAwaitingUpdate = QStringLiteral("Awaiting update!");
const QString kLastUpdate = QStringLiteral("Last update: ");
const QString kTodaysDate = QStringLiteral("Todays date: ");
const QString kDefaultHome = QStringLiteral("Unt. States");
const QString kDefaultRegion = QStringLiteral("Europe");

template <typename T>
bool readGeneral(const QString& name, T& out)
{
    return ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, out, KEY_READ);
}

template <typename T>
bool writeGeneral(const QString& name, const T& in)
{
    return ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, in, KEY_WRITE);
}

Payment paymentOf(int stored)
{
    switch (stored) {
    case 2: return Payment::CreditCard;
    case 3: return Payment::TravellersCheques;
    default: return Payment::Cash;
    }
}

RateKind rateKindOf(int stored)
{
    switch (stored) {
    case 2: return RateKind::Sell;
    case 3: return RateKind::Base;
    default: return RateKind::Buy;
    }
}

int storedPayment(Payment p)
{
    return p == Payment::Cash ? 1 : p == Payment::CreditCard ? 2 : 3;
}

int storedRateKind(RateKind k)
{
    return k == RateKind::Buy ? 1 : k == RateKind::Sell ? 2 : 3;
}

} // namespace

MainSettings::MainSettings(MainState& s, QString& format, const CurrencyTable& table, CommissionTable& charges,
                           ButtonLayout& buttons)
    : state(s), numberFormat(format), currencies(table), commission(charges), layout(buttons)
{
}

bool MainSettings::load()
{
    ResourceLibrary library;
    const bool general = trapped(QString(), [&] {
        if (!library.Load(DataFolder::file(Defs::kResourceLibrary)))
            // Named after the step that failed: nothing was dropped.
            throw VemoxError(QStringLiteral("Error: Unable to load resource dll - LoadSettings"));
        loadGeneral(library);
    });
    if (!general || !loadButtonLayout())
        return false;
    layout.loadTabNames();
    return true;
}

void MainSettings::loadGeneral(ResourceLibrary& library)
{
    loadToolbar();
    loadCommissionValues();
    numberFormat = Formats::kDefaultNumberFormat;
    int punctuation = 0;
    readGeneral(Defs::kValPunctuation, punctuation);
    Formats::applyPunctuationChoice(punctuation);
    loadHomeCountry(library);
    loadDateAndDecimals();
    showLastUpdate(false);
}

// The stored slots and tab 0 shown, or on a first start the Europe layout.
bool MainSettings::loadButtonLayout()
{
    bool shown = true;
    auto showFirstTab = [&] { shown = showTab ? showTab(0) : true; };
    const bool loaded = trapped(QString(), [&] {
        if (layout.loadAssignments())
            showFirstTab();
        else
            layout.LoadRegionDefaults(currencies, kDefaultRegion, showFirstTab);
    });
    return loaded && shown;
}

void MainSettings::loadToolbar()
{
    int payment = 1;
    readGeneral(Defs::kValPayment, payment);
    state.payment = paymentOf(payment);
    int rateKind = 3;
    readGeneral(Defs::kValRateKind, rateKind);
    state.rateKind = rateKindOf(rateKind);
    // With Base no charge applies: the switch starts clear and disabled whatever was stored.
    bool commission = false;
    if (state.rateKind != RateKind::Base)
        readGeneral(Defs::kValCommission, commission);
    state.commission = commission;
    state.commissionEnabled = state.rateKind != RateKind::Base;
}

void MainSettings::loadCommissionValues()
{
    const QStringList list = commission.Load();
    // A hand-edited key may hold more than the thirty entries: the first thirty are the
    // table, and the key is written back with exactly those.
    if (list.size() > CommissionTable::kEntries) {
        ZYMAPI::StoreChange change;
        ZYMAPI::DeleteRegistryKey(HKEY_CURRENT_USER, Defs::kKeyCommission, KEY_ALL_ACCESS);
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyCommission, list.mid(0, CommissionTable::kEntries),
                              KEY_WRITE);
        change.commit();
    }
}

void MainSettings::loadHomeCountry(const ResourceLibrary& library)
{
    QString home = kDefaultHome;
    readGeneral(Defs::kValHomeCountry, home);
    const CCurrencyData* record = currencies.FindByCountry(home);
    if (!record)
        return;
    // The pane shows the library's flag (none when the library lacks it); a flag that
    // cannot be read ends the load.
    const int picture = record->GetResourceIndex();
    ResourcePicture flag;
    const bool read = trapWith([&] {
        if (picture != NoResourceIndex)
            flag = library.ReadPicture(ResourceLibrary::FlagId(picture));
    }, [](VemoxError&) {});
    if (!read)
        throw VemoxError(QStringLiteral("Error in Registry ") + QStringLiteral("Bad mem"));
    state.home.picture = picture;
    state.home.flag = std::move(flag);
    state.home.iso = record->GetIsoCode();
    state.home.currency = record->GetDenomination();
    state.home.country = record->GetCountryName();
    state.displayCurrency = record->GetIsoCode();
}

void MainSettings::showLastUpdate(bool keepWhenMissing)
{
    QDateTime lastUpdate;
    // A damaged value has been reported by the store and reads as no update at all.
    if (readGeneral(Defs::kValLastUpdate, lastUpdate) && lastUpdate.isValid())
        state.panel[1] = kLastUpdate + Formats::dateToStr(lastUpdate.date());
    else if (!keepWhenMissing)
        state.panel[1] = kAwaitingUpdate;
}

// "Fr" and "Dp": the short date format and the decimals of every amount shown.
void MainSettings::loadDateAndDecimals()
{
    int dateFormat = 0;
    readGeneral(Defs::kValDateFormat, dateFormat);
    FormatSettings::current().shortDateFormat = Formats::shortDateFormatForChoice(dateFormat);
    int decimals = 2;
    readGeneral(Defs::kValDecimalPlaces, decimals);
    numberFormat = Formats::numberFormatForDecimals(decimals);
}

bool MainSettings::save()
{
    ZYMAPI::StoreChange change;
    writeGeneral(Defs::kValPayment, storedPayment(state.payment));
    writeGeneral(Defs::kValRateKind, storedRateKind(state.rateKind));
    writeGeneral(Defs::kValCommission, state.commission);
    layout.save();
    // In reverse mode the panes have swapped: the home currency is in the foreign pane.
    writeGeneral(Defs::kValHomeCountry, state.reverseMode ? state.foreign.country : state.home.country);
    if (change.commit())
        return true;
    messenger().messageBox(QStringLiteral("Error E72: Error writing to registry"));
    return false;
}

void MainSettings::reapplyFormats(const QDate& today)
{
    double shown = 0;
    const bool plainNumber = Formats::tryStrToFloat(state.display, shown);
    int punctuation = 0;
    readGeneral(Defs::kValPunctuation, punctuation);
    Formats::applyPunctuationChoice(punctuation);
    loadDateAndDecimals();
    if (plainNumber)
        state.display = Formats::formatFloat(numberFormat, shown);
    showToday(today);
    showLastUpdate(true);
}

void MainSettings::showToday(const QDate& today) { state.panel[0] = kTodaysDate + Formats::dateToStr(today); }
