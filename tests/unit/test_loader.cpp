// The currency data loader: factory and reply files, user-defined currencies, the host
// and exceptions lists, messages, every failure and the separators.
#include "Defs.h"
#include "calc/MainState.h"
#include "common/TestEnv.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "data/DataFiles.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Zymregistry.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <random>
#include <sys/inotify.h>
#include <unistd.h>

using namespace CurrencyLoader;
using Kind = ScriptedMessenger::Kind;

namespace {

struct LibRow {
    QString region, iso, country, denomination;
};

const std::vector<LibRow> kRows = {
    {"Europe", "GBP", "Unt. Kingdom", "Pounds"},
    {"North America", "USD", "Unt. States", "Dollars"},
    {"Europe", "EUR", "France", "Euros"},
    {"Caribbean", "ANG", QString::fromLatin1("Cura\xe7" "ao"), "Guilders"},
};

void writeLibrary(const std::vector<LibRow>& rows, const QString& count = {})
{
    ResourceLibraryWriter w;
    w.AddString(Defs::kResCount, count.isNull() ? QString::number(rows.size()) : count);
    for (int i = 0; i < int(rows.size()); ++i) {
        w.AddString(Defs::kResRegion + i, rows[i].region);
        w.AddString(Defs::kResIso + i, rows[i].iso);
        w.AddString(Defs::kResCountry + i, rows[i].country);
        w.AddString(Defs::kResDenomination + i, rows[i].denomination);
    }
    QDir().mkpath("dll");
    w.Save(Defs::kResourceLibrary);
}

void writeFile(const QString& name, const QByteArray& content) { testenv::writeBytes(name, content); }

const QByteArray kReply = "<KRTDATE>1 Dec 2026</KRTDATE>\r\n"
                          "<KRTHOST>rates.example/cgi-bin/DownLoad.cgi</KRTHOST>\r\n"
                          "<KRTHOST>second.example</KRTHOST>\r\n"
                          "<KRTISO>GBP</KRTISO><KRTDATA>0.79</KRTDATA>\r\n"
                          "<KRTDATA>1</KRTDATA><KRTISO>USD</KRTISO>\r\n"
                          "<KRTISO>EUR</KRTISO><KRTDATA>0.94</KRTDATA>\r\n"
                          "<KRTISO>EUR</KRTISO><KRTDATA>5.55</KRTDATA>\r\n";

QStringList storeValues(const QString& key)
{
    QStringList names, values;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, key, names, values, KEY_READ);
    QStringList out;
    for (int i = 0; i < names.size(); ++i)
        out << names[i] + "=" + values[i];
    return out;
}

class Loader : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::freshWorkDir();
        testenv::resetStore();
        writeLibrary(kRows);
    }
    bool load() { return LoadCurrencyData(table); }
    const CCurrencyData& rec(int i) const { return *table.At(i); }

    ScriptedMessenger msg;
    MessengerScope scope{&msg};
    CurrencyTable table;
};

} // namespace

TEST(TagExtraction, CutsBetweenTheFirstTagsAndReportsMissingOnes)
{
    QString t = "x<A>one</A><A>two</A>";
    EXPECT_TRUE(ExtractTag(t, "<A>", "</A>"));
    EXPECT_EQ(t, "one");

    t = "</A> before <A>after";   // closing tag only before the opening one
    EXPECT_TRUE(ExtractTag(t, "<A>", "</A>"));
    EXPECT_EQ(t, "");

    t = "no tags <A> here";
    EXPECT_FALSE(ExtractTag(t, "<A>", "</A>"));
    EXPECT_EQ(t, "no tags <A> here");

    t = "<a>case</a>";
    EXPECT_FALSE(ExtractTag(t, "<A>", "</A>"));

    t = "<A> spaced </A>";   // never trimmed
    EXPECT_TRUE(ExtractTag(t, "<A>", "</A>"));
    EXPECT_EQ(t, " spaced ");
}

