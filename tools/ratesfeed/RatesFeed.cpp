#include "RatesFeed.h"
#include "Defs.h"
#include "support/Errors.h"

#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <optional>

namespace RatesFeed {

namespace {

const QString kEnvelopeNs = QStringLiteral("http://www.gesmes.org/xml/2002-08-01");
const QString kCubeNs = QStringLiteral("http://www.ecb.int/vocabulary/2002-08-01/eurofxref");
const QString kNotEcb = QStringLiteral("The rates file is not in the ECB's reference rates format");

// A plain decimal number, as the ECB and the data files write rates, that the program can
// hold: positive, finite and not too small to be a normal number.
bool parseRate(const QString& text, double& out)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return false;
    out = text.toDouble();
    return std::isnormal(out);
}

QString notEcb(const QString& why) { return kNotEcb + QStringLiteral(" (") + why + QStringLiteral(")."); }

// One <Cube currency='...' rate='...'/> of a dated cube.
void readRate(QXmlStreamReader& xml, QMap<QString, double>& rates)
{
    static const QRegularExpression code(QStringLiteral("^[A-Z]{3}$"));
    const QString currency = xml.attributes().value(QStringLiteral("currency")).toString();
    const QString rateText = xml.attributes().value(QStringLiteral("rate")).toString();
    if (!code.match(currency).hasMatch())
        throw VemoxError(notEcb(QStringLiteral("a currency code '%1'").arg(currency)));
    if (rates.contains(currency))
        throw VemoxError(notEcb(QStringLiteral("%1 twice on one date").arg(currency)));
    double rate = 0.0;
    if (!parseRate(rateText, rate))
        throw VemoxError(QStringLiteral("The ECB's rate of %1, '%2', is not a positive number.").arg(currency, rateText));
    rates.insert(currency, rate);
    xml.skipCurrentElement();
}

// A <Cube time='yyyy-MM-dd'> with its rates.
EcbRates readDate(QXmlStreamReader& xml)
{
    EcbRates day;
    const QString time = xml.attributes().value(QStringLiteral("time")).toString();
    day.date = QDate::fromString(time, Qt::ISODate);
    if (!day.date.isValid())
        throw VemoxError(notEcb(QStringLiteral("a date '%1'").arg(time)));
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() != kCubeNs || xml.name() != QStringLiteral("Cube"))
            throw VemoxError(notEcb(QStringLiteral("an element '%1' among the rates").arg(xml.name())));
        readRate(xml, day.perEuro);
    }
    if (day.perEuro.isEmpty())
        throw VemoxError(notEcb(QStringLiteral("no rates on %1").arg(time)));
    return day;
}

// The outer <Cube> holds one dated cube per day; the newest one is kept.
void readCubes(QXmlStreamReader& xml, std::optional<EcbRates>& newest)
{
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() != kCubeNs || xml.name() != QStringLiteral("Cube")) {
            xml.skipCurrentElement();
            continue;
        }
        EcbRates day = readDate(xml);
        if (newest && newest->date == day.date)
            throw VemoxError(notEcb(QStringLiteral("the date %1 twice").arg(day.date.toString(Qt::ISODate))));
        if (!newest || day.date > newest->date)
            newest = std::move(day);
    }
}

QString ageText(const QDate& from, const QDate& to)
{
    const qint64 days = from.daysTo(to);
    return days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days);
}

// What the reply says about the codes the ECB does not quote: how many keep an earlier rate,
// and how old the oldest is, and how many have none.
QString unquotedMessage(const QDate& date, int kept, int empty, const QDate& oldest)
{
    QStringList parts;
    if (kept > 0) {
        const QString age = oldest < date ? QStringLiteral(" (%1 old)").arg(ageText(oldest, date)) : QString();
        parts << QStringLiteral("%1 with the rate of an earlier reply, the oldest of %2%3")
                     .arg(kept)
                     .arg(oldest.toString(Qt::ISODate), age);
    }
    if (empty > 0)
        parts << QStringLiteral("%1 without a rate").arg(empty);
    return QStringLiteral("Rates of the ECB of %1. Codes the ECB does not quote: ").arg(date.toString(Qt::ISODate)) +
           parts.join(QStringLiteral("; ")) + u'.';
}

// The date a rate is of travels with its data line, so that a rate kept over several runs
// still says how old it is.
QString asOfTag(const QDate& date) { return Defs::kAsOfOpen + date.toString(Qt::ISODate) + Defs::kAsOfClose; }

} // namespace

EcbRates ParseEcb(const QByteArray& bytes)
{
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.namespaceUri() != kEnvelopeNs || xml.name() != QStringLiteral("Envelope"))
        throw VemoxError(notEcb(QStringLiteral("no ECB envelope")));
    std::optional<EcbRates> newest;
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() == kCubeNs && xml.name() == QStringLiteral("Cube"))
            readCubes(xml, newest);
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError())
        throw VemoxError(notEcb(xml.errorString()));
    if (!newest)
        throw VemoxError(notEcb(QStringLiteral("no dated rates")));
    if (!newest->perEuro.contains(QStringLiteral("USD")))
        throw VemoxError(QStringLiteral("The ECB's rates of %1 have no US dollar rate.")
                             .arg(newest->date.toString(Qt::ISODate)));
    return *newest;
}

