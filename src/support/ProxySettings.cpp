#include "support/ProxySettings.h"
#include "Defs.h"
#include "support/Errors.h"
#include "support/Zymregistry.h"
#include "support/Translate.h"

using namespace Defs;

ProxySettings::Reading ProxySettings::load()
{
    *this = ProxySettings{};
    ZYMAPI::ReadGeneral(kValUseProxy, useProxy);
    const struct {
        bool read;
        const char* what;
    } steps[] = {
        {ZYMAPI::ReadGeneral(kValProxyAddress, address),
         QT_TRANSLATE_NOOP("Vemox", "Error: Unable to read Proxy Address from Registry")},
        {ZYMAPI::ReadGeneral(kValProxyUserId, userId),
         QT_TRANSLATE_NOOP("Vemox", "Error: Unable to read Proxy Userid from Registry")},
        {ZYMAPI::ReadGeneral(kValProxyPassword, password),
         QT_TRANSLATE_NOOP("Vemox", "Error: Unable to read Proxy User Password from Registry")},
        {ZYMAPI::ReadGeneral(kValProxyPort, port),
         QT_TRANSLATE_NOOP("Vemox", "Error: Unable to read Proxy Port Number from Registry")},
    };
    Reading r;
    for (const auto& step : steps) {
        if (!step.read) {
            r.error = translated(step.what);
            break;
        }
        ++r.applied;
    }
    return r;
}

namespace {
// The host and the port an address names with the port field; 0 when no port is known.
ProxySettings::Endpoint parseAddress(const QString& address, int port)
{
    QString rest = address.trimmed();
    const qsizetype schemeEnd = rest.indexOf(QStringLiteral("://"));
    if (schemeEnd >= 0) {
        const QString scheme = rest.left(schemeEnd);
        if (scheme.compare(QStringLiteral("http"), Qt::CaseInsensitive) != 0)
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox",
                                             "The proxy address %1 names the scheme %2: only an HTTP proxy can be "
                                             "used, so leave the scheme out or write http://"))
                    .arg(address, scheme));
        rest = rest.mid(schemeEnd + 3);
    }
    if (rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    if (rest.contains(QLatin1Char('/')))
        throw VemoxError(translated(QT_TRANSLATE_NOOP(
                                        "Vemox", "The proxy address %1 holds a path: give the proxy's host name alone"))
                             .arg(address));
    const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
    // A colon inside an IPv6 address is no port; one after "]" or in a host name is.
    if (colon >= 0 && (rest.startsWith(QLatin1Char('[')) ? rest.at(colon - 1) == QLatin1Char(']') : rest.count(QLatin1Char(':')) == 1)) {
        bool ok = false;
        const int named = rest.mid(colon + 1).toInt(&ok);
        if (!ok || named < 1 || named > 65535)
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox", "The proxy address %1 ends in a port that is not a port number"))
                    .arg(address));
        if (port != 0 && port != named)
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox",
                                             "The proxy address %1 names port %2, but the port field holds %3: give "
                                             "the port in one place"))
                    .arg(address)
                    .arg(named)
                    .arg(port));
        port = named;
        rest = rest.left(colon);
    }
    if (rest.startsWith(QLatin1Char('[')) && rest.endsWith(QLatin1Char(']')))
        rest = rest.mid(1, rest.size() - 2);
    if (rest.isEmpty())
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The proxy address %1 names no host")).arg(address));
    return {rest, static_cast<quint16>(port >= 0 && port <= 65535 ? port : 0)};
}
} // namespace

ProxySettings::Endpoint ProxySettings::endpoint(const QString& address, int port)
{
    const Endpoint e = parseAddress(address, port);
    if (e.port == 0)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The proxy port %1 is not a port number")).arg(port));
    return e;
}

QString ProxySettings::addressProblem(const QString& address, int port)
{
    if (address.trimmed().isEmpty())
        return {};
    try {
        parseAddress(address, port);
    } catch (const VemoxError& e) {
        return e.message();
    }
    return {};
}

bool ProxySettings::save() const
{
    // Every value is written, whether or not the proxy is switched on, in one change: the
    // store holds all of them or none.
    ZYMAPI::StoreChange change;
    bool ok = ZYMAPI::WriteGeneral(kValProxyAddress, address);
    ok = ZYMAPI::WriteGeneral(kValProxyUserId, userId) && ok;
    ok = ZYMAPI::WriteGeneral(kValProxyPassword, password) && ok;
    ok = ZYMAPI::WriteGeneral(kValProxyPort, port) && ok;
    ok = ZYMAPI::WriteGeneral(kValUseProxy, useProxy) && ok;
    return change.commit() && ok;
}

int ProxySettings::portFromText(const QString& text)
{
    QString digits = text.isEmpty() ? QStringLiteral("0") : text;
    digits.replace(QLatin1Char(' '), QLatin1Char('0'));
    bool ok = digits.size() <= 4;
    for (const QChar c : digits)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!ok)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "'%1' is not a valid integer value")).arg(text));
    return digits.toInt();
}
