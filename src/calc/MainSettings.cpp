#include "calc/MainSettings.h"

#include "support/Translate.h"
#include "Defs.h"
#include "support/DataFolder.h"
#include "calc/CommissionTable.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyTable.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

namespace {

// Shown in the status bar, in the interface's language.
const char* const kAwaitingUpdate = QT_TRANSLATE_NOOP("Vemox", "Awaiting update!");
const char* const kLastUpdate = QT_TRANSLATE_NOOP("Vemox", "Last update: ");
const QString kDefaultHome = QStringLiteral("Unt. States");
const QString kDefaultRegion = QStringLiteral("Europe");

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
    // The values the save writes count as unread until the load has read them.
    for (const QString& name : {Defs::kValPayment, Defs::kValRateKind, Defs::kValCommission, Defs::kValHomeCountry})
        store_.markUnread(Defs::kKeyGeneral, name);
    store_.markUnread(Defs::kKeyCountries);
    for (int t = 0; t < ButtonLayout::kTabs; ++t)
        store_.markUnread(Defs::kKeyTabs, QString::number(t));

    // One reading of the store for every value; a completed commission list goes with it.
    ZYMAPI::StoreChange change;
    ResourceLibrary library;
    const bool general = trapped(QString(), [&] {
        // Named after the step that failed: nothing was dropped.
        library.Open(QStringLiteral("Error: Unable to load resource dll - LoadSettings"));
        loadGeneral(library);
    });
    // A tab that could not be shown has told the operator; the captions still follow.
    const bool laidOut = general && trapped(QString(), [&] { loadButtonLayout(); });
    if (laidOut)
        layout.loadTabNames(store_);
    change.commit();
    leaveSaved();
    store_.reportProblems();
    return laidOut;
}

void MainSettings::loadGeneral(ResourceLibrary& library)
{
    loadToolbar();
    loadCommissionValues();
    numberFormat = Formats::kDefaultNumberFormat;
    int punctuation = 0;
    store_.read(Defs::kKeyGeneral, Defs::kValPunctuation, punctuation);
    Formats::applyPunctuationChoice(punctuation);
    loadHomeCountry(library);
    loadDateAndDecimals();
    showLastUpdate(false);
}

void MainSettings::loadCommissionValues()
{
    // A hand-edited key may hold more than the thirty entries: the first thirty are the
    // table, and the entries beyond them leave the store.
    const QStringList list = commission.Load(store_);
    for (qsizetype i = CommissionTable::kEntries; i < list.size(); ++i)
        ZYMAPI::DeleteRegistryKeyValue(HKEY_CURRENT_USER, Defs::kKeyCommission, QString::number(i), KEY_WRITE);
}

// The stored slots and tab 0 shown, or on a first start the Europe layout.
void MainSettings::loadButtonLayout()
{
    auto showFirstTab = [&] {
        if (showTab)
            showTab(0);
    };
    if (layout.loadAssignments(store_))
        showFirstTab();
    else
        layout.LoadRegionDefaults(currencies, kDefaultRegion, showFirstTab);
}

void MainSettings::loadToolbar()
{
    int payment = 1;
    store_.read(Defs::kKeyGeneral, Defs::kValPayment, payment);
    state.payment = paymentOf(payment);
    int rateKind = 3;
    store_.read(Defs::kKeyGeneral, Defs::kValRateKind, rateKind);
    state.rateKind = rateKindOf(rateKind);
    // With Base no charge applies: the switch starts clear and disabled whatever was stored,
    // and the close stores it clear. A Base that stands in for a damaged rate kind says
    // nothing of the switch: the stored one stays unless the operator changes it.
    bool commission = false;
    if (state.rateKind != RateKind::Base)
        store_.read(Defs::kKeyGeneral, Defs::kValCommission, commission);
    else if (!store_.isUnread(Defs::kKeyGeneral, Defs::kValRateKind))
        store_.markRead(Defs::kKeyGeneral, Defs::kValCommission);
    state.commission = commission;
    state.commissionEnabled = state.rateKind != RateKind::Base;
}

