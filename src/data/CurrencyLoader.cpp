#include "data/CurrencyLoader.h"
#include "Defs.h"
#include "data/CurrencyTable.h"
#include "data/DataFiles.h"
#include "support/DataFolder.h"
#include "support/Errors.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/SettingsStore.h"
#include "support/Zymregistry.h"
#include "support/Translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <limits>
#include <new>

using namespace Defs;

namespace CurrencyLoader {

bool ExtractTag(QString& text, const QString& open, const QString& close)
{
    if (!text.contains(open) || !text.contains(close))
        return false;
    QString rest = text.mid(text.indexOf(open) + open.size());
    const qsizetype end = rest.indexOf(close);
    text = end < 0 ? QString() : rest.left(end);
    return true;
}

namespace {
// Says what is wrong with a data file cut short, and where it is, so the operator can find it.
QString shortFileText(qsizetype lineCount)
{
    const QString file = QDir::toNativeSeparators(DataFolder::file(kCurrencyFile));
    if (lineCount == 0)
        return translated(QT_TRANSLATE_NOOP("Vemox", "The currency data file %1 is empty")).arg(file);
    return translated(QT_TRANSLATE_NOOP("Vemox",
                                        "The currency data file %1 is incomplete: it holds %2 of the at least 3 "
                                        "lines it needs"))
        .arg(file)
        .arg(lineCount);
}

bool hasPair(const QString& text, const QString& open, const QString& close)
{
    return text.contains(open) && text.contains(close);
}
} // namespace

ReplyLine ClassifyReplyLine(const QString& line)
{
    ReplyLine r;
    QString t = line;
    if (hasPair(t, kMessageOpen, kMessageClose)) {
        ExtractTag(t, kMessageOpen, kMessageClose);
        r.hasMessage = true;
        r.message = t;
    }
    if (hasPair(t, kHostOpen, kHostClose)) {
        r.kind = ReplyLine::Kind::Host;
        ExtractTag(t, kHostOpen, kHostClose);
        r.value = t;
    } else if (t.contains(kExceptionsTag)) {
        r.kind = ReplyLine::Kind::Exceptions;
        ExtractTag(t, kExceptionsTag, kExceptionsTag);
        r.value = t;
    } else if (hasPair(line, kIsoOpen, kIsoClose) && hasPair(t, kDataOpen, kDataClose)) {
        r.kind = ReplyLine::Kind::Data;
        r.iso = line;
        ExtractTag(r.iso, kIsoOpen, kIsoClose);
        ExtractTag(t, kDataOpen, kDataClose);
        r.value = t;
        QString asOf = line;
        if (ExtractTag(asOf, kAsOfOpen, kAsOfClose))
            r.asOf = asOf;
    }
    return r;
}

double RateValue(const QString& text)
{
    const double rate = Formats::strToFloat(text);
    if (!(rate > 0.0))
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "'%1' is not a valid rate: a rate is a number above zero"))
                .arg(text));
    if (rate < std::numeric_limits<double>::min())
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "'%1' is not a valid rate: it is too small to convert with"))
                .arg(text));
    return rate;
}

QString LineFault(const QString& file, int line, const QString& reason)
{
    return translated(QT_TRANSLATE_NOOP("Vemox", "%1, line %2: %3")).arg(file).arg(line).arg(reason);
}

UserDefinedLine ParseUserDefinedLine(const QString& line)
{
    UserDefinedLine u{line, line, line, line};
    ExtractTag(u.iso, kIsoOpen, kIsoClose);
    ExtractTag(u.rate, kDataOpen, kDataClose);
    ExtractTag(u.country, kCountryOpen, kCountryClose);
    ExtractTag(u.denomination, kDenomOpen, kDenomClose);
    return u;
}