TEST(ReplyLines, AreClassifiedInTheirOrderOfPrecedence)
{
    auto r = ClassifyReplyLine("<KRTMESSAGE>Closed <KRTHOST>h</KRTHOST></KRTMESSAGE>");
    EXPECT_TRUE(r.hasMessage);
    EXPECT_EQ(r.kind, ReplyLine::Kind::Host);   // the tests run on the message text
    EXPECT_EQ(r.value, "h");

    r = ClassifyReplyLine("<KRTEXCEPTIONS>GBP,EUR<KRTEXCEPTIONS>");
    EXPECT_EQ(r.kind, ReplyLine::Kind::Exceptions);
    EXPECT_EQ(r.value, "GBP,EUR");
    r = ClassifyReplyLine("<KRTEXCEPTIONS>GBP</KRTEXCEPTIONS>");
    EXPECT_EQ(r.kind, ReplyLine::Kind::Exceptions);
    EXPECT_EQ(r.value, "");

    // The ISO code comes from the line as read, the rate from the message text.
    r = ClassifyReplyLine("<KRTISO>JPY</KRTISO><KRTMESSAGE><KRTDATA>150</KRTDATA></KRTMESSAGE>");
    EXPECT_EQ(r.kind, ReplyLine::Kind::Data);
    EXPECT_EQ(r.iso, "JPY");
    EXPECT_EQ(r.value, "150");

    EXPECT_EQ(ClassifyReplyLine("<KRTISO>JPY</KRTISO>").kind, ReplyLine::Kind::Ignored);
    EXPECT_EQ(ClassifyReplyLine("<KRTDATE>x</KRTDATE>").kind, ReplyLine::Kind::Ignored);
    EXPECT_EQ(ClassifyReplyLine("").kind, ReplyLine::Kind::Ignored);

    const auto u = ParseUserDefinedLine("<KRTCOUNTRY>Gold</KRTCOUNTRY><KRTISO>XAU</KRTISO>");
    EXPECT_EQ(u.iso, "XAU");
    EXPECT_EQ(u.country, "Gold");
    EXPECT_EQ(u.rate, "<KRTCOUNTRY>Gold</KRTCOUNTRY><KRTISO>XAU</KRTISO>");   // missing pair: whole line
}

TEST_F(Loader, FactoryFileListsTheLibraryWithoutRatesOrUserCurrencies)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, "3", QString("kept"), KEY_ALL_ACCESS);
    writeFile("currency.dat", "<KRTHOST>a.example/cgi-bin/DownLoad.cgi</KRTHOST>\r\n"
                              "<KRTHOST>b.example</KRTHOST>\r\nplain line\r\n");
    writeFile("UserDefined.dat", "<KRTISO>XAU</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>Gold</KRTCOUNTRY>"
                                 "<KRTDENOM>Ounces</KRTDENOM>\r\n");
    ASSERT_TRUE(load());
    EXPECT_TRUE(msg.shown.empty());
    ASSERT_EQ(table.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rec(i).GetRate(), 0.0);
        EXPECT_EQ(rec(i).GetResourceIndex(), i);
        EXPECT_EQ(rec(i).GetCountryName(), kRows[i].country);
        EXPECT_EQ(rec(i).GetIsoCode(), kRows[i].iso);
        EXPECT_EQ(rec(i).GetRegion(), kRows[i].region);
        EXPECT_EQ(rec(i).GetDenomination(), kRows[i].denomination);
    }
    EXPECT_EQ(storeValues(Defs::kKeyHosts),
              (QStringList{"0=a.example/cgi-bin/DownLoad.cgi", "1=b.example", "2=plain line", "3=kept"}));
    EXPECT_FALSE(table.UserFileRead());   // the operator's file is left unread, so it must be kept
}

TEST_F(Loader, ReplyTakesRatesHostsAndUserCurrencies)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, "3", QString("old"), KEY_ALL_ACCESS);
    writeFile("currency.dat", kReply);
    writeFile("UserDefined.dat", "<KRTISO>XAU</KRTISO><KRTDATA>0.0005</KRTDATA><KRTCOUNTRY>Gold</KRTCOUNTRY>"
                                 "<KRTDENOM>Ounces</KRTDENOM>\r\n"
                                 "<KRTDENOM>Beans</KRTDENOM><KRTCOUNTRY>Cocoa \xb5</KRTCOUNTRY><KRTDATA>3</KRTDATA>\r\n");
    ASSERT_TRUE(load());
    EXPECT_TRUE(msg.shown.empty());
    ASSERT_EQ(table.Count(), 6);
    EXPECT_TRUE(table.UserFileRead());
    EXPECT_EQ(rec(0).GetRate(), 0.79);
    EXPECT_EQ(rec(1).GetRate(), 1.0);   // data tag before the ISO tag
    EXPECT_EQ(rec(2).GetRate(), 0.94);  // the first EUR line wins
    // Not listed: no rate, and no library picture.
    EXPECT_EQ(rec(3).GetRate(), 0.0);
    EXPECT_EQ(rec(3).GetResourceIndex(), NoResourceIndex);
    EXPECT_EQ(rec(3).GetCountryName(), QString::fromLatin1("Cura\xe7" "ao"));
    EXPECT_EQ(rec(2).GetResourceIndex(), 2);

    EXPECT_EQ(rec(4).GetRegion(), "User Defined");
    EXPECT_EQ(rec(4).GetCountryName(), "Gold");
    EXPECT_EQ(rec(4).GetIsoCode(), "XAU");
    EXPECT_EQ(rec(4).GetDenomination(), "Ounces");
    EXPECT_EQ(rec(4).GetRate(), 0.0005);
    EXPECT_EQ(rec(4).GetResourceIndex(), NoResourceIndex);
    EXPECT_EQ(rec(5).GetCountryName(), QString::fromLatin1("Cocoa \xb5"));   // Latin-1, byte for byte
    EXPECT_EQ(rec(5).GetDenomination(), "Beans");
    // The reply's hosts replace the whole list.
    EXPECT_EQ(storeValues(Defs::kKeyHosts),
              (QStringList{"0=rates.example/cgi-bin/DownLoad.cgi", "1=second.example"}));

    // Loading again gives the same table, not a doubled one.
    ASSERT_TRUE(load());
    EXPECT_EQ(table.Count(), 6);
    EXPECT_EQ(rec(5).GetDenomination(), "Beans");
}

