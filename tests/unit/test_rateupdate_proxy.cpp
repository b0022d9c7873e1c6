// The update through a proxy and over TLS, and the stored proxy settings.
#include "common/RateUpdateFixture.h"
#include "support/Errors.h"
#include "support/ProxySettings.h"

#include <QTcpServer>

using loopback::HttpServer;
using loopback::Proxy;
using loopback::Response;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace Defs;

namespace {
const QString kPath = QStringLiteral("/cgi-bin/DownLoad.cgi");

void storeProxy(bool on, const QString& address, const QString& user, const QString& password, int port)
{
    ProxySettings s;
    s.useProxy = on;
    s.address = address;
    s.userId = user;
    s.password = password;
    s.port = port;
    ASSERT_TRUE(s.save());
}
} // namespace

TEST_F(RateUpdateTest, ThroughAProxyCredentialsAreGivenWhenAskedAndOnlyWhileItIsOn)
{
    HttpServer server;
    server.reply(Response::ok(replyBody()));
    Proxy proxy("shop", "s3cret");
    storeProxy(true, QStringLiteral("127.0.0.1"), QStringLiteral("shop"), QStringLiteral("s3cret"), proxy.port());
    setFirstHost(server.hostPort() + kPath);

    update.GoUpdateFromTheWeb();

    EXPECT_TRUE(messages.shown.empty()) << messages.errors().join(QLatin1Char('|')).toStdString();
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.81);
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests.first().target, kPath.toLatin1());
    EXPECT_EQ(server.requests.first().header("Proxy-Authorization"), "");
    ASSERT_EQ(proxy.requests.size(), 2);
    EXPECT_EQ(proxy.requests[0].header("Proxy-Authorization"), "");   // not sent up front
    EXPECT_EQ(proxy.requests[1].header("Proxy-Authorization"), "Basic " + QByteArray("shop:s3cret").toBase64());

    // Switched off: the next update goes straight to the server.
    storeProxy(false, QStringLiteral("127.0.0.1"), QStringLiteral("shop"), QStringLiteral("s3cret"), proxy.port());
    setFirstHost(server.hostPort() + kPath);
    update.GoUpdateFromTheWeb();
    EXPECT_EQ(server.requests.size(), 2);
    EXPECT_EQ(proxy.requests.size(), 2);
}

TEST_F(RateUpdateTest, AProxyThatRefusesTheCredentialsIsAnError)
{
    HttpServer server;
    server.reply(Response::ok(replyBody()));
    Proxy proxy("shop", "s3cret");
    storeProxy(true, QStringLiteral("127.0.0.1"), QStringLiteral("shop"), QStringLiteral("wrong"), proxy.port());
    setFirstHost(server.hostPort() + kPath);
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("authentication"));
    EXPECT_TRUE(server.requests.isEmpty());
}

TEST_F(RateUpdateTest, AProxyWithoutItsUserIdIsToldAndUsedWithItsAddressAlone)
{
    HttpServer server;
    server.reply(Response::ok(replyBody()));
    Proxy proxy;   // asks for nothing
    update.defaultProxyPort = proxy.port();
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyGeneral, kValUseProxy, true, KEY_WRITE);
    store(kValProxyAddress, QStringLiteral("127.0.0.1"));
    store(kValProxyPassword, QStringLiteral("never applied"));
    setFirstHost(server.hostPort() + kPath);

    update.GoUpdateFromTheWeb();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.front().kind, ScriptedMessenger::Kind::MessageDialog);
    EXPECT_EQ(messages.shown.front().icon, Messenger::Icon::Error);
    EXPECT_EQ(messages.shown.front().text,
              QStringLiteral("Proxy Error: System Reported - Error: Unable to read Proxy Userid from Registry"));
    EXPECT_EQ(proxy.forwarded, 1);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.81);
}

class RateUpdateTlsTest : public RateUpdateTest {
protected:
    static void SetUpTestSuite()
    {
        certificate = new loopback::TestCertificate(loopback::makeCertificate(testenv::root()));
    }
    static void TearDownTestSuite() { delete certificate; }
    static loopback::TestCertificate* certificate;
};
loopback::TestCertificate* RateUpdateTlsTest::certificate = nullptr;

TEST_F(RateUpdateTlsTest, AnHttpsHostIsCheckedAgainstTheTrustedCertificates)
{
    const QSslConfiguration tls = certificate->serverConfiguration();
    HttpServer server(&tls);
    server.reply(Response::ok(replyBody()));
    setFirstHost(QStringLiteral("https://") + server.hostPort() + kPath);

    // Not trusted: a transfer error, and nothing changes.
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("SSL"));

    messages.clear();
    update.extraCaCertificates = {certificate->certificate};
    update.GoUpdateFromTheWeb();
    EXPECT_TRUE(messages.shown.empty()) << messages.errors().join(QLatin1Char('|')).toStdString();
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.81);
    ASSERT_FALSE(server.requests.isEmpty());
    EXPECT_EQ(server.requests.last().target, kPath.toLatin1());
}

