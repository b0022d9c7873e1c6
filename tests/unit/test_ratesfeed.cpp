// The rates feed: an ECB file becomes a reply the program loads with the right figures, and
// every refused input leaves the reply file as it was.
#include "Defs.h"
#include "EcbSource.h"
#include "RatesFeed.h"
#include "common/ConversionRig.h"
#include "common/LoopbackHttp.h"
#include "common/TestEnv.h"
#include "data/CurrencyLoader.h"
#include "data/DataFiles.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

QByteArray envelope(const QByteArray& cubes)
{
    return "<?xml version='1.0' encoding='UTF-8'?>\n"
           "<gesmes:Envelope xmlns:gesmes='http://www.gesmes.org/xml/2002-08-01' "
           "xmlns='http://www.ecb.int/vocabulary/2002-08-01/eurofxref'>\n"
           "<gesmes:subject>Reference rates</gesmes:subject>\n<Cube>\n" + cubes + "</Cube>\n</gesmes:Envelope>\n";
}

// The ECB's rates of one day.
QByteArray dated(const QDate& day, const QByteArray& cubes)
{
    return envelope("<Cube time='" + day.toString(Qt::ISODate).toLatin1() + "'>" + cubes + "</Cube>");
}

// Three dates, newest in the middle; the euro at 1.25 dollars on the newest.
QByteArray ecbXml(const QByteArray& newest = "<Cube currency='USD' rate='1.2500'/><Cube currency='GBP' rate='1.0'/>"
                                             "<Cube currency='JPY' rate='180.00'/>")
{
    return envelope("<Cube time='2026-12-07'><Cube currency='USD' rate='1.1'/><Cube currency='GBP' rate='0.9'/></Cube>\n"
                    "<Cube time='2026-12-08'>" + newest + "</Cube>\n"
                    "<Cube time='2026-12-04'><Cube currency='USD' rate='1.2'/><Cube currency='GBP' rate='0.8'/></Cube>\n");
}

const char* const kPrevious = "<KRTDATE>2026-12-01</KRTDATE>\r\n<KRTHOST>old.example</KRTHOST>\r\n<KRTISO>AFN"
                              "</KRTISO><KRTDATA>66.85</KRTDATA><KRTASOF>2026-12-01</KRTASOF>\r\n"
                              "<KRTISO>GBP</KRTISO><KRTDATA>0.5</KRTDATA>\r\n";

// A master list with two countries of the euro, a code the ECB does not quote that an earlier
// reply has, and one nobody has.
class RatesFeedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = testenv::freshWorkDir();
        const char* rows[][4] = {{"N", "USD", "Unt. States", "Dollars"}, {"E", "GBP", "Unt. Kingdom", "Pounds"},
                                 {"E", "EUR", "France", "Euros"},        {"E", "EUR", "Germany", "Euros"},
                                 {"A", "AFN", "Afghanistan", "Afghanis"}, {"O", "XPF", "Wallis", "Francs"}};
        const int ids[] = {Defs::kResRegion, Defs::kResIso, Defs::kResCountry, Defs::kResDenomination};
        ResourceLibraryWriter w;
        w.AddString(Defs::kResCount, QString::number(std::size(rows)));
        for (int i = 0; i < int(std::size(rows)); ++i)
            for (int f = 0; f < 4; ++f)
                w.AddString(ids[f] + i, rows[i][f]);
        QDir().mkpath("dll");
        w.Save(Defs::kResourceLibrary);
        testenv::writeBytes("ecb.xml", ecbXml()), testenv::writeBytes("previous.dat", kPrevious);
    }
    // The built command, in the working folder; its exit code.
    int feed(QStringList args)
    {
        QProcess p;
        p.start(testenv::binaryDir() + QStringLiteral("/src/vemox-ratesfeed"),
                args << QStringLiteral("--library") << Defs::kResourceLibrary);
        p.waitForFinished(20000);
        stderrText = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QString dir, stderrText;
};

} // namespace