TEST_F(Loader, EmptyRateFieldKeepsTheFlagAndMessagesAreShown)
{
    writeFile("currency.dat", "<KRTDATE>d</KRTDATE><KRTMESSAGE>Rates late today</KRTMESSAGE>\n"
                              "<KRTMESSAGE></KRTMESSAGE>\n"
                              "<KRTISO>GBP</KRTISO><KRTDATA></KRTDATA>\n"
                              "<KRTEXCEPTIONS>first<KRTEXCEPTIONS>\n"
                              "<KRTEXCEPTIONS>slash form</KRTEXCEPTIONS>\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(msg.texts(Kind::MessageBox), QStringList{"Rates late today"});
    EXPECT_EQ(rec(0).GetRate(), 0.0);
    EXPECT_EQ(rec(0).GetResourceIndex(), 0);
    EXPECT_EQ(storeValues(Defs::kKeyExceptions), (QStringList{"0=first", "1="}));
}

TEST_F(Loader, LineEndsOfEveryKindRead)
{
    for (const QByteArray& eol : {QByteArray("\n"), QByteArray("\r"), QByteArray("\r\n")}) {
        QByteArray f = kReply;
        f.replace("\r\n", eol);
        writeFile("currency.dat", f);
        table.ClearTable();
        ASSERT_TRUE(load()) << eol.toHex().constData();
        ASSERT_EQ(table.Count(), 4);
        EXPECT_EQ(rec(0).GetRate(), 0.79);
        EXPECT_EQ(rec(2).GetRate(), 0.94);
    }
}

TEST_F(Loader, ManyCurrenciesTheReplyLeavesOutAreWarnedOnce)
{
    std::vector<LibRow> rows;
    for (int i = 0; i < 30; ++i)
        rows.push_back({"Asia", QString("C%1").arg(i, 2, 10, QChar('0')), QString("Land %1").arg(i), "Units"});
    writeLibrary(rows);
    QByteArray reply = "<KRTDATE>d</KRTDATE>\n<KRTHOST>h</KRTHOST>\nx\n";
    // 9 rated and 11 listed with an empty rate, which the server does not quote; 10 not listed.
    for (int i = 0; i < 20; ++i)
        reply += "<KRTISO>C" + QByteArray::number(i).rightJustified(2, '0') + "</KRTISO><KRTDATA>" +
                 (i < 9 ? "1.5" : "") + "</KRTDATA>\n";
    writeFile("currency.dat", reply);
    ASSERT_TRUE(load());
    EXPECT_TRUE(msg.shown.empty());

    // 21 not listed is more than twenty.
    reply.truncate(reply.indexOf("<KRTISO>C09"));
    writeFile("currency.dat", reply);
    ASSERT_TRUE(load());
    EXPECT_EQ(msg.texts(Kind::MessageBox), QStringList{kMissingDataWarning});
}

TEST_F(Loader, FailuresBeforeTheFirstHostKeepTheEarlierTable)
{
    writeFile("currency.dat", kReply);
    ASSERT_TRUE(load());
    ASSERT_EQ(table.Count(), 4);

    struct Case {
        QByteArray file;
        QString error;
    };
    const std::vector<Case> cases = {
        {"<KRTDATE>d</KRTDATE>\r\n<KRTHOST>h</KRTHOST>\r\n",
         "The currency data file " + QDir::currentPath() + "/currency.dat is incomplete: it holds 2 of the at least 3 lines it needs."},
        {"<KRTDATE>d</KRTDATE>",
         "The currency data file " + QDir::currentPath() + "/currency.dat is incomplete: it holds 1 of the at least 3 lines it needs."},
        {"", "The currency data file " + QDir::currentPath() + "/currency.dat is empty."},
        {"<html>404 Not Found</html>\r\n\r\n\r\n", "Error: Malformed cgi script. Possible Host Server 404 error."},
        {"<KRTDATE>d</KRTDATE>\r\n<KRTHOST></KRTHOST>\r\nx\r\n", "Server Error: Please Re-load page."},
    };
    for (const auto& c : cases) {
        msg.clear();
        writeFile("currency.dat", c.file);
        EXPECT_FALSE(load());
        EXPECT_EQ(msg.errors(), QStringList{c.error}) << c.file.constData();
        EXPECT_EQ(table.Count(), 4);
    }

    msg.clear();
    QFile::remove("currency.dat");
    EXPECT_FALSE(load());
    EXPECT_EQ(msg.errors(), QStringList{"Error: Missing Currency.dat file."});
    EXPECT_EQ(table.Count(), 4);

    // The library is looked for first.
    msg.clear();
    QFile::remove(Defs::kResourceLibrary);
    EXPECT_FALSE(load());
    EXPECT_EQ(msg.errors(), QStringList{"Error: Unable to read resource library."});
    EXPECT_EQ(table.Count(), 4);
}

TEST_F(Loader, FailuresAfterTheFirstHostLeaveWhatWasDone)
{
    // An empty host after a good one: the table is already empty, the first host written.
    writeFile("currency.dat", kReply);
    ASSERT_TRUE(load());
    writeFile("currency.dat", "<KRTDATE>d</KRTDATE>\r\n<KRTHOST>new.example</KRTHOST>\r\n<KRTHOST></KRTHOST>\r\n");
    EXPECT_FALSE(load());
    EXPECT_EQ(msg.errors(), QStringList{"Server Error: Please Re-load page."});
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(storeValues(Defs::kKeyHosts), QStringList{"0=new.example"});

    // A user line with no data pair costs that line alone.
    msg.clear();
    writeFile("currency.dat", kReply);
    writeFile("UserDefined.dat", "<KRTISO>XAU</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>Gold</KRTCOUNTRY>\r\n"
                                 "<KRTISO>XAG</KRTISO><KRTCOUNTRY>Silver</KRTCOUNTRY>\r\n"
                                 "<KRTISO>XPT</KRTISO><KRTDATA>3</KRTDATA>\r\n");
    EXPECT_TRUE(load());
    ASSERT_EQ(msg.errors().size(), 1);
    EXPECT_TRUE(msg.errors()[0].contains("is not a valid floating point value")) << msg.errors()[0].toStdString();
    ASSERT_EQ(table.Count(), 6);
    EXPECT_EQ(rec(4).GetCountryName(), "Gold");
    EXPECT_TRUE(table.UserFileRead());

    // So does an empty rate text.
    msg.clear();
    writeFile("UserDefined.dat", "<KRTISO>XAU</KRTISO><KRTDATA></KRTDATA>\r\n");
    EXPECT_TRUE(load());
    EXPECT_EQ(msg.errors().size(), 1);
    EXPECT_EQ(table.Count(), 4);

    // A rate in a reply that is not a number.
    msg.clear();
    QFile::remove("UserDefined.dat");
    QByteArray bad = kReply;
    bad.replace("0.79", "0,79");
    writeFile("currency.dat", bad);
    EXPECT_FALSE(load());
    EXPECT_EQ(msg.errors().size(), 1);
    EXPECT_EQ(table.Count(), 0);
}

// A rate that is no finite number above zero, or too small to keep its digits, is refused in
// every data file: in the operator's file that line alone, told with its place, in the
// server's reply the whole reply. Blank lines say nothing; a name taken before is told.
TEST_F(Loader, ARateThatIsNoUsablePositiveNumberIsRefusedWithItsLine)
{
    const QString taken = "\nUserDefined.dat, line 3: the country name 'France' is taken by an earlier currency, "
                          "so this one cannot be used.";
    const std::pair<const char*, QString> rates[] = {
        {"-2.5", "'-2.5' is not a valid rate: a rate is a number above zero."},
        {"0", "'0' is not a valid rate: a rate is a number above zero."},
        {"1e-320", "'1e-320' is not a valid rate: it is too small to convert with."},
        {"nan", "'nan' is not a valid floating point value."}};
    for (const auto& [rate, reason] : rates) {
        msg.clear();
        writeFile("currency.dat", kReply);
        writeFile("UserDefined.dat", "\r\n<KRTDATA>" + QByteArray(rate) + "</KRTDATA>\r\n<KRTCOUNTRY>France</KRTCOUNTRY><KRTDATA>9</KRTDATA>\r\n\r\n");
        ASSERT_TRUE(load());
        EXPECT_EQ(table.FindByCountry("France")->GetRate(), 0.94);
        writeFile("currency.dat", QByteArray(kReply).replace("0.79", rate));
        EXPECT_FALSE(load());
        EXPECT_EQ(msg.errors(), QStringList({"UserDefined.dat, line 2: " + reason + taken, "currency.dat, line 4: " + reason}));
    }
    // Many faults are one box, and every line that could not be used is kept.
    writeFile("currency.dat", kReply);
    writeFile("UserDefined.dat", QByteArray("<KRTDATA>x</KRTDATA>\r\n").repeated(12));
    ASSERT_TRUE(load());
    EXPECT_TRUE(msg.errors().join(QChar(0)).endsWith("\nUserDefined.dat has 2 more lines that cannot be used."));
    EXPECT_EQ(table.UnreadUserLines().size(), 12u);
}

// A data line's date goes with its record, and a pane's hint tells it beside the rate.
TEST_F(Loader, ARatesDateShowsInThePanesHint)
{
    writeFile("currency.dat", QByteArray(kReply).replace("0.79</KRTDATA>", "0.79</KRTDATA><KRTASOF>2024-12-01</KRTASOF>"));
    ASSERT_TRUE(load());
    MainState state;
    state.showRatesOf(table);
    state.foreign.country = "Unt. Kingdom";
    state.announce();
    EXPECT_EQ(state.foreignRateHint, "1 USD = 0.79 GBP, as of 2024-12-01");
}

TEST_F(Loader, CountStringMustBeANumberOfSaneSize)
{
    writeFile("currency.dat", kReply);
    for (const QString& count : {QString(""), QString("four")}) {
        msg.clear();
        writeLibrary(kRows, count);
        EXPECT_FALSE(load()) << count.toStdString();
        EXPECT_EQ(msg.errors().size(), 1);
    }
    msg.clear();
    writeLibrary(kRows, "100000000");
    EXPECT_FALSE(load());
    EXPECT_EQ(msg.errors(), QStringList{"Error: Unable to read from resource library."});

    // A library that is not one at all counts as missing.
    msg.clear();
    testenv::writeBytes(Defs::kResourceLibrary, "MZ\x90\0 not a library");
    EXPECT_FALSE(load());
    EXPECT_EQ(msg.errors(), QStringList{"Error: Unable to read resource library."});
}

TEST_F(Loader, SeparatorsAreRestoredOnEveryWayOut)
{
    FormatSettings& fs = FormatSettings::current();
    const FormatSettings saved = fs;
    fs.thousandSeparator = QChar('.');
    fs.decimalSeparator = QChar(',');
    writeFile("currency.dat", kReply);
    EXPECT_TRUE(load());
    EXPECT_EQ(rec(0).GetRate(), 0.79);   // "." read as the decimal separator all the same
    EXPECT_EQ(fs.thousandSeparator, QChar('.'));
    EXPECT_EQ(fs.decimalSeparator, QChar(','));
    writeFile("currency.dat", "x");
    EXPECT_FALSE(load());
    EXPECT_EQ(fs.thousandSeparator, QChar('.'));
    EXPECT_EQ(fs.decimalSeparator, QChar(','));
    // A failure late in the load, after the table was rebuilt, and one before anything is read.
    writeFile("currency.dat", QByteArray(kReply).replace("0.79", "-1"));
    EXPECT_FALSE(load());
    EXPECT_EQ(fs.thousandSeparator, QChar('.'));
    EXPECT_EQ(fs.decimalSeparator, QChar(','));
    QFile::remove(Defs::kResourceLibrary);
    EXPECT_FALSE(load());
    EXPECT_EQ(fs.thousandSeparator, QChar('.'));
    EXPECT_EQ(fs.decimalSeparator, QChar(','));
    fs = saved;
}

TEST_F(Loader, ShippedDataLoadsWithARateForEveryCurrency)
{
    QFile::remove(Defs::kResourceLibrary);
    ASSERT_TRUE(QFile::copy(testenv::binaryDir() + "/dll/ZYM_VEMOX.dll", Defs::kResourceLibrary));
    ASSERT_TRUE(QFile::copy(testenv::sourceDir() + "/share/currency.dat", Defs::kCurrencyFile));
    ASSERT_TRUE(load());
    EXPECT_TRUE(msg.shown.empty());
    ASSERT_GT(table.Count(), 150);
    for (int i = 0; i < table.Count(); ++i) {
        EXPECT_GT(rec(i).GetRate(), 0.0) << rec(i).GetCountryName().toStdString();
        EXPECT_EQ(rec(i).GetResourceIndex(), i);
    }
    const CCurrencyData* us = table.FindByCountry("Unt. States");
    ASSERT_NE(us, nullptr);
    EXPECT_EQ(us->GetRate(), 1.0);
    EXPECT_EQ(us->GetIsoCode(), "USD");
    // The factory hosts name the maker's server until a shop names its own.
    EXPECT_EQ(storeValues(Defs::kKeyHosts).value(0), "0=" + Defs::kMakerWebHost + Defs::kUpdatePath);
}

TEST_F(Loader, FactoryContentBringsBackTheMakersHosts)
{
    const QStringList factory = FactoryContent();
    ASSERT_EQ(factory.size(), 3);
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, "0", QString("shop.example"), KEY_ALL_ACCESS);
    DataFiles::writeLines(Defs::kCurrencyFile, factory);
    writeFile("UserDefined.dat", "<KRTISO>XAU</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>Gold</KRTCOUNTRY>\r\n");
    ASSERT_TRUE(load());
    EXPECT_TRUE(msg.shown.empty());
    EXPECT_EQ(storeValues(Defs::kKeyHosts),
              (QStringList{"0=" + Defs::kMakerWebHost + "/cgi-bin/DownLoad.cgi", "1=" + Defs::kMakerWebHost,
                           "2=" + Defs::kMakerWebHost}));
    ASSERT_EQ(table.Count(), 4);   // a factory file: no user currencies, no rates
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rec(i).GetRate(), 0.0);
        EXPECT_EQ(rec(i).GetResourceIndex(), i);
    }
}

