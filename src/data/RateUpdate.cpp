#include "data/RateUpdate.h"
#include "Defs.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "data/DataFiles.h"
#include "data/UserCurrencies.h"
#include "support/DataFolder.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/ProxySettings.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"
#include "support/Translate.h"

#include <QElapsedTimer>
#include <QNetworkCookieJar>

using namespace Defs;

namespace {

const QString kNoDataLoaded = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "No currency data loaded!"));

// The busy flag and the hourglass, for the life of an update, on every way out.
class BusyScope {
public:
    BusyScope(RateUpdate& update, bool& busy) : update_(update), busy_(busy)
    {
        busy_ = true;
        emit update_.busyChanged(true);
    }
    ~BusyScope()
    {
        busy_ = false;
        emit update_.busyChanged(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    RateUpdate& update_;
    bool& busy_;
};

// Rates of the data file itself: the operator's own currencies do not count.
bool holdsRates(const CurrencyTable& table)
{
    for (int i = 0; i < table.Count(); ++i)
        if (table.At(i)->GetRate() != 0.0 && table.At(i)->GetRegion() != UserCurrencies::kRegion)
            return true;
    return false;
}

} // namespace

RateUpdate::RateUpdate(CurrencyTable& table, QObject* parent)
    : QObject(parent), table_(table), cookies_(new QNetworkCookieJar(this))
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
    if (!ZYMAPI::ReadGeneral(kValUserName, name) || !ZYMAPI::ReadGeneral(kValUserOrganisation, organisation))
        return {};
    return QLatin1Char('?') + QString::fromLatin1(QUrl::toPercentEncoding(name)) + QLatin1Char('+') +
           QString::fromLatin1(QUrl::toPercentEncoding(organisation));
}

QString RateUpdate::RatesHint(const QStringList& lines, const QString& source)
{
    QString date = lines.value(0);
    if (!CurrencyLoader::ExtractTag(date, kDateOpen, kDateClose))
        return translated(QT_TRANSLATE_NOOP("Vemox", "No rates: the data file names only the update servers"));
    if (date.isEmpty())
        date = translated(QT_TRANSLATE_NOOP("Vemox", "an unstated date"));
    return translated(QT_TRANSLATE_NOOP("Vemox", "Rates of %1")).arg(date)
           + (source.isEmpty() ? QString() : QStringLiteral(", ") + source);
}

QString RateUpdate::firstHost() const
{
    QStringList names, values;
    if (!ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyHosts, names, values, KEY_READ) || values.isEmpty())
        throw VemoxError(QStringLiteral("Error: Unable to load host names from registry"));
    return values.first();
}

void RateUpdate::applyProxy(TransferOptions& options)
{
    ProxySettings settings;
    const ProxySettings::Reading read = settings.load();
    // A proxy only when switched on now, whatever an earlier update used.
    if (!settings.useProxy)
        return;
    if (!read.error.isEmpty()) {
        emit message(QString());
        messenger().messageDialog(QStringLiteral("Proxy Error:") + QStringLiteral(" System Reported - ") + read.error,
                                  Messenger::Icon::Error);
    }
    // The update goes on with what was read; without an address there is no proxy to use.
    if (read.applied < 1 || settings.address.isEmpty())
        return;
    const ProxySettings::Endpoint proxy =
        ProxySettings::endpoint(settings.address, read.applied >= 4 ? settings.port : defaultProxyPort);
    options.proxy = QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, proxy.port);
    if (read.applied >= 2)
        options.proxyUser = settings.userId;
    if (read.applied >= 3)
        options.proxyPassword = settings.password;
}

TransferOptions RateUpdate::transferOptions()
{
    TransferOptions options;
    applyProxy(options);
    options.readTimeoutMs = readTimeoutMs;
    options.transferLimitMs = transferLimitMs;
    options.maxReplySize = maxReplySize;
    options.extraCaCertificates = extraCaCertificates;
    options.cookies = cookies_;
    return options;
}