void CheckAge(const QDate& date, int maxAgeDays, const QDate& today)
{
    if (maxAgeDays >= 0 && date.daysTo(today) > maxAgeDays)
        throw VemoxError(QStringLiteral("The ECB's rates of %1 are %2 old, older than the limit of %3 days.")
                             .arg(date.toString(Qt::ISODate), ageText(date, today))
                             .arg(maxAgeDays));
    if (today.daysTo(date) > 1)
        throw VemoxError(QStringLiteral("The ECB's rates of %1 are dated %2 after today, %3.")
                             .arg(date.toString(Qt::ISODate), ageText(today, date), today.toString(Qt::ISODate)));
}

PreviousReply ParsePrevious(const QStringList& lines)
{
    using namespace CurrencyLoader;
    PreviousReply prev;
    prev.date = lines.isEmpty() ? QString() : lines[0];
    if (!ExtractTag(prev.date, Defs::kDateOpen, Defs::kDateClose))
        throw VemoxError(QStringLiteral("The earlier reply does not start with a date line."));
    QSet<QString> seen;   // the first line of a code counts, as in the program
    for (const QString& line : lines) {
        const ReplyLine r = ClassifyReplyLine(line);
        if (r.kind != ReplyLine::Kind::Data || seen.contains(r.iso))
            continue;
        seen.insert(r.iso);
        if (r.value.isEmpty())
            continue;
        double rate = 0.0;
        if (!parseRate(r.value, rate))
            throw VemoxError(QStringLiteral("The earlier reply's rate of %1, '%2', is not a positive number.")
                                 .arg(r.iso, r.value));
        QString asOf = line;
        const QDate date = ExtractTag(asOf, Defs::kAsOfOpen, Defs::kAsOfClose) ? QDate::fromString(asOf, Qt::ISODate) : QDate();
        if (date.isValid())
            prev.rates.insert(r.iso, {r.value, date});
    }
    return prev;
}

void DropOldRates(PreviousReply& previous, int maxAgeDays, const QDate& today)
{
    // A date ahead of today, as for the ECB's own, is no date: it would never grow old.
    previous.rates.removeIf([&](const auto& kept) {
        const qint64 age = kept.value().asOf.daysTo(today);
        return age < -1 || (maxAgeDays >= 0 && age > maxAgeDays);
    });
}

void CheckHost(const QString& host)
{
    static const QRegularExpression unsafe(QStringLiteral("[\\s<>\"]"));
    if (host.isEmpty() || unsafe.match(host).hasMatch() || host.startsWith(QStringLiteral("http://")))
        throw VemoxError(QStringLiteral("The host '%1' is not a host name with an optional path.").arg(host));
    for (const QChar c : host)
        if (c.unicode() > 0xFF)
            throw VemoxError(QStringLiteral("The host '%1' holds characters the data file cannot carry.").arg(host));
}

QString FormatRate(const QString& iso, double rate)
{
    if (!std::isnormal(rate) || rate < 0.0)
        throw VemoxError(QStringLiteral("The ECB's rates give %1 a rate of %2 per US dollar, which the program cannot hold.")
                             .arg(iso, QString::number(rate, 'g', 6)));
    const int decimals = std::max(2, 5 - int(std::floor(std::log10(rate))));
    return QString::number(rate, 'f', decimals);
}

QStringList BuildReply(const EcbRates& ecb, const QList<CurrencyLoader::MasterEntry>& master,
                       const QStringList& hosts, const PreviousReply* previous)
{
    using namespace CurrencyLoader;
    const double usd = ecb.perEuro.value(QStringLiteral("USD"));
    QStringList data;
    QSet<QString> kept, empty;
    QDate oldest;
    for (const MasterEntry& e : master) {
        if (e.iso.isEmpty())
            continue;
        QString line;
        if (e.iso == QStringLiteral("EUR")) {
            line = DataLine(e.iso, FormatRate(e.iso, 1.0 / usd), e.country, e.denomination) + asOfTag(ecb.date);
        } else if (ecb.perEuro.contains(e.iso)) {
            line = DataLine(e.iso, FormatRate(e.iso, ecb.perEuro.value(e.iso) / usd), e.country, e.denomination) +
                   asOfTag(ecb.date);
        } else if (previous && previous->rates.contains(e.iso)) {
            const KeptRate k = previous->rates.value(e.iso);
            line = DataLine(e.iso, k.rate, e.country, e.denomination) + asOfTag(k.asOf);
            kept.insert(e.iso);
            if (!oldest.isValid() || k.asOf < oldest)
                oldest = k.asOf;
        } else {
            line = DataLine(e.iso, QString(), e.country, e.denomination);
            empty.insert(e.iso);
        }
        data << line;
    }
    QStringList reply{DateLine(ecb.date.toString(Qt::ISODate))};
    if (!kept.isEmpty() || !empty.isEmpty())
        reply << MessageLine(unquotedMessage(ecb.date, int(kept.size()), int(empty.size()), oldest));
    for (const QString& h : hosts)
        reply << HostLine(h);
    return reply + data;
}

} // namespace RatesFeed
