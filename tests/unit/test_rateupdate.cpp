// The update from the server and the rollback, against loopback HTTP servers.
#include "common/RateUpdateFixture.h"
#include "support/Formats.h"

#include <QTcpServer>
#include <QTimer>

using loopback::HttpServer;
using loopback::Response;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace Defs;

namespace {
const QString kPath = QStringLiteral("/cgi-bin/DownLoad.cgi");
}

TEST_F(RateUpdateTest, AReplyIsSavedWithCrLfLoadedAndRecorded)
{
    HttpServer server;
    server.reply(Response::ok(replyBody()));
    setFirstHost(server.hostPort() + kPath);

    update.GoUpdateFromTheWeb();

    EXPECT_TRUE(messages.shown.empty()) << messages.errors().join(QLatin1Char('|')).toStdString();
    QByteArray expected = replyBody();
    expected.replace("\n", "\r\n");
    EXPECT_EQ(testenv::readBytes(kCurrencyFile), expected);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.81);
    EXPECT_THAT(storedHosts(), ElementsAre("next.example/cgi-bin/DownLoad.cgi", "next.example", "spare.example"));
    QDateTime when;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKeyGeneral, kValLastUpdate, when, KEY_READ);
    EXPECT_EQ(when, update.now());
    EXPECT_EQ(state.panel[1], QStringLiteral("Last update: ") + Formats::dateToStr(QDate(2026, 12, 9)));
    EXPECT_EQ(state.panel1Hint, QStringLiteral("Rates of 9 Dec 2026, from ") + server.hostPort() + kPath);
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(state.busy);

    ASSERT_EQ(server.requests.size(), 1);
    const loopback::Request& r = server.requests.first();
    EXPECT_EQ(r.method, "GET");
    EXPECT_EQ(r.target, kPath.toLatin1());
    EXPECT_EQ(r.header("Accept"), "text/html, */*");
    EXPECT_EQ(r.header("Content-Type"), "text/html");
    EXPECT_EQ(r.header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_THAT(panel2Seen, ElementsAre("Starting Update...", "Connection Established", "Downloading...",
                                        "Received 1KB of 1KB", "Download Complete", "", "Update Complete"));
}

TEST_F(RateUpdateTest, CookiesAreAcceptedAndSentWithTheNextUpdate)
{
    HttpServer server;
    Response first = Response::ok(replyBody());
    first.headers.append(qMakePair(QByteArray("Set-Cookie"), QByteArray("shop=42; Path=/")));
    server.reply(first);
    setFirstHost(server.hostPort() + kPath);
    update.GoUpdateFromTheWeb();
    setFirstHost(server.hostPort() + kPath);
    update.GoUpdateFromTheWeb();
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_EQ(server.requests[0].header("Cookie"), "");
    EXPECT_EQ(server.requests[1].header("Cookie"), "shop=42");
}

TEST_F(RateUpdateTest, TheQueryCarriesBothUserValuesOrNone)
{
    HttpServer server;
    server.reply(Response::ok(replyBody()));
    setFirstHost(server.hostPort() + kPath);
    store(kValUserName, QStringLiteral("Jo Smith"));
    update.GoUpdateFromTheWeb();

    store(kValUserOrganisation, QStringLiteral("Acme & Sons+Co"));
    setFirstHost(server.hostPort() + kPath);
    update.GoUpdateFromTheWeb();

    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_EQ(server.requests[0].target, kPath.toLatin1());
    EXPECT_EQ(server.requests[1].target, kPath.toLatin1() + "?Jo%20Smith+Acme%20%26%20Sons%2BCo");
}

TEST_F(RateUpdateTest, AHostWithItsOwnSchemeIsAskedAsItStands)
{
    HttpServer server;
    server.reply(Response::ok(replyBody()));
    setFirstHost(QStringLiteral("http://") + server.hostPort() + QStringLiteral("/rates.txt"));
    update.GoUpdateFromTheWeb();
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.requests.first().target, "/rates.txt");
    EXPECT_EQ(RateUpdate::UpdateUrl(QStringLiteral("HTTPS://h.example/x"), QStringLiteral("?a+b")).toString(),
              QStringLiteral("https://h.example/x?a+b"));
    EXPECT_EQ(RateUpdate::UpdateUrl(QStringLiteral("h.example/cgi-bin/DownLoad.cgi"), {}).toString(),
              QStringLiteral("http://h.example/cgi-bin/DownLoad.cgi"));
}

TEST_F(RateUpdateTest, ErrorStatusesAreErrorsThatChangeNothing)
{
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::error(404, "Not Found"));
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("Not Found"));
    EXPECT_EQ(state.panel[2], QString());

    messages.clear();
    server.reply(Response::error(500, "Internal Server Error"));
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("Internal Server Error"));

    // A redirect is not followed: the rates come from the host asked, or not at all.
    messages.clear();
    Response moved = Response::error(302, "Found");
    moved.headers.append(qMakePair(QByteArray("Location"), QByteArray("http://127.0.0.1:1/elsewhere")));
    server.reply(moved);
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("302 Found"));
}

