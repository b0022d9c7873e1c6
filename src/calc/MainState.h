#pragma once
// What the main window shows, as plain data: the display, the two currency panes with
// their flags, which keys are enabled, the status panels, the reverse-mode flag and the
// commission toolbar. The core changes it and announces the change; TForm1 renders it.
#include "support/ResourceLibrary.h"

class CCurrencyData;
class CurrencyTable;
class RateUpdate;

#include <QDate>
#include <QObject>
#include <QString>
#include <array>

inline bool operator==(const ResourcePicture& a, const ResourcePicture& b)
{
    return a.width == b.width && a.height == b.height && a.rgb == b.rgb;
}

struct PaneState {
    static constexpr int kNoPicture = -1;
    int picture = kNoPicture;   // a ResourceIndex (NoResourceIndex: the banknote), or none
    QString country;            // homecountry / localcountry
    QString currency;           // homecurrency / localcurrency (denomination)
    QString iso;                // isodata / localiso
    ResourcePicture flag;       // the library's flag of `picture`; null for the banknote
    bool operator==(const PaneState&) const = default;
};

// The eighteen keys that lock with the keypad, in the order they are locked.
enum class Key {
    key1, key2, key3, key4, key5, key6, key7, key8, key9, key0,
    keyplus, keyminus, keytimes, keydivide, keyequals, plusminus, keydecimal, rmode,
    Count
};
inline constexpr int kLockableKeys = static_cast<int>(Key::Count);
const char* keyName(Key k);

enum class Payment { Cash, CreditCard, TravellersCheques };
// The payment as the log and the receipt name it: "Cash", "Credit Card", "Traveller's Cheques".
QString paymentText(Payment p);
enum class RateKind { Buy, Sell, Base };
// The rate as the receipt and the account file name it: "Buy", "Sell", "Base Rate".
QString rateKindText(RateKind k);

class MainState : public QObject {
    Q_OBJECT
public:
    QString display = QStringLiteral("0");            // calcdisplay
    QString displayCurrency = QStringLiteral("GBP");  // displaycurrency
    PaneState home, foreign;
    QString homeRateHint, foreignRateHint;             // the panes' tool tips: rate in force, date it is of
    std::array<bool, kLockableKeys> enabled{};         // by Key
    std::array<QString, 3> panel;                      // status panels 0..2
    bool reverseMode = false;                          // the R label painted red
    QString panel1Hint;                                // tool tip of panel 1: the rates' date and source
    bool busy = false;                                 // an update runs: the hourglass cursor
    bool updateEnabled = true;                         // the update button; off by the editor's option
    bool commissionBarShown = false;                   // the commission bar, and the Hide button down

    Payment payment = Payment::Cash;
    RateKind rateKind = RateKind::Base;
    bool commission = false;
    bool commissionEnabled = false;                    // Rcommission, off with Base

    MainState() { enabled.fill(true); }
    bool isEnabled(Key k) const { return enabled[static_cast<size_t>(k)]; }
    void setEnabled(Key k, bool on) { enabled[static_cast<size_t>(k)] = on; }

    // Tell the window to render again. Core code calls it once at the end of a handler. The
    // panes' rate hints are taken from the table then, so they follow every reload.
    void announce();

    // The table whose rates the panes' hints tell.
    void showRatesOf(const CurrencyTable& table) { rates_ = &table; }
    // Panel 0: "Todays date: " and the date in the current short date format.
    void showToday(const QDate& today);
    // "1 USD = 0.862 EUR", with ", as of " and the date when the data file gives one.
    static QString RateHint(const CCurrencyData& record);

    // Shows what the update tells: the third panel, the date of the rates, the hourglass.
    void follow(RateUpdate& update);

signals:
    void changed();

private:
    const CurrencyTable* rates_ = nullptr;
};