TEST_F(Loader, ExceptionsAreNumberedFromZeroAndNeverEmptied)
{
    writeFile("currency.dat", "<KRTDATE>d</KRTDATE>\r\n<KRTHOST>h</KRTHOST>\r\n"
                              "<KRTEXCEPTIONS>a<KRTEXCEPTIONS>\r\n<KRTEXCEPTIONS>b<KRTEXCEPTIONS>\r\n"
                              "<KRTEXCEPTIONS>c<KRTEXCEPTIONS>\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(storeValues(Defs::kKeyExceptions), (QStringList{"0=a", "1=b", "2=c"}));

    // A later reply with fewer entries overwrites from "0" and leaves the rest.
    writeFile("currency.dat", "<KRTDATE>d</KRTDATE>\r\n<KRTHOST>h</KRTHOST>\r\n<KRTEXCEPTIONS>z<KRTEXCEPTIONS>\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(storeValues(Defs::kKeyExceptions), (QStringList{"0=z", "1=b", "2=c"}));

    // Neither a factory file nor a reply without entries touches them.
    DataFiles::writeLines(Defs::kCurrencyFile, FactoryContent());
    ASSERT_TRUE(load());
    writeFile("currency.dat", kReply);
    ASSERT_TRUE(load());
    EXPECT_EQ(storeValues(Defs::kKeyExceptions), (QStringList{"0=z", "1=b", "2=c"}));
}

TEST_F(Loader, HostsAreReplacedOnlyAtTheFirstHostLineOfAReply)
{
    const QStringList old{"0=old.example", "1=old2.example", "5=stale"};
    auto seed = [] {
        testenv::resetStore();
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, "0", QString("old.example"), KEY_ALL_ACCESS);
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, "1", QString("old2.example"), KEY_ALL_ACCESS);
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, "5", QString("stale"), KEY_ALL_ACCESS);
    };

    // No host line: the list stays; the table is emptied before the library records all the same.
    seed();
    writeFile("currency.dat", "<KRTDATE>d</KRTDATE>\r\n<KRTISO>GBP</KRTISO><KRTDATA>0.8</KRTDATA>\r\nx\r\n");
    ASSERT_TRUE(load());
    ASSERT_TRUE(load());
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(rec(0).GetRate(), 0.8);
    EXPECT_EQ(storeValues(Defs::kKeyHosts), old);

    // A reply that fails before its first host line leaves the list too.
    seed();
    writeFile("currency.dat", "<html>Not Found</html>\r\n<KRTHOST>h</KRTHOST>\r\nx\r\n");
    EXPECT_FALSE(load());
    EXPECT_EQ(storeValues(Defs::kKeyHosts), old);

    // Rates read before the first host line survive the emptying of the table there, and a
    // message before an empty host is shown before the error.
    seed();
    msg.clear();
    writeFile("currency.dat", "<KRTDATE>d</KRTDATE>\r\n<KRTISO>GBP</KRTISO><KRTDATA>0.8</KRTDATA>\r\n"
                              "<KRTHOST>late.example</KRTHOST>\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(rec(0).GetRate(), 0.8);
    EXPECT_EQ(storeValues(Defs::kKeyHosts), QStringList{"0=late.example"});

    writeFile("currency.dat", "<KRTDATE>d</KRTDATE>\r\n<KRTMESSAGE>Closed for stocktaking</KRTMESSAGE>\r\n"
                              "<KRTHOST></KRTHOST>\r\n");
    msg.clear();
    EXPECT_FALSE(load());
    ASSERT_EQ(msg.shown.size(), 2u);
    EXPECT_EQ(msg.shown[0].kind, Kind::MessageBox);
    EXPECT_EQ(msg.shown[0].text, "Closed for stocktaking");
    EXPECT_EQ(msg.shown[1].kind, Kind::ErrorBox);
    EXPECT_EQ(table.Count(), 4);   // the failure came before any host line
    EXPECT_EQ(storeValues(Defs::kKeyHosts), QStringList{"0=late.example"});
}