TEST_F(RateUpdateTest, TransferFailuresShowTheClientsTextAndChangeNothing)
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    setFirstHost(QStringLiteral("127.0.0.1:%1").arg(closedPort) + kPath);
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("Connection refused"));

    // Silent after the headers: the read time-out ends it.
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::of(Response::Kind::NeverReply));
    update.readTimeoutMs = 300;
    messages.clear();
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("timed out"));

    // A byte now and then keeps the read time-out away; the overall limit still ends it.
    server.reply(Response::of(Response::Kind::Trickle));
    update.readTimeoutMs = 5000;
    update.transferLimitMs = 800;
    messages.clear();
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("Timed out: the transfer took longer than 0.8 seconds"));
}

TEST_F(RateUpdateTest, ACutTransferIsAnErrorNotAReply)
{
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    Response cut = Response::ok(replyBody());
    cut.declaredLength = cut.body.size() + 500;
    server.reply(cut);
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("cut off after %1 of %2 bytes").arg(cut.body.size()).arg(cut.declaredLength));
}

TEST_F(RateUpdateTest, AReplyOverTheCapIsRefusedWhetherDeclaredOrNot)
{
    update.maxReplySize = 4096;
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    Response big = Response::ok(replyBody() + QByteArray(5000, 'x'));
    server.reply(big);
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("larger than"));

    messages.clear();
    big.withLength = false;
    server.reply(big);
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("larger than"));

    // The real cap: 16 MB.
    EXPECT_EQ(RateUpdate::kMaxReplySize, 16 * 1024 * 1024);
    EXPECT_THAT(UpdateTransfer::tooLargeText(RateUpdate::kMaxReplySize).toStdString(), HasSubstr("16 MB"));
}

TEST_F(RateUpdateTest, AFullDiskWhileSavingLeavesTheDataFileWhole)
{
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::ok(replyBody() + QByteArray(3000, '\n')));
    {
        testenv::FullDisk full;
        update.GoUpdateFromTheWeb();
    }
    expectFailure(kCurrencyFile);
    EXPECT_THAT(QDir().entryList(QDir::Files), ::testing::UnorderedElementsAre(kCurrencyFile, kRollbackFile));
}

TEST_F(RateUpdateTest, AnOrderlyCloseBeforeAnyReplyEndsTheUpdateSilently)
{
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::of(Response::Kind::CloseAtOnce));
    update.GoUpdateFromTheWeb();
    EXPECT_EQ(server.requests.size(), 1);   // never sent again by the client
    EXPECT_TRUE(messages.shown.empty());
    expectNothingChanged();
}

TEST_F(RateUpdateTest, AnEmptyBodyLeavesTheFactoryContentAndTheTable)
{
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::ok({}));
    update.GoUpdateFromTheWeb();
    EXPECT_THAT(messages.errors(),
                ElementsAre("No data uploaded! Server may be down or busy.\nPlease try again later."));
    QByteArray factory;
    for (const QString& line : CurrencyLoader::FactoryContent())
        factory += line.toLatin1() + "\r\n";
    EXPECT_EQ(testenv::readBytes(kCurrencyFile), factory);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
    EXPECT_FALSE(lastUpdateStored());
    EXPECT_EQ(cancels, 0);
}

TEST_F(RateUpdateTest, ABodyOfLineBreaksIsSavedAndTheOldRatesStay)
{
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::ok("\r\n\n\r\n\r\n"));
    update.GoUpdateFromTheWeb();
    EXPECT_THAT(messages.errors(), ElementsAre("Error: Malformed cgi script. Possible Host Server 404 error."));
    EXPECT_EQ(testenv::readBytes(kCurrencyFile), "\r\n\r\n\r\n\r\n");
    EXPECT_EQ(state.panel[2], QStringLiteral("No currency data loaded!"));
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(lastUpdateStored());
    // The table is never a mix: the rates in force before stay whole.
    EXPECT_EQ(table.Count(), 3);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
}

TEST_F(RateUpdateTest, AReplyThatFailsHalfwayLeavesTheOldTableWhole)
{
    // The load fails after its first host line, where it has begun a table of its own.
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::ok("<KRTDATE>9 Dec</KRTDATE>\n<KRTHOST>a</KRTHOST>\n<KRTISO>GBP</KRTISO><KRTDATA>0.5</KRTDATA>\n"
                              "<KRTHOST></KRTHOST>\n"));
    update.GoUpdateFromTheWeb();
    EXPECT_THAT(messages.errors(), ElementsAre("Server Error: Please Re-load page."));
    EXPECT_EQ(table.Count(), 3);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
}

