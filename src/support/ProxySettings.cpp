#include "support/ProxySettings.h"
#include "Defs.h"
#include "support/Errors.h"
#include "support/Zymregistry.h"

using namespace Defs;

namespace {
template <typename T>
bool readGeneral(const QString& name, T& out)
{
    return ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyGeneral, name, out, KEY_READ);
}

template <typename T>
bool writeGeneral(const QString& name, const T& in)
{
    return ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyGeneral, name, in, KEY_WRITE);
}
} // namespace

void ProxySettings::load()
{
    *this = ProxySettings{};
    readGeneral(kValUseProxy, useProxy);
    readGeneral(kValProxyAddress, address);
    readGeneral(kValProxyUserId, userId);
    readGeneral(kValProxyPassword, password);
    readGeneral(kValProxyPort, port);
}

ProxySettings::UpdateRead ProxySettings::loadForUpdate()
{
    UpdateRead r;
    if (!readGeneral(kValProxyAddress, address)) {
        r.error = QStringLiteral("Error: Unable to read Proxy Address from Registry");
        return r;
    }
    r.applied = 1;
    if (!readGeneral(kValProxyUserId, userId)) {
        r.error = QStringLiteral("Error: Unable to read Proxy Userid from Registry");
        return r;
    }
    r.applied = 2;
    if (!readGeneral(kValProxyPassword, password)) {
        r.error = QStringLiteral("Error: Unable to read Proxy User Password from Registry");
        return r;
    }
    r.applied = 3;
    if (!readGeneral(kValProxyPort, port)) {
        r.error = QStringLiteral("Error: Unable to read Proxy Port Number from Registry");
        return r;
    }
    r.applied = 4;
    return r;
}

bool ProxySettings::save() const
{
    // Every value is written, whether or not the proxy is switched on, in one change: the
    // store holds all of them or none.
    ZYMAPI::StoreChange change;
    bool ok = writeGeneral(kValProxyAddress, address);
    ok = writeGeneral(kValProxyUserId, userId) && ok;
    ok = writeGeneral(kValProxyPassword, password) && ok;
    ok = writeGeneral(kValProxyPort, port) && ok;
    ok = writeGeneral(kValUseProxy, useProxy) && ok;
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
        throw VemoxError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return digits.toInt();
}