// Whatever lands in the data files, the loader answers with a load or an error box.
TEST_F(Loader, NoiseNulsAndLongLinesAreHandled)
{
    std::mt19937 rng(20261209);
    auto noise = [&](qsizetype n) {
        QByteArray b(n, Qt::Uninitialized);
        for (auto& c : b)
            c = char(rng());
        return b;
    };

    // Random bytes as "currency.dat": an error, the earlier table kept.
    writeFile("currency.dat", kReply);
    ASSERT_TRUE(load());
    for (int round = 0; round < 20; ++round) {
        msg.clear();
        writeFile("currency.dat", noise(64 * 1024));
        EXPECT_FALSE(load());
        EXPECT_EQ(msg.errors().size(), 1);
        EXPECT_EQ(table.Count(), 4);
    }

    // Random bytes as "UserDefined.dat": its lines told in one box, the reply's rates in use.
    writeFile("currency.dat", kReply);
    writeFile("UserDefined.dat", "x" + noise(64 * 1024));
    msg.clear();
    EXPECT_TRUE(load());
    EXPECT_EQ(msg.errors().size(), 1);
    EXPECT_GE(table.Count(), 4);

    // NUL bytes are text like any other byte.
    const QByteArray nul(1, '\0');
    QByteArray nuls = kReply;
    nuls.replace("<KRTISO>GBP</KRTISO>", "<KRTISO>G" + nul + "P</KRTISO>");
    nuls += QByteArray(4096, '\0') + "\r\n";
    writeFile("currency.dat", nuls);
    writeFile("UserDefined.dat", "<KRTISO>X" + nul + "U</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>Go" + nul +
                                     "ld</KRTCOUNTRY>\r\n");
    msg.clear();
    ASSERT_TRUE(load()) << msg.errors().join("|").toStdString();
    ASSERT_EQ(table.Count(), 5);
    EXPECT_EQ(rec(0).GetResourceIndex(), NoResourceIndex);   // "G\0P" is not GBP
    EXPECT_EQ(rec(1).GetRate(), 1.0);
    EXPECT_EQ(rec(4).GetCountryName(), QString::fromLatin1("Go\0ld", 5));
    EXPECT_EQ(rec(4).GetIsoCode(), QString::fromLatin1("X\0U", 3));

    // A 1 MB line: ignored, as a message, as an ISO code and as a user-defined country.
    const QByteArray mb(1 << 20, 'A');
    writeFile("currency.dat", kReply + mb + "\r\n<KRTMESSAGE>" + mb + "</KRTMESSAGE>\r\n<KRTISO>" + mb +
                                  "</KRTISO><KRTDATA>3</KRTDATA>\r\n");
    writeFile("UserDefined.dat", "<KRTISO>XAU</KRTISO><KRTDATA>2</KRTDATA><KRTCOUNTRY>" + mb + "</KRTCOUNTRY>\r\n");
    msg.clear();
    ASSERT_TRUE(load());
    EXPECT_EQ(msg.texts(Kind::MessageBox), QStringList{boundedMessage(QString::fromLatin1(mb))});
    ASSERT_EQ(table.Count(), 5);
    EXPECT_EQ(rec(0).GetRate(), 0.79);
    EXPECT_EQ(rec(4).GetCountryName().size(), mb.size());

}