TEST_F(RateUpdateTest, WithoutHostsThereIsNoRequest)
{
    ZYMAPI::DeleteRegistryKey(HKEY_CURRENT_USER, kKeyHosts, KEY_ALL_ACCESS);
    update.GoUpdateFromTheWeb();
    expectFailure(QStringLiteral("Error: Unable to load host names from registry."));
}

TEST_F(RateUpdateTest, ASecondUpdateMeanwhileIsIgnoredAndAnAbortChangesNothing)
{
    HttpServer server;
    setFirstHost(server.hostPort() + kPath);
    server.reply(Response::of(Response::Kind::NeverReply));
    bool busyMeanwhile = false;
    QTimer::singleShot(100, [&] {
        busyMeanwhile = state.busy;
        update.GoUpdateFromTheWeb();   // returns at once
        update.abort();
    });
    update.GoUpdateFromTheWeb();
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_TRUE(messages.shown.empty());
    expectNothingChanged();
}

TEST_F(RateUpdateTest, RollbackRightAfterStartReloadsAndDatesTheUpdate)
{
    rollback(update);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_THAT(messages.texts(ScriptedMessenger::Kind::MessageDialog), ElementsAre("Rollback complete!"));
    EXPECT_EQ(messages.shown.front().icon, Messenger::Icon::Information);
    EXPECT_EQ(testenv::readBytes(kCurrencyFile), startData);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
    EXPECT_TRUE(lastUpdateStored());
    EXPECT_EQ(state.panel[1], QStringLiteral("Last update: ") + Formats::dateToStr(QDate(2026, 12, 9)));
    EXPECT_EQ(cancels, 0);   // the calculator is not cleared
}

TEST_F(RateUpdateTest, RollbackReturnsToTheStartRatesAfterAnUpdate)
{
    HttpServer server;
    server.reply(Response::ok(replyBody("0.5")));
    setFirstHost(server.hostPort() + kPath);
    update.GoUpdateFromTheWeb();
    ASSERT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.5);
    rollback(update);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
    EXPECT_EQ(testenv::readBytes(kCurrencyFile), startData);
    EXPECT_EQ(state.panel1Hint, QStringLiteral("Rates of 1 Dec 2026, the rates the program started with"));
}

// A damaged line of the operator's own file keeps from use neither the data the program
// started with, copied for a rollback, nor the rates a rollback returns to.
TEST_F(RateUpdateTest, ADamagedUserLineKeepsNoServerRatesFromUse)
{
    testenv::writeBytes(kUserDefinedFile, "<KRTDATA>2</KRTDATA>\r\n\r\n<KRTDATA></KRTDATA>\r\n");
    QFile::remove(kRollbackFile);
    CurrencyTable started;
    RateUpdate(started).KeepStartData(LoadCurrencyData(started));
    EXPECT_EQ(testenv::readBytes(kRollbackFile), startData);
    table.At(1)->SetRate(5);
    rollback(update);
    EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
    EXPECT_EQ(messages.errors(), QStringList(2, "UserDefined.dat, line 3: '' is not a valid floating point value."));
}

TEST_F(RateUpdateTest, RollbackWithoutItsFileChangesNothing)
{
    QFile::remove(kRollbackFile);
    rollback(update);
    expectFailure(QStringLiteral("Missing Rollback data file."));
}

TEST_F(RateUpdateTest, OnlyDataWithRatesIsKeptForARollbackAndAFailedCopyIsTold)
{
    // Data without rates never replaces the copy that holds rates.
    DataFiles::writeLines(kCurrencyFile, CurrencyLoader::FactoryContent());
    CurrencyTable noRates;
    ASSERT_TRUE(LoadCurrencyData(noRates));
    EXPECT_TRUE(RateUpdate(noRates).KeepStartData(true));
    EXPECT_EQ(testenv::readBytes(kRollbackFile), startData);

    // A copy that cannot be written is told; the program goes on without a rollback.
    testenv::writeBytes(kCurrencyFile, startData);
    QFile::remove(kRollbackFile);
    RateUpdate fresh(table);
    {
        testenv::FullDisk full;
        EXPECT_FALSE(fresh.KeepStartData(true));
    }
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_THAT(messages.errors().first().toStdString(), HasSubstr("Rollback is not available in this session"));
    testenv::writeBytes(kRollbackFile, startData);   // an older copy, not this session's
    messages.clear();
    rollback(fresh);
    ASSERT_EQ(messages.errors().size(), 1);
    EXPECT_THAT(messages.errors().first().toStdString(), HasSubstr("There is no rollback copy for this session"));
    EXPECT_EQ(testenv::readBytes(kCurrencyFile), startData);
}