bool RateUpdate::reload(const QStringList& lines, const QString& source)
{
    // The loader tells its own failures in boxes: nothing stale may stand behind them.
    emit message(QString());
    QElapsedTimer clock;
    clock.start();
    CurrencyTable fresh;
    const bool loaded = LoadCurrencyData(fresh);
    timing_.loadNs = clock.nsecsElapsed();
    if (!loaded) {
        // The loader has told why; the rates in force stay in force.
        emit message(translated(kNoDataLoaded));
        return false;
    }
    table_ = std::move(fresh);
    const QDateTime when = now();
    ZYMAPI::WriteGeneral(kValLastUpdate, when);
    emit ratesReplaced(translated(QT_TRANSLATE_NOOP("Vemox", "Last update: ")) + Formats::dateToStr(when.date()),
                       RatesHint(lines, source));
    return true;
}

bool RateUpdate::runUpdate()
{
    const QString host = firstHost();
    const QString query = QueryText();
    const TransferOptions options = transferOptions();
    QElapsedTimer clock;
    clock.start();
    const QByteArray body =
        transfer_.get(UpdateUrl(host, query), options, [this](const QString& text) { emit message(text); });
    timing_ = {clock.nsecsElapsed(), 0};

    const QStringList lines = DataFiles::splitLines(body);
    if (lines.isEmpty()) {
        DataFiles::writeLines(DataFolder::file(kCurrencyFile), CurrencyLoader::FactoryContent());
        throw VemoxError(translated(
            QT_TRANSLATE_NOOP("Vemox", "No data uploaded! Server may be down or busy.\nPlease try again later")));
    }
    DataFiles::writeLines(DataFolder::file(kCurrencyFile), lines);
    if (onCancel)
        onCancel();
    if (!reload(lines, translated(QT_TRANSLATE_NOOP("Vemox", "from %1")).arg(host)))
        return false;
    emit message(QStringLiteral("Update Complete"));
    return true;
}

bool RateUpdate::GoUpdateFromTheWeb()
{
    // One update at a time: the key pressed again while one waits does nothing.
    if (busy_)
        return false;
    emit message(QStringLiteral("Starting Update..."));
    BusyScope busy(*this, busy_);
    bool replaced = false;
    trapWith([&] { replaced = runUpdate(); },
             [this](VemoxError& e) {
                 emit message(QString());
                 if (!dynamic_cast<UpdateEndedQuietly*>(&e))
                     messenger().errorBox(e.message());
             });
    return replaced;
}

void RateUpdate::Rollback()
{
    if (busy_)
        return;
    // Nothing stale stands behind a box that tells a failure.
    emit message(QString());
    if (startCopy_ == StartCopy::Failed)
        throw VemoxError(translated(QT_TRANSLATE_NOOP(
            "Vemox", "There is no rollback copy for this session: it could not be made at start (%1)"))
                             .arg(startCopyFailure_));
    if (!DataFiles::copyLines(DataFolder::file(kRollbackFile), DataFolder::file(kCurrencyFile)))
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Missing Rollback data file")));
    messenger().messageDialog(translated(QT_TRANSLATE_NOOP("Vemox", "Rollback complete!")),
                              Messenger::Icon::Information);
    reload(DataFiles::readLines(DataFolder::file(kCurrencyFile)),
           translated(QT_TRANSLATE_NOOP("Vemox", "the rates the program started with")));
}

bool RateUpdate::KeepStartData(bool loaded)
{
    // Data without rates is no data to return to: the earlier copy stays for the rollback.
    if (!loaded || !holdsRates(table_))
        return true;
    return trapWith(
        [this] {
            DataFiles::copyLines(DataFolder::file(kCurrencyFile), DataFolder::file(kRollbackFile));
            startCopy_ = StartCopy::Made;
        },
        [this](VemoxError& e) {
            startCopy_ = StartCopy::Failed;
            startCopyFailure_ = e.message();
            messenger().errorBox(e.message() + QStringLiteral(". The program goes on, but Rollback is not "
                                                              "available in this session"));
        });
}