QStringList FactoryContent()
{
    const QString updateHost = kHostOpen + kMakerWebHost + kUpdatePath + kHostClose;
    const QString webHost = kHostOpen + kMakerWebHost + kHostClose;
    return {updateHost, webHost, webHost};
}

} // namespace CurrencyLoader

using namespace CurrencyLoader;

namespace {

// The flag identifiers wrap at 65536, so no real library holds more positions than that; a
// larger count is a damaged count, not a reason to build millions of empty records.
constexpr int kMaxLibraryCount = 65536;

const char* const kUnreadableLibrary = QT_TRANSLATE_NOOP("Vemox", "Error: Unable to read resource library");
const char* const kUnreadableCount = QT_TRANSLATE_NOOP("Vemox", "Error: Unable to read from resource library");

// A failed string read is told in a plain box and leaves the text empty.
QString libraryString(const ResourceLibrary& library, int id, bool* ok = nullptr)
{
    try {
        if (ok)
            *ok = true;
        return library.ReadString(id);
    } catch (const VemoxError&) {
        messenger().messageBox(translated(QT_TRANSLATE_NOOP("Vemox", "Error E100: Error Loading currency data")));
        if (ok)
            *ok = false;
        return {};
    }
}

int libraryCount(const ResourceLibrary& library)
{
    bool ok = false;
    const QString text = libraryString(library, kResCount, &ok);
    if (!ok)
        throw VemoxError(translated(kUnreadableCount));
    const int count = Formats::strToInt(text);
    if (count > kMaxLibraryCount)
        throw VemoxError(translated(kUnreadableCount));
    return count;
}

MasterEntry libraryEntry(const ResourceLibrary& library, int i)
{
    MasterEntry e;
    e.region = libraryString(library, kResRegion + i);
    e.country = libraryString(library, kResCountry + i);
    e.iso = libraryString(library, kResIso + i);
    e.denomination = libraryString(library, kResDenomination + i);
    return e;
}

void writeHost(int n, const QString& host)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyHosts, QString::number(n), host, KEY_ALL_ACCESS);
}

void loadFactoryFile(const QStringList& firstLines, const ResourceLibrary& library, CurrencyTable& table)
{
    ZYMAPI::StoreChange hosts;
    for (int n = 0; n < 3; ++n) {
        QString host = firstLines[n];
        ExtractTag(host, kHostOpen, kHostClose);
        writeHost(n, host);
    }
    hosts.commit();
    const QList<MasterEntry> master = ReadMasterList(library);
    table.ClearTable();
    for (int i = 0; i < master.size(); ++i) {
        const MasterEntry& e = master[i];
        table.Append(std::make_unique<CCurrencyData>(0.0, e.region, e.country, e.iso, e.denomination, i));
    }
    // A factory file does not read the operator's currencies: their file is not to be rewritten.
    table.SetUserFileRead(!QFile::exists(DataFolder::file(kUserDefinedFile)));
}

// The rates of a reply, by ISO code: the rate text, the date it is of and its line (from 1).
// The first line of a code wins.
struct ReplyRate {
    QString rate, asOf;
    int line = 0;
};
struct ReplyRates {
    QHash<QString, ReplyRate> byIso;
    void add(const QString& iso, const ReplyRate& rate)
    {
        if (!byIso.contains(iso))
            byIso.insert(iso, rate);
    }
};