// A reply of 300 000 lines (13 MB, within the 16 MB a data file may have) and a long
// user-defined file load in full, and among a reply's many lines for one code the first
// still wins.
TEST_F(Loader, VeryLongFilesLoadInFull)
{
    constexpr int kLines = 300000;
    QByteArray block;   // a thousand lines, GBP among them with a later rate
    for (int i = 0; i < 1000; ++i)
        block += "<KRTISO>" + (i == 500 ? QByteArray("GBP") : "Z" + QByteArray::number(i)) + "</KRTISO><KRTDATA>" +
                 QByteArray::number(i + 2) + "</KRTDATA>\r\n";
    writeFile("currency.dat", kReply + block.repeated(kLines / 1000) + "<KRTISO>ANG</KRTISO><KRTDATA>1.79</KRTDATA>\r\n");
    ASSERT_TRUE(load());
    EXPECT_TRUE(msg.shown.empty());
    ASSERT_EQ(table.Count(), 4);
    EXPECT_EQ(rec(0).GetRate(), 0.79);
    EXPECT_EQ(rec(3).GetRate(), 1.79);   // the very last line is read too

    writeFile("currency.dat", kReply);
    constexpr int kUsers = 250000;   // every line a record: kept shorter, for time
    writeFile("UserDefined.dat", QByteArray("<KRTISO>XAU</KRTISO><KRTDATA>2.5</KRTDATA>\r\n").repeated(kUsers - 1) +
                                     "<KRTISO>XAG</KRTISO><KRTDATA>0.03</KRTDATA>\r\n");
    ASSERT_TRUE(load());
    EXPECT_EQ(msg.errors().size(), 1);   // the lines name no country, so all have one name
    ASSERT_EQ(table.Count(), 4 + kUsers);
    EXPECT_EQ(rec(4 + kUsers - 2).GetRate(), 2.5);
    EXPECT_EQ(rec(4 + kUsers - 1).GetIsoCode(), "XAG");
    EXPECT_EQ(rec(4 + kUsers - 1).GetRate(), 0.03);
}

