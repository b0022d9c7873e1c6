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
#include "support/Trap.h"

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

QString day(int days) { return QDate::currentDate().addDays(days).toString(Qt::ISODate); }
QByteArray dated(int days, QByteArray cubes) { return envelope("<Cube time='" + day(days).toLatin1() + "'>" + cubes + "</Cube>"); }

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
        {"dated two days ahead", dated(2, "<Cube currency='USD' rate='0.9'/>"), {}},
        {"a euro too small to hold", ecbXml("<Cube currency='USD' rate='1" + QByteArray(308, '0') + "'/>"), {}},
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

// Earlier rates are kept only when they say their date and are within --max-age days; every
// rate written, however small, is read back by the program.
TEST_F(RatesFeedTest, OnlyDatedRecentRatesAreKeptAndEveryRateReadsBack)
{
    const QString keptRates = "<KRTDATE>x</KRTDATE>\r\n<KRTISO>AFN</KRTISO><KRTDATA>6.5</KRTDATA><KRTASOF>" + day(-3) + "</KRTASOF>\r\n"
                           "<KRTISO>XPF</KRTISO><KRTDATA>1.5</KRTDATA><KRTASOF>" + day(-10) + "</KRTASOF>\r\n";
    const QString sample = testenv::readBytes(testenv::sourceDir() + "/share/currency.dat"), old = "(4 days old); 1 without a rate";
    const QByteArray usd = "1" + QByteArray(20, '0');   // every rate per dollar a tiny one; tomorrow's are taken
    testenv::writeBytes("in.xml", dated(1, "<Cube currency='USD' rate='" + usd + "'/><Cube currency='GBP' rate='0.00000000001'/>"));
    for (const auto& [previous, maxAge, afn, says] : {std::tuple<QString, QString, QString, QString>{keptRates, "5", "6.5", old},
                                                      {sample, "999", "", "does not quote: 2 without a rate"}}) {
        testenv::writeBytes("p.dat", previous.toLatin1());
        ASSERT_EQ(feed({"--ecb", "in.xml", "--host", "h", "--previous", "p.dat", "--output", "currency.dat", "--max-age", maxAge}), 0);
        const QString reply = QString::fromLatin1(testenv::readBytes("currency.dat"));
        EXPECT_TRUE(reply.contains(says + ".</KRTMESSAGE>") && reply.contains("XPF</KRTISO><KRTDATA><") &&
                    reply.contains("AFN</KRTISO><KRTDATA>" + afn + "<")) << reply.toStdString();
    }
    ConversionRig rig;
    ASSERT_TRUE(LoadCurrencyData(rig.table));
    EXPECT_NEAR(rig.table.FindByIso("GBP")->GetRate() * 1e31, 1.0, 1e-5);
}

TEST(RatesFeedFetch, AnEcbSourceIsReadWithinTheUpdatesLimits)
{
    using loopback::Response;
    loopback::HttpServer server;
    Response endless = Response::ok(QByteArray(150000, 'x'));
    endless.withLength = false;
    const QString url = "http://" + server.hostPort() + "/eurofxref-daily.xml";
    for (const auto& [reply, source, expected] : {std::tuple<Response, QString, QString>{endless, url, "larger than 100000 bytes"},
                                                  {Response::of(Response::Kind::Trickle), url, "took longer than 0.5 seconds"},
                                                  {{}, "/dev/zero", "is not a regular file"}}) {
        server.reply(reply);
        QString got;
        const QString& from = source;   // clang 14 cannot capture a structured binding in a lambda
        trapWith([&] { RatesFeed::Fetch(from, {100000, 5000, 500}); }, [&](VemoxError& e) { got = e.message(); });
        EXPECT_TRUE(got.contains(expected)) << got.toStdString();
    }
}