TEST_F(RatesFeedTest, TheNewestEcbRatesBecomeAReplyThatConvertsAtThoseRates)
{
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(Defs::kResourceLibrary));
    const auto previous = RatesFeed::ParsePrevious(DataFiles::readLines(QStringLiteral("previous.dat")));
    const QStringList reply = RatesFeed::BuildReply(RatesFeed::ParseEcb(ecbXml()), CurrencyLoader::ReadMasterList(library),
                                                    {"127.0.0.1:18300/cgi-bin/DownLoad.cgi", "b.example"}, &previous);
    DataFiles::writeLines(Defs::kCurrencyFile, reply);
    EXPECT_EQ(testenv::readBytes(Defs::kCurrencyFile),
              "<KRTDATE>2026-12-08</KRTDATE>\r\n"
              "<KRTMESSAGE>Rates of the ECB of 2026-12-08. Codes the ECB does not quote: 1 with the rate of an "
              "earlier reply, the oldest of 2026-12-01 (7 days old); 1 without a rate.</KRTMESSAGE>\r\n"
              "<KRTHOST>127.0.0.1:18300/cgi-bin/DownLoad.cgi</KRTHOST>\r\n<KRTHOST>b.example</KRTHOST>\r\n"
              "<KRTISO>USD</KRTISO><KRTDATA>1.00000</KRTDATA><KRTCOUNTRY>Unt. States</KRTCOUNTRY><KRTDENOM>Dollars</KRTDENOM>"
              "<KRTASOF>2026-12-08</KRTASOF>\r\n"
              "<KRTISO>GBP</KRTISO><KRTDATA>0.800000</KRTDATA><KRTCOUNTRY>Unt. Kingdom</KRTCOUNTRY><KRTDENOM>Pounds</KRTDENOM>"
              "<KRTASOF>2026-12-08</KRTASOF>\r\n"
              "<KRTISO>EUR</KRTISO><KRTDATA>0.800000</KRTDATA><KRTCOUNTRY>France</KRTCOUNTRY><KRTDENOM>Euros</KRTDENOM>"
              "<KRTASOF>2026-12-08</KRTASOF>\r\n"
              "<KRTISO>EUR</KRTISO><KRTDATA>0.800000</KRTDATA><KRTCOUNTRY>Germany</KRTCOUNTRY><KRTDENOM>Euros</KRTDENOM>"
              "<KRTASOF>2026-12-08</KRTASOF>\r\n"
              "<KRTISO>AFN</KRTISO><KRTDATA>66.85</KRTDATA><KRTCOUNTRY>Afghanistan</KRTCOUNTRY><KRTDENOM>Afghanis</KRTDENOM>"
              "<KRTASOF>2026-12-01</KRTASOF>\r\n"
              "<KRTISO>XPF</KRTISO><KRTDATA></KRTDATA><KRTCOUNTRY>Wallis</KRTCOUNTRY><KRTDENOM>Francs</KRTDENOM>\r\n");

    ConversionRig rig;
    ASSERT_TRUE(LoadCurrencyData(rig.table));
    ASSERT_EQ(rig.shown.shown.size(), 1u); // the reply's message, nothing else
    rig.ex.Exchange("Germany"); // the home currency, with the display at 0
    rig.type("100");
    ASSERT_TRUE(rig.ex.Exchange("Afghanistan"));
    EXPECT_EQ(rig.state.display, "8,356.25"); // 100 euros are 125 dollars
}