TEST_F(Loader, AnUnchangedHostListIsNotWrittenAgain)
{
    writeFile("currency.dat", kReply);
    ASSERT_TRUE(load());
    // A blank line the store would never write itself: it stays only while the file does.
    const QByteArray marked = testenv::readBytes(testenv::storeFile()) + "\r\n\r\n";
    testenv::writeBytes(testenv::storeFile(), marked);
    ASSERT_TRUE(load());
    EXPECT_EQ(testenv::readBytes(testenv::storeFile()), marked);

    QByteArray other = kReply;
    other.replace("second.example", "third.example");
    writeFile("currency.dat", other);
    ASSERT_TRUE(load());
    EXPECT_NE(testenv::readBytes(testenv::storeFile()), marked);
    EXPECT_EQ(storeValues(Defs::kKeyHosts),
              (QStringList{"0=rates.example/cgi-bin/DownLoad.cgi", "1=third.example"}));
    EXPECT_TRUE(msg.shown.empty());
}

// ---------------------------------------------------------------- hosts and exceptions as one change

TEST_F(Loader, AHostValueThatIsNoStringIsRewrittenFromTheReply)
{
    testenv::writeBytes(testenv::storeFile(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Hs]\r\n"
                                              "\"0\"=dword:00000001\r\n\"1\"=\"a.example\"\r\n\"2\"=\"b.example\"\r\n");
    writeFile("currency.dat", kReply);
    ASSERT_TRUE(load());
    EXPECT_EQ(storeValues(Defs::kKeyHosts),
              (QStringList{"0=rates.example/cgi-bin/DownLoad.cgi", "1=second.example"}));
    EXPECT_TRUE(msg.shown.empty()) << msg.shown.front().text.toStdString();
}

