#include "calc/MainState.h"
#include "support/Translate.h"
#include "data/CurrencyTable.h"
#include "data/RateUpdate.h"
#include "support/Formats.h"

#include <utility>

const char* keyName(Key k)
{
    static const char* const names[] = {"key1", "key2", "key3", "key4", "key5", "key6",
                                        "key7", "key8", "key9", "key0", "keyplus", "keyminus",
                                        "keytimes", "keydivide", "keyequals", "plusminus",
                                        "keydecimal", "rmode"};
    return names[static_cast<int>(k)];
}

void MainState::follow(RateUpdate& update)
{
    connect(&update, &RateUpdate::message, this, [this](const QString& text) {
        panel[2] = text;
        announce();
    });
    connect(&update, &RateUpdate::ratesReplaced, this, [this](const QString& lastUpdate, const QString& hint) {
        panel[1] = lastUpdate;
        panel1Hint = hint;
        announce();
    });
    connect(&update, &RateUpdate::busyChanged, this, [this](bool on) {
        busy = on;
        announce();
    });
}

void MainState::announce()
{
    for (auto [pane, hint] : {std::pair{&home, &homeRateHint}, {&foreign, &foreignRateHint}}) {
        const CCurrencyData* record =
            rates_ && !pane->country.isEmpty() ? rates_->FindByCountry(pane->country) : nullptr;
        *hint = record ? RateHint(*record) : QString();
    }
    emit changed();
}

QString MainState::RateHint(const CCurrencyData& record)
{
    if (record.GetRate() == 0.0)
        return translated(QT_TRANSLATE_NOOP("Vemox", "No rate"));
    QString hint = translated(QT_TRANSLATE_NOOP("Vemox", "1 USD = %1 %2"))
                       .arg(Formats::floatToStr(record.GetRate()), record.GetIsoCode());
    // A date is short; whatever else the field holds is not shown whole.
    if (!record.GetAsOf().isEmpty())
        hint += translated(QT_TRANSLATE_NOOP("Vemox", ", as of ")) + record.GetAsOf().left(40);
    return hint;
}

QString paymentText(Payment p)
{
    switch (p) {
    case Payment::Cash: return QStringLiteral("Cash");
    case Payment::CreditCard: return QStringLiteral("Credit Card");
    case Payment::TravellersCheques: break;
    }
    return QStringLiteral("Traveller's Cheques");
}

QString rateKindText(RateKind k)
{
    switch (k) {
    case RateKind::Buy: return QStringLiteral("Buy");
    case RateKind::Sell: return QStringLiteral("Sell");
    case RateKind::Base: break;
    }
    return QStringLiteral("Base Rate");
}

void MainState::showToday(const QDate& today)
{
    panel[0] = translated(QT_TRANSLATE_NOOP("Vemox", "Todays date: ")) + Formats::dateToStr(today);
}