void MainSettings::loadHomeCountry(const ResourceLibrary& library)
{
    QString home = kDefaultHome;
    store_.read(Defs::kKeyGeneral, Defs::kValHomeCountry, home);
    // Until the pane shows it, the stored country stays stored: one the table lacks today
    // (the data did not load) is kept for a later run.
    const bool readable = !store_.isUnread(Defs::kKeyGeneral, Defs::kValHomeCountry);
    store_.markUnread(Defs::kKeyGeneral, Defs::kValHomeCountry);
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
    if (readable)
        store_.markRead(Defs::kKeyGeneral, Defs::kValHomeCountry);
}

void MainSettings::showLastUpdate(bool keepWhenMissing)
{
    QDateTime lastUpdate;
    // A damaged value is told with the others and reads as no update at all.
    if (store_.read(Defs::kKeyGeneral, Defs::kValLastUpdate, lastUpdate) && lastUpdate.isValid())
        state.panel[1] = translated(kLastUpdate) + Formats::dateToStr(lastUpdate.date());
    else if (!keepWhenMissing)
        state.panel[1] = translated(kAwaitingUpdate);
}

// "Fr" and "Dp": the short date format and the decimals of every amount shown.
void MainSettings::loadDateAndDecimals()
{
    int dateFormat = 0;
    store_.read(Defs::kKeyGeneral, Defs::kValDateFormat, dateFormat);
    FormatSettings::current().shortDateFormat = Formats::shortDateFormatForChoice(dateFormat);
    int decimals = 2;
    store_.read(Defs::kKeyGeneral, Defs::kValDecimalPlaces, decimals);
    numberFormat = Formats::numberFormatForDecimals(decimals);
}

// What the load left of every value the save writes, as the save would write it.
void MainSettings::leaveSaved()
{
    store_.left(Defs::kKeyGeneral, Defs::kValPayment, storedPayment(state.payment));
    store_.left(Defs::kKeyGeneral, Defs::kValRateKind, storedRateKind(state.rateKind));
    store_.left(Defs::kKeyGeneral, Defs::kValCommission, state.commission);
    store_.left(Defs::kKeyGeneral, Defs::kValHomeCountry, state.home.country);
    store_.left(Defs::kKeyCountries, {}, layout.ButtonAssignments);
    for (int t = 0; t < ButtonLayout::kTabs; ++t)
        store_.left(Defs::kKeyTabs, QString::number(t), layout.tabName(t));
}

bool MainSettings::save()
{
    // The operator left a Base that stood in for a damaged rate kind: the switch they see
    // beside the new rate kind is theirs, and is stored with it.
    if (state.rateKind != RateKind::Base && store_.isUnread(Defs::kKeyGeneral, Defs::kValRateKind))
        store_.markRead(Defs::kKeyGeneral, Defs::kValCommission);
    ZYMAPI::StoreChange change;
    store_.write(Defs::kKeyGeneral, Defs::kValPayment, storedPayment(state.payment));
    store_.write(Defs::kKeyGeneral, Defs::kValRateKind, storedRateKind(state.rateKind));
    store_.write(Defs::kKeyGeneral, Defs::kValCommission, state.commission);
    layout.save(store_);
    // In reverse mode the panes have swapped: the home currency is in the foreign pane.
    store_.write(Defs::kKeyGeneral, Defs::kValHomeCountry,
                 state.reverseMode ? state.foreign.country : state.home.country);
    if (change.commit())
        return true;
    messenger().messageBox(translated(QT_TRANSLATE_NOOP("Vemox", "Error E72: Error writing to registry")));
    return false;
}

void MainSettings::reapplyFormats(const QDate& today)
{
    double shown = 0;
    const bool plainNumber = Formats::tryStrToFloat(state.display, shown);
    int punctuation = 0;
    store_.read(Defs::kKeyGeneral, Defs::kValPunctuation, punctuation);
    Formats::applyPunctuationChoice(punctuation);
    loadDateAndDecimals();
    if (plainNumber)
        state.display = Formats::formatFloat(numberFormat, shown);
    state.showToday(today);
    showLastUpdate(true);
    store_.reportProblems();
}

