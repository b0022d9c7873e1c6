// vemox-ratesfeed: writes an update server's reply from the ECB's daily reference rates. Any
// web server serves the file; the command serves nothing itself.
//
//   vemox-ratesfeed --ecb FILE-OR-URL --host HOST [--host HOST ...] [--previous REPLY]
//                   [--max-age DAYS] [--library FILE] --output REPLY
//
// Exit status 0 on success; 1 when an input is refused or a step fails, 2 for a wrong command
// line; in both cases with one sentence on standard error. A refused run leaves the output
// file as it was.
#include "EcbSource.h"
#include "RatesFeed.h"
#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/FileWriter.h"
#include "support/ResourceLibrary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkProxyFactory>
#include <cstdio>
#include <optional>

namespace {

struct UsageError {
    QString message;
};

QString sentence(const QString& text) { return text.endsWith(u'.') ? text : text + u'.'; }

// The resource library beside an installed program, or beside the built one.
QString findLibrary(const QString& given)
{
    if (!given.isEmpty())
        return given;
    const QDir exe(QCoreApplication::applicationDirPath());
    for (const QString& rel : {QStringLiteral("../share/vemox/dll/ZYM_VEMOX.dll"), QStringLiteral("../dll/ZYM_VEMOX.dll")})
        if (QFileInfo::exists(exe.filePath(rel)))
            return QDir::cleanPath(exe.filePath(rel));
    throw VemoxError(QStringLiteral("No resource library found beside the program; name it with --library."));
}

void writeReply(const QCommandLineParser& args)
{
    const QStringList hosts = args.values(QStringLiteral("host"));
    if (hosts.isEmpty())
        throw UsageError{QStringLiteral("Name at least one update server with --host.")};
    int maxAge = -1;
    if (args.isSet(QStringLiteral("max-age"))) {
        bool ok = false;
        maxAge = args.value(QStringLiteral("max-age")).toInt(&ok);
        if (!ok || maxAge < 0)
            throw UsageError{QStringLiteral("--max-age takes a number of days.")};
    }
    for (const QString& h : hosts)
        RatesFeed::CheckHost(h);

    const QDate today = QDate::currentDate();
    const RatesFeed::EcbRates ecb = RatesFeed::ParseEcb(RatesFeed::Fetch(args.value(QStringLiteral("ecb"))));
    RatesFeed::CheckAge(ecb.date, maxAge, today);
    std::optional<RatesFeed::PreviousReply> previous;
    // On a new server the reply to keep rates from is not there yet: the first run makes it.
    if (const QString earlier = args.value(QStringLiteral("previous")); !earlier.isEmpty()) {
        if (QFileInfo::exists(earlier)) {
            previous = RatesFeed::ParsePrevious(DataFiles::readLines(earlier));
            RatesFeed::DropOldRates(*previous, maxAge, today);
        } else {
            std::fprintf(stderr, "vemox-ratesfeed: %s does not exist yet; no earlier rates are kept.\n",
                         qPrintable(earlier));
        }
    }

    ResourceLibrary library;
    const QString libraryFile = findLibrary(args.value(QStringLiteral("library")));
    if (!library.Load(libraryFile))
        throw VemoxError(QStringLiteral("%1 is not a readable resource library.").arg(libraryFile));
    const auto master = CurrencyLoader::ReadMasterList(library);
    const QStringList reply = RatesFeed::BuildReply(ecb, master, hosts, previous ? &*previous : nullptr);
    DataFiles::writeLines(args.value(QStringLiteral("output")), reply);
}

void addOptions(QCommandLineParser& args)
{
    args.setApplicationDescription(QStringLiteral(
        "Writes an update server's reply for Vemox from the ECB's daily reference rates, converted to units "
        "per US dollar, one data line per country of the master list. Any web server serves the file."));
    args.addHelpOption();
    args.addOptions({
        {QStringLiteral("ecb"), QStringLiteral("The ECB's eurofxref-daily.xml, as a file or an http(s) URL."),
         QStringLiteral("FILE-OR-URL")},
        {QStringLiteral("host"), QStringLiteral("A host line of the reply (host and optional path); the first is "
                                                "the server the program asks next. Repeat for more."),
         QStringLiteral("HOST")},
        {QStringLiteral("previous"), QStringLiteral("An earlier reply: codes the ECB does not quote keep its rates "
                                                    "that say their date (<KRTASOF>), up to --max-age days old."),
         QStringLiteral("REPLY")},
        {QStringLiteral("max-age"), QStringLiteral("Refuse ECB rates older than this many days; earlier rates that old "
                                                   "go out without a rate."),
         QStringLiteral("DAYS")},
        {QStringLiteral("library"), QStringLiteral("The resource library with the master list (default: the "
                                                   "program's own, beside this command)."),
         QStringLiteral("FILE")},
        {QStringLiteral("output"), QStringLiteral("The reply file, replaced whole or not at all."),
         QStringLiteral("REPLY")},
    });
}

int run(QCoreApplication& app)
{
    QCommandLineParser args;
    addOptions(args);
    if (!args.parse(app.arguments()))
        throw UsageError{sentence(args.errorText())};
    if (args.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(args.helpText()), stdout);
        return 0;
    }
    if (!args.positionalArguments().isEmpty())
        throw UsageError{QStringLiteral("Unexpected argument '%1'.").arg(args.positionalArguments().first())};
    if (!args.isSet(QStringLiteral("output")))
        throw UsageError{QStringLiteral("Name the reply file with --output.")};
    if (!args.isSet(QStringLiteral("ecb")))
        throw UsageError{QStringLiteral("Name the ECB's rates with --ecb; --help lists the options.")};
    writeReply(args);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    FileWriter::ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vemox-ratesfeed"));
    // A shop server may reach the ECB only through the proxy its environment names.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    try {
        return run(app);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "vemox-ratesfeed: %s\n", qPrintable(e.message));
        return 2;
    } catch (const VemoxError& e) {
        std::fprintf(stderr, "vemox-ratesfeed: %s\n", qPrintable(sentence(e.message())));
        return 1;
    }
}
