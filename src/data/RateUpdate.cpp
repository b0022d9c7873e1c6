#include "data/RateUpdate.h"
#include "Defs.h"
#include "calc/MainState.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "data/DataFiles.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/ProxySettings.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

#include <QElapsedTimer>
#include <QNetworkCookieJar>

using namespace Defs;

namespace {

const QString kNoDataLoaded = QStringLiteral("No currency data loaded!");
const QString kRollbackSuffix = QStringLiteral(" - Error: - (RollBack1Click) zym");

// The busy flag and the hourglass, for the life of an update, on every way out.
class BusyScope {
public:
    // The caller announces the first change it makes.
    BusyScope(MainState& state, bool& busy) : state_(state), busy_(busy) { busy_ = state_.busy = true; }
    ~BusyScope()
    {
        busy_ = state_.busy = false;
        state_.announce();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MainState& state_;
    bool& busy_;
};

template <typename T>
bool readGeneral(const QString& name, T& out)
{
    return ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyGeneral, name, out, KEY_READ);
}

} // namespace

RateUpdate::RateUpdate(MainState& state, CurrencyTable& table, QObject* parent)
    : QObject(parent), state_(state), table_(table), cookies_(new QNetworkCookieJar(this))
{
}

RateUpdate::~RateUpdate() { transfer_.abort(); }

void RateUpdate::abort() { transfer_.abort(); }

QUrl RateUpdate::UpdateUrl(const QString& host, const QString& query)
{
    const bool ownScheme = host.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive) ||
                           host.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive);
    return QUrl((ownScheme ? host : QStringLiteral("http://") + host) + query, QUrl::TolerantMode);
}

QString RateUpdate::QueryText()
{
    QString name, organisation;
    if (!readGeneral(kValUserName, name) || !readGeneral(kValUserOrganisation, organisation))
        return {};
    return QLatin1Char('?') + QString::fromLatin1(QUrl::toPercentEncoding(name)) + QLatin1Char('+') +
           QString::fromLatin1(QUrl::toPercentEncoding(organisation));
}

QString RateUpdate::RatesHint(const QStringList& lines, const QString& source)
{
    QString date = lines.value(0);
    if (!CurrencyLoader::ExtractTag(date, kDateOpen, kDateClose))
        return QStringLiteral("No rates: the data file names only the update servers");
    if (date.isEmpty())
        date = QStringLiteral("an unstated date");
    return QStringLiteral("Rates of ") + date + (source.isEmpty() ? QString() : QStringLiteral(", ") + source);
}

QString RateUpdate::firstHost() const
{
    QStringList names, values;
    if (!ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyHosts, names, values, KEY_READ) || values.isEmpty())
        throw VemoxError(QStringLiteral("Error: Unable to load host names from registry"));
    return values.first();
}

void RateUpdate::applyProxy(TransferOptions& options) const
{
    ProxySettings settings;
    const ProxySettings::UpdateRead read = settings.loadForUpdate();
    if (!read.error.isEmpty())
        messenger().messageDialog(QStringLiteral("Proxy Error:") + QStringLiteral(" System Reported - ") + read.error,
                                  Messenger::Icon::Error);
    // The update goes on with what was read; without an address there is no proxy to use.
    if (read.applied < 1 || settings.address.isEmpty())
        return;
    const int port = read.applied >= 4 ? settings.port : defaultProxyPort;
    if (port < 0 || port > 65535)
        throw VemoxError(QStringLiteral("Error: The proxy port %1 is not a port number").arg(port));
    options.proxy = QNetworkProxy(QNetworkProxy::HttpProxy, settings.address, static_cast<quint16>(port));
    if (read.applied >= 2)
        options.proxyUser = settings.userId;
    if (read.applied >= 3)
        options.proxyPassword = settings.password;
}

TransferOptions RateUpdate::transferOptions() const
{
    TransferOptions options;
    // A proxy only when switched on now, whatever an earlier update used.
    bool useProxy = false;
    readGeneral(kValUseProxy, useProxy);
    if (useProxy)
        applyProxy(options);
    options.readTimeoutMs = readTimeoutMs;
    options.maxReplySize = maxReplySize;
    options.extraCaCertificates = extraCaCertificates;
    options.cookies = cookies_;
    return options;
}

void RateUpdate::progress(const QString& text)
{
    state_.panel[2] = text;
    state_.announce();
}

bool RateUpdate::reload(const QStringList& lines, const QString& source)
{
    QElapsedTimer clock;
    clock.start();
    CurrencyTable fresh;
    const bool loaded = LoadCurrencyData(fresh);
    timing_.loadNs = clock.nsecsElapsed();
    if (!loaded) {
        // The loader has told why; the rates in force stay in force.
        state_.panel[2] = kNoDataLoaded;
        return false;
    }
    table_ = std::move(fresh);
    const QDateTime when = now();
    state_.panel[1] = QStringLiteral("Last update: ") + Formats::dateToStr(when.date());
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyGeneral, kValLastUpdate, when, KEY_WRITE);
    state_.panel1Hint = RatesHint(lines, source);
    return true;
}

void RateUpdate::runUpdate()
{
    const QString host = firstHost();
    const QString query = QueryText();
    const TransferOptions options = transferOptions();
    QElapsedTimer clock;
    clock.start();
    const QByteArray body =
        transfer_.get(UpdateUrl(host, query), options, [this](const QString& text) { progress(text); });
    timing_ = {clock.nsecsElapsed(), 0};

    const QStringList lines = DataFiles::splitLines(body);
    if (lines.isEmpty()) {
        DataFiles::writeLines(kCurrencyFile, CurrencyLoader::FactoryContent());
        throw VemoxError(QStringLiteral("No data uploaded! Server may be down or busy.\nPlease try again later"));
    }
    DataFiles::writeLines(kCurrencyFile, lines);
    if (onCancel)
        onCancel();
    if (reload(lines, QStringLiteral("from ") + host))
        state_.panel[2] = QStringLiteral("Update Complete");
}

void RateUpdate::GoUpdateFromTheWeb()
{
    // One update at a time: the key pressed again while one waits does nothing.
    if (busy_)
        return;
    BusyScope busy(state_, busy_);
    progress(QStringLiteral("Starting Update..."));
    trapWith([this] { runUpdate(); },
             [this](VemoxError& e) {
                 state_.panel[2].clear();
                 if (!dynamic_cast<UpdateEndedQuietly*>(&e))
                     messenger().errorBox(e.message());
             });
}

void RateUpdate::RollBack1Click()
{
    if (busy_)
        return;
    trapped(kRollbackSuffix, [this] {
        if (!DataFiles::copyLines(kRollbackFile, kCurrencyFile))
            throw VemoxError(QStringLiteral("Missing Rollback data file"));
        messenger().messageDialog(QStringLiteral("Rollback complete!"), Messenger::Icon::Information);
        reload(DataFiles::readLines(kCurrencyFile), QStringLiteral("the rates the program started with"));
    });
    state_.announce();
}