TEST_F(RatesFeedTest, ARefusedInputLeavesTheReplyFileAsItWas)
{
    const QByteArray old = "old reply\r\n";
    struct Case { const char* what; QByteArray ecb; QStringList extra; };
    const Case cases[] = {
        {"not the ECB's format", "<rates><USD>1.1</USD></rates>", {}},
        {"not XML", "USD,1.1\n", {}},
        {"negative rate", ecbXml("<Cube currency='USD' rate='1.25'/><Cube currency='GBP' rate='-1'/>"), {}},
        {"rate not a number", ecbXml("<Cube currency='USD' rate='1,25'/>"), {}},
        {"no dollar", ecbXml("<Cube currency='GBP' rate='0.9'/>"), {}},
        {"too old", envelope("<Cube time='2001-01-02'><Cube currency='USD' rate='0.9'/></Cube>"), {"--max-age", "5"}},
        {"dated two days ahead", dated(QDate::currentDate().addDays(2), "<Cube currency='USD' rate='0.9'/>"), {}},
        {"a rate too small to hold", ecbXml("<Cube currency='USD' rate='1" + QByteArray(300, '0') + "'/>"
                                            "<Cube currency='GBP' rate='0.0000000001'/>"), {}},
        {"a device", ecbXml(), {"--ecb", "/dev/zero"}},
        {"previous not a reply", ecbXml(), {"--previous", "ecb.xml"}},
        {"empty host", ecbXml(), {"--host", ""}},
        {"no such file", ecbXml(), {"--ecb", "missing.xml"}},
    };
    testenv::writeBytes("reply.dat", old), testenv::writeBytes("in.xml", {});
    const QStringList files = QDir(dir).entryList(QDir::Files);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testenv::writeBytes(QStringLiteral("in.xml"), c.ecb);
        QStringList args{"--host", "a.example", "--output", "reply.dat"};
        args << (c.extra.contains("--ecb") ? QStringList{} : QStringList{"--ecb", "in.xml"}) << c.extra;
        EXPECT_EQ(feed(args), 1);
        EXPECT_EQ(stderrText.count(u'\n'), 1) << stderrText.toStdString();
        EXPECT_EQ(testenv::readBytes(QStringLiteral("reply.dat")), old);
        EXPECT_EQ(QDir(dir).entryList(QDir::Files), files);
    }
    EXPECT_EQ(feed({"--ecb", "ecb.xml", "--host", "a.example", "--output", "reply.dat"}), 0) << stderrText.toStdString();
    EXPECT_TRUE(testenv::readBytes(QStringLiteral("reply.dat")).startsWith("<KRTDATE>2026-12-08</KRTDATE>\r\n"));
}

