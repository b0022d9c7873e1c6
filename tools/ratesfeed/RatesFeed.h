#pragma once
// The rates feed: turns the European Central Bank's daily reference rates (the
// eurofxref-daily.xml format, rates in units per euro) into an update server's reply, with
// every rate in units per US dollar, one data line per country of the master list.
//
// Every refusal is a VemoxError whose message is one plain sentence.
#include "data/CurrencyLoader.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace RatesFeed {

// The rates of the newest date of an ECB file: currency code -> units per euro.
struct EcbRates {
    QDate date;
    QMap<QString, double> perEuro;
};
// Refuses a text that is not in the ECB's format, a rate that is not a positive number and
// a newest date without a US dollar rate.
EcbRates ParseEcb(const QByteArray& xml);
// Refuses rates older than maxAgeDays before today (no limit when negative), and rates
// dated more than one day after today: no clock is that far off.
void CheckAge(const QDate& date, int maxAgeDays, const QDate& today);

// The rates of an earlier reply: code -> rate text and the date the rate is of.
struct KeptRate {
    QString rate;
    QDate asOf;
};
struct PreviousReply {
    QString date;
    QHash<QString, KeptRate> rates;
};
// Refuses lines that are not a reply, or a rate that is not a positive number. Only a rate
// that says the date it is of (<KRTASOF>) is kept: a rate of unknown age, such as a sample
// rate, is never passed on.
PreviousReply ParsePrevious(const QStringList& lines);
// Forgets the kept rates older than maxAgeDays before today (no limit when negative) or
// dated more than one day after it: those codes go out without a rate.
void DropOldRates(PreviousReply& previous, int maxAgeDays, const QDate& today);

// Refuses an empty host, or one that would break its line.
void CheckHost(const QString& host);

// A rate as the data files hold it: "." as decimal separator, no exponent, at least six
// significant digits. Refuses a rate the program cannot hold: zero, too small to be a normal
// number, or infinite.
QString FormatRate(const QString& iso, double rate);

// The reply: the date line, a message line when codes the ECB does not quote keep an earlier
// rate or have none, the host lines, then one data line per country of the master list.
// Every line with a rate says the date the rate is of, so that the reply can be the next
// run's earlier reply.
QStringList BuildReply(const EcbRates& ecb, const QList<CurrencyLoader::MasterEntry>& master,
                       const QStringList& hosts, const PreviousReply* previous);

} // namespace RatesFeed