TEST_F(Loader, AReplysHostsAndExceptionsAreOneReplacementOfTheStore)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, "0", QString("old.example"), KEY_ALL_ACCESS);
    QByteArray reply = kReply;
    for (int i = 0; i < 3; ++i)
        reply += "<KRTEXCEPTIONS>e" + QByteArray::number(i) + "<KRTEXCEPTIONS>\r\n";
    writeFile("currency.dat", reply);
    // Every replacement of the store is a rename into its folder.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(QFileInfo(testenv::storeFile()).path()).constData(),
                                  IN_MOVED_TO),
              0);
    ASSERT_TRUE(load());
    alignas(inotify_event) char buffer[8192];
    int replacements = 0;
    for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;)
        for (char* p = buffer; p < buffer + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
            replacements += QByteArray(reinterpret_cast<inotify_event*>(p)->name) == "registry.reg";
    ::close(watch);
    EXPECT_EQ(replacements, 1);
    EXPECT_EQ(storeValues(Defs::kKeyHosts),
              (QStringList{"0=rates.example/cgi-bin/DownLoad.cgi", "1=second.example"}));
    EXPECT_EQ(storeValues(Defs::kKeyExceptions), (QStringList{"0=e0", "1=e1", "2=e2"}));
}

TEST_F(Loader, AStoreThatCannotBeWrittenGivesOneMessageForALoad)
{
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    const QString file = testenv::root() + "/loader-config-is-a-file";
    testenv::writeBytes(file, "x");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(file));
    QByteArray reply = kReply;
    for (int i = 0; i < 50; ++i)
        reply += "<KRTEXCEPTIONS>e<KRTEXCEPTIONS>\r\n";
    writeFile("currency.dat", reply);
    const bool loaded = load();
    qputenv("XDG_CONFIG_HOME", old);
    EXPECT_TRUE(loaded);
    ASSERT_EQ(msg.errors().size(), 1);
    EXPECT_TRUE(msg.errors().front().startsWith("Settings cannot be saved to " + file + "/vemox/registry.reg"))
        << msg.errors().front().toStdString();
}