TEST_F(RatesFeedTest, OnlyDatedEarlierRatesWithinTheAgeLimitAreKept)
{
    const QDate today = QDate::currentDate();
    auto day = [&](int offset) { return today.addDays(offset).toString(Qt::ISODate).toLatin1(); };
    const QByteArray datedRates = "<KRTDATE>" + day(-20) + "</KRTDATE>\r\n<KRTISO>AFN</KRTISO><KRTDATA>66.85</KRTDATA>"
                                  "<KRTASOF>" + day(-3) + "</KRTASOF>\r\n<KRTISO>XPF</KRTISO><KRTDATA>110.5</KRTDATA>"
                                  "<KRTASOF>" + day(-10) + "</KRTASOF>\r\n";
    const QByteArray undated = "<KRTDATE>" + day(0) + "</KRTDATE>\r\n<KRTISO>AFN</KRTISO><KRTDATA>66.85</KRTDATA>\r\n";
    const QByteArray ahead = "<KRTDATE>" + day(0) + "</KRTDATE>\r\n<KRTISO>AFN</KRTISO><KRTDATA>66.85</KRTDATA><KRTASOF>" +
                             day(5) + "</KRTASOF>\r\n";
    const QByteArray sample = testenv::readBytes(testenv::sourceDir() + "/share/currency.dat");
    struct Case { const char* what; int ecbDay; QByteArray previous; QStringList extra; QString afn, xpf, says; };
    const Case cases[] = {
        {"no limit", 0, datedRates, {}, "66.85", "110.5", "2 with the rate of an earlier reply, the oldest of " + day(-10) + " (10 days old)."},
        {"one too old", 0, datedRates, {"--max-age", "5"}, "66.85", "", "1 with the rate of an earlier reply, the oldest of " +
                                                                           day(-3) + " (3 days old); 1 without a rate."},
        {"undated, the ECB's of tomorrow", 1, undated, {}, "", "", "2 without a rate."},
        {"the shipped sample", 0, sample, {}, "", "", "2 without a rate."},
        {"dated ahead", 0, ahead, {}, "", "", "2 without a rate."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testenv::writeBytes("in.xml", dated(today.addDays(c.ecbDay), "<Cube currency='USD' rate='1.25'/><Cube currency='GBP' rate='1'/>"));
        testenv::writeBytes("prev.dat", c.previous);
        ASSERT_EQ(feed(QStringList{"--ecb", "in.xml", "--host", "a.example", "--previous", "prev.dat", "--output", "reply.dat"}
                       << c.extra), 0) << stderrText.toStdString();
        const QStringList reply = DataFiles::readLines("reply.dat");
        EXPECT_TRUE(reply[1].endsWith(c.says + "</KRTMESSAGE>")) << reply[1].toStdString();
        for (const auto& [iso, rate] : {std::pair{"AFN", c.afn}, std::pair{"XPF", c.xpf}})
            EXPECT_EQ(reply.filter(QStringLiteral("<KRTISO>%1</KRTISO>").arg(iso)).value(0).section("KRTDATA>", 1, 1).chopped(2), rate);
    }
}

TEST_F(RatesFeedTest, EveryRateIsWrittenSoThatTheProgramReadsItBack)
{
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(Defs::kResourceLibrary));
    const QByteArray huge = "1" + QByteArray(20, '0');
    const QPair<QByteArray, QByteArray> cases[] = {{"1.25", "0.00000000001"}, {huge, "0.9"}, {"0.0001", "123456789.123"},
                                                   {"1" + QByteArray(290, '0'), "0.0000000001"}, {"1.1", "0.87"}};
    for (const auto& [usd, gbp] : cases) {
        SCOPED_TRACE(usd.toStdString() + " " + gbp.toStdString());
        const auto ecb = RatesFeed::ParseEcb(ecbXml("<Cube currency='USD' rate='" + usd + "'/><Cube currency='GBP' rate='" + gbp + "'/>"));
        DataFiles::writeLines(Defs::kCurrencyFile, RatesFeed::BuildReply(ecb, CurrencyLoader::ReadMasterList(library), {"a.example"}, nullptr));
        ConversionRig rig;
        ASSERT_TRUE(LoadCurrencyData(rig.table));
        EXPECT_NEAR(rig.table.FindByIso("GBP")->GetRate() * usd.toDouble() / gbp.toDouble(), 1.0, 1e-5);
        EXPECT_NEAR(rig.table.FindByIso("EUR")->GetRate() * usd.toDouble(), 1.0, 1e-5);
    }
}

TEST(RatesFeedFetch, AnEcbSourceIsReadWithinTheUpdatesLimits)
{
    using loopback::Response;
    loopback::HttpServer server;
    testenv::freshWorkDir();
    testenv::writeBytes("big.xml", QByteArray(150000, 'x'));
    Response endless = Response::ok(QByteArray(150000, 'x'));
    endless.withLength = false;
    const QString url = "http://" + server.hostPort() + "/eurofxref-daily.xml";
    struct Case { const char* what; Response reply; QString source, refusal; };
    const Case cases[] = {
        {"drips", Response::of(Response::Kind::Trickle), url, "the transfer took longer than 0.5 seconds"},
        {"too long, no length told", endless, url, "the reply is larger than 100000 bytes"},
        {"too long, length told", Response::ok(QByteArray(150000, 'x')), url, "the reply is larger than 100000 bytes"},
        {"a device", {}, "/dev/zero", "is not a regular file"},
        {"a file too large", {}, "big.xml", "is larger than"},
        {"within the limits", Response::ok(QByteArray(1000, 'x')), url, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.reply(c.reply);
        QString refusal;
        QByteArray got;
        try {
            got = RatesFeed::Fetch(c.source, {100000, 5000, 500});
        } catch (const VemoxError& e) {
            refusal = e.message();
        }
        EXPECT_TRUE(c.refusal.isEmpty() ? refusal.isEmpty() && got.size() == 1000 : refusal.contains(c.refusal)) << refusal.toStdString();
    }
}