TEST(ProxySettings, PortTextBlanksCountAsZeros)
{
    EXPECT_EQ(ProxySettings::portFromText(QString()), 0);
    EXPECT_EQ(ProxySettings::portFromText(QStringLiteral("8 8")), 808);
    EXPECT_EQ(ProxySettings::portFromText(QStringLiteral("  80")), 80);
    EXPECT_EQ(ProxySettings::portFromText(QStringLiteral("9999")), 9999);
    EXPECT_THROW(ProxySettings::portFromText(QStringLiteral("80a")), VemoxError);
    EXPECT_THROW(ProxySettings::portFromText(QStringLiteral("12345")), VemoxError);
}

TEST(ProxySettings, LoadFallsBackToDefaultsAndTheUpdateStopsAtTheFirstMissingValue)
{
    testenv::resetStore();
    ProxySettings s;
    s.address = QStringLiteral("left over");
    s.load();
    EXPECT_FALSE(s.useProxy);
    EXPECT_EQ(s.address, QString());
    EXPECT_EQ(s.port, 8080);

    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyGeneral, kValProxyAddress, QStringLiteral("proxy.shop"), KEY_WRITE);
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyGeneral, kValProxyUserId, QStringLiteral("me"), KEY_WRITE);
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKeyGeneral, kValProxyPort, 3128, KEY_WRITE);
    ProxySettings u;
    const ProxySettings::Reading read = u.load();
    EXPECT_EQ(read.applied, 2);
    EXPECT_EQ(read.error, QStringLiteral("Error: Unable to read Proxy User Password from Registry"));

    ProxySettings all;
    all.useProxy = true;
    all.address = QStringLiteral("p");
    all.userId = QStringLiteral("u");
    all.password = QStringLiteral("pw");
    all.port = 0;
    ASSERT_TRUE(all.save());
    ProxySettings back;
    EXPECT_EQ(back.load().applied, 4);
    EXPECT_TRUE(back.useProxy);
    EXPECT_EQ(back.password, QStringLiteral("pw"));
    EXPECT_EQ(back.port, 0);
}

TEST(ProxySettings, AnAddressMayCarryHttpAndItsOwnPortOnlyWhenTheUpdateUsesThem)
{
    const struct {
        const char* address;
        int port;
        const char* host;   // nullptr: refused with `problem`
        int usedPort;
        const char* problem;
    } rows[] = {
        {"proxy.shop", 3128, "proxy.shop", 3128, ""},
        {"http://proxy.shop:3128/", 0, "proxy.shop", 3128, ""},
        {"[::1]:8080", 0, "::1", 8080, ""},
        {"socks5://proxy.shop", 1080, nullptr, 0, "names the scheme socks5"},
        {"proxy.shop:9933", 8080, nullptr, 0, "names port 9933, but the port field holds 8080"},
        {"proxy.shop/cgi", 8080, nullptr, 0, "holds a path"},
    };
    for (const auto& r : rows) {
        const QString problem = ProxySettings::addressProblem(QString::fromLatin1(r.address), r.port);
        EXPECT_THAT(problem.toStdString(), HasSubstr(r.problem)) << r.address;
        if (!r.host)
            continue;
        const ProxySettings::Endpoint e = ProxySettings::endpoint(QString::fromLatin1(r.address), r.port);
        EXPECT_EQ(e.host, QString::fromLatin1(r.host)) << r.address;
        EXPECT_EQ(e.port, r.usedPort) << r.address;
    }
}

TEST_F(RateUpdateTest, AProxyThatCannotBeReachedIsNamedInTheError)
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    HttpServer server;
    storeProxy(true, QStringLiteral("http://127.0.0.1:%1").arg(closedPort), {}, {}, 0);
    // An https host is reached through a tunnel the proxy would open.
    const struct {
        const char* scheme;
        const char* told;
    } rows[] = {{"", " refused the connection"}, {"https://", ": Proxy connection refused"}};
    for (const auto& r : rows) {
        messages.clear();
        setFirstHost(QString::fromLatin1(r.scheme) + server.hostPort() + kPath);
        update.GoUpdateFromTheWeb();
        expectFailure(QStringLiteral("Proxy 127.0.0.1:%1").arg(closedPort) + QString::fromLatin1(r.told));
    }
    EXPECT_TRUE(server.requests.isEmpty());
}