// Every line of a reply, in order: messages shown, hosts and exceptions entries stored,
// rates kept. Gives the number of hosts.
int walkReply(const QStringList& lines, CurrencyTable& table, ReplyRates& rates)
{
    int hosts = 0;
    int exceptions = 0;
    for (int n = 0; n < lines.size(); ++n) {
        const ReplyLine r = ClassifyReplyLine(lines[n]);
        if (r.hasMessage && !r.message.isEmpty())
            messenger().messageBox(r.message);
        switch (r.kind) {
        case ReplyLine::Kind::Host:
            if (r.value.isEmpty())
                throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Server Error: Please Re-load page")));
            // The first host line starts the reply's own host list and table.
            // The old hosts go, the key keeps its place: the same reply loaded again changes
            // nothing in the store.
            if (hosts == 0) {
                SettingsStore::clearValues(kKeyHosts);
                table.ClearTable();
            }
            writeHost(hosts++, r.value);
            break;
        case ReplyLine::Kind::Exceptions:
            if (ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyExceptions, QString::number(exceptions), r.value,
                                      KEY_ALL_ACCESS))
                ++exceptions;
            break;
        case ReplyLine::Kind::Data:
            try {
                rates.add(r.iso, {r.value, r.asOf, n + 1});
            } catch (const std::bad_alloc&) {
                throw VemoxError(
                    translated(QT_TRANSLATE_NOOP("Vemox", "Problems updating from Server - Try again later")));
            }
            break;
        case ReplyLine::Kind::Ignored:
            break;
        }
    }
    return hosts;
}

// A rate of the server's reply: one it cannot be converted with makes the whole reply
// unusable, as any other damage to it does.
double replyRate(const ReplyRate& r)
{
    try {
        return RateValue(r.rate);
    } catch (const VemoxError& e) {
        throw VemoxError(LineFault(kCurrencyFile, r.line, e.message()));
    }
}

// The faults of the operator's file, told in one box at the end of the load: the first few
// in full, then how many more.
class UserFileFaults {
public:
    void add(int line, const QString& reason)
    {
        if (told_.size() < kShown)
            told_ << errorBoxText(LineFault(kUserDefinedFile, line, reason));
        else
            ++more_;
    }
    void tell() const
    {
        QStringList text = told_;
        if (more_ > 0)
            text << translated(QT_TRANSLATE_NOOP("Vemox", "%1 has %2 more lines that cannot be used."))
                        .arg(kUserDefinedFile)
                        .arg(more_);
        if (!text.isEmpty())
            messenger().errorBox(text.join(QLatin1Char('\n')));
    }

private:
    static constexpr int kShown = 10;
    QStringList told_;
    int more_ = 0;
};

// The operator's own currencies, after the library's. A line that cannot be used costs that
// line alone and is kept for the editor to write back; one whose country an earlier currency
// has is loaded all the same, where the editor can delete it.
void loadUserFile(CurrencyTable& table)
{
    const QString path = DataFolder::file(kUserDefinedFile);
    QStringList lines;
    try {
        if (QFile::exists(path))
            lines = DataFiles::readLines(path);
    } catch (const VemoxError& e) {
        // Without the file's lines the editor must keep it as it is: it stays unread.
        messenger().errorBox(e.message());
        return;
    }
    QSet<QString> names;
    for (int i = 0; i < table.Count(); ++i)
        names.insert(table.At(i)->GetCountryName());
    UserFileFaults faults;
    int loaded = 0;
    for (int n = 0; n < lines.size(); ++n) {
        if (lines[n].trimmed().isEmpty())
            continue;
        const UserDefinedLine u = ParseUserDefinedLine(lines[n]);
        double rate = 0.0;
        try {
            rate = RateValue(u.rate);
        } catch (const VemoxError& e) {
            faults.add(n + 1, e.message());
            table.KeepUnreadUserLine(lines[n], loaded);
            continue;
        }
        if (names.contains(u.country))
            faults.add(n + 1, translated(QT_TRANSLATE_NOOP("Vemox", "the country name '%1' is taken by an earlier "
                                                                    "currency, so this one cannot be used"))
                                  .arg(u.country));
        names.insert(u.country);
        table.Append(std::make_unique<CCurrencyData>(rate, QStringLiteral("User Defined"), u.country, u.iso,
                                                     u.denomination, NoResourceIndex));
        ++loaded;
    }
    table.SetUserFileRead(true);
    faults.tell();
}

