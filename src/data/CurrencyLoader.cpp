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

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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
        return QStringLiteral("The currency data file %1 is empty").arg(file);
    return QStringLiteral("The currency data file %1 is incomplete: it holds %2 of the at least 3 lines it needs")
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
    }
    return r;
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

const QString kUnreadableLibrary = QStringLiteral("Error: Unable to read resource library");
const QString kUnreadableCount = QStringLiteral("Error: Unable to read from resource library");

// A failed string read is told in a plain box and leaves the text empty.
QString libraryString(const ResourceLibrary& library, int id, bool* ok = nullptr)
{
    try {
        if (ok)
            *ok = true;
        return library.ReadString(id);
    } catch (const VemoxError&) {
        messenger().messageBox(QStringLiteral("Error E100: Error Loading currency data"));
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
        throw VemoxError(kUnreadableCount);
    const int count = Formats::strToInt(text);
    if (count > kMaxLibraryCount)
        throw VemoxError(kUnreadableCount);
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

// The rates of a reply, by ISO code. The first line of a code wins.
struct ReplyRates {
    QHash<QString, QString> rateByIso;
    void add(const QString& iso, const QString& rate) {
        if (!rateByIso.contains(iso))
            rateByIso.insert(iso, rate);
    }
};

// Every line of a reply, in order: messages shown, hosts and exceptions entries stored,
// rates kept. Gives the number of hosts.
int walkReply(const QStringList& lines, CurrencyTable& table, ReplyRates& rates)
{
    int hosts = 0;
    int exceptions = 0;
    for (const QString& line : lines) {
        const ReplyLine r = ClassifyReplyLine(line);
        if (r.hasMessage && !r.message.isEmpty())
            messenger().messageBox(r.message);
        switch (r.kind) {
        case ReplyLine::Kind::Host:
            if (r.value.isEmpty())
                throw VemoxError(QStringLiteral("Server Error: Please Re-load page"));
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
                rates.add(r.iso, r.value);
            } catch (const std::bad_alloc&) {
                throw VemoxError(QStringLiteral("Problems updating from Server - Try again later"));
            }
            break;
        case ReplyLine::Kind::Ignored:
            break;
        }
    }
    return hosts;
}

void loadReplyFile(const QStringList& lines, const ResourceLibrary& library, CurrencyTable& table)
{
    if (!hasPair(lines[0], kDateOpen, kDateClose))
        throw VemoxError(QStringLiteral("Error: Malformed cgi script. Possible Host Server 404 error."));

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
        const auto found = rates.rateByIso.constFind(e.iso);
        double rate = 0.0;
        int index = NoResourceIndex;
        if (found != rates.rateByIso.cend()) {
            index = i;
            if (!found->isEmpty())
                rate = Formats::strToFloat(*found);
        }
        if (index == NoResourceIndex)
            ++missing;
        table.Append(std::make_unique<CCurrencyData>(rate, e.region, e.country, e.iso, e.denomination, index));
    }
    // Many currencies the reply does not list at all usually mean that one of the exchange
    // servers was down. A listed currency with an empty rate is one the server does not
    // quote (a shop's own feed leaves most of them so), and a warning at every load would
    // only teach the operator to ignore it.
    if (missing > kMissingDataWarningLimit)
        messenger().messageBox(kMissingDataWarning);

    const QString userDefined = DataFolder::file(kUserDefinedFile);
    if (QFile::exists(userDefined)) {
        for (const QString& line : DataFiles::readLines(userDefined)) {
            const UserDefinedLine u = ParseUserDefinedLine(line);
            const double rate = Formats::strToFloat(u.rate);
            table.Append(std::make_unique<CCurrencyData>(rate, QStringLiteral("User Defined"), u.country, u.iso,
                                                         u.denomination, NoResourceIndex));
        }
    }
    table.SetUserFileRead(true);
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
        if (!library.Load(DataFolder::file(kResourceLibrary)))
            throw VemoxError(kUnreadableLibrary);
        const QString dataFile = DataFolder::file(kCurrencyFile);
        if (!QFile::exists(dataFile))
            throw VemoxError(QStringLiteral("Error: Missing Currency.dat file"));
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
        messenger().errorBox(QStringLiteral("Out of memory"));
        return false;
    }
    library.Release();
    return true;
}