void loadReplyFile(const QStringList& lines, const ResourceLibrary& library, CurrencyTable& table)
{
    if (!hasPair(lines[0], kDateOpen, kDateClose))
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "Error: Malformed cgi script. Possible Host Server 404 error.")));

    // The hosts and exceptions of a reply are one change of the store: the host list is
    // the old one or the new one, never none, and the whole reply is one replacement of
    // the file. What was stored before a failing line stays stored.
    ReplyRates rates;
    int hosts = 0;
    {
        ZYMAPI::StoreChange stored;
        try {
            hosts = walkReply(lines, table, rates);
        } catch (...) {
            stored.commit();
            throw;
        }
        stored.commit();
    }
    if (hosts == 0)
        table.ClearTable();

    const QList<MasterEntry> master = ReadMasterList(library);
    int missing = 0;
    for (int i = 0; i < master.size(); ++i) {
        const MasterEntry& e = master[i];
        const auto found = rates.byIso.constFind(e.iso);
        double rate = 0.0;
        int index = NoResourceIndex;
        if (found != rates.byIso.cend()) {
            index = i;
            if (!found->rate.isEmpty())
                rate = replyRate(*found);
        }
        if (index == NoResourceIndex)
            ++missing;
        auto record = std::make_unique<CCurrencyData>(rate, e.region, e.country, e.iso, e.denomination, index);
        if (found != rates.byIso.cend())
            record->SetAsOf(found->asOf);
        table.Append(std::move(record));
    }
    // Many currencies the reply does not list at all usually mean that one of the exchange
    // servers was down. A listed currency with an empty rate is one the server does not
    // quote (a shop's own feed leaves most of them so), and a warning at every load would
    // only teach the operator to ignore it.
    if (missing > kMissingDataWarningLimit)
        messenger().messageBox(translated(kMissingDataWarning));
    loadUserFile(table);
}

} // namespace

QList<MasterEntry> CurrencyLoader::ReadMasterList(const ResourceLibrary& library)
{
    const int count = libraryCount(library);
    QList<MasterEntry> list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(libraryEntry(library, i));
    return list;
}

QString CurrencyLoader::DateLine(const QString& date) { return kDateOpen + date + kDateClose; }
QString CurrencyLoader::MessageLine(const QString& message) { return kMessageOpen + message + kMessageClose; }
QString CurrencyLoader::HostLine(const QString& host) { return kHostOpen + host + kHostClose; }

QString CurrencyLoader::DataLine(const QString& iso, const QString& rate, const QString& country,
                                 const QString& denomination)
{
    QString line = kIsoOpen + iso + kIsoClose + kDataOpen + rate + kDataClose;
    if (!country.isEmpty())
        line += kCountryOpen + country + kCountryClose;
    if (!denomination.isEmpty())
        line += kDenomOpen + denomination + kDenomClose;
    return line;
}

bool LoadCurrencyData(CurrencyTable& table)
{
    // Rates are written with "." whatever the operator's punctuation; the scope puts the
    // operator's separators back on every way out.
    SeparatorScope separators;
    ResourceLibrary library;
    try {
        library.Open(translated(kUnreadableLibrary));
        const QString dataFile = DataFolder::file(kCurrencyFile);
        if (!QFile::exists(dataFile))
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Error: Missing Currency.dat file")));
        const QStringList lines = DataFiles::readLines(dataFile);
        if (lines.size() < 3)
            throw VemoxError(shortFileText(lines.size()));
        if (hasPair(lines[0], kHostOpen, kHostClose))
            loadFactoryFile(lines.mid(0, 3), library, table);
        else
            loadReplyFile(lines, library, table);
    } catch (const VemoxError& e) {
        library.Release();
        messenger().errorBox(e.message());
        return false;
    } catch (const std::bad_alloc&) {
        library.Release();
        messenger().errorBox(translated(QT_TRANSLATE_NOOP("Vemox", "Out of memory")));
        return false;
    }
    library.Release();
    return true;
}
