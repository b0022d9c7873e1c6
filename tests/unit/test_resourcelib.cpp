// The resource library: its reader and writer, their checks against damaged and foreign
// files, the shipped library and sample rates, and the pictures made from it.
#include "common/TestEnv.h"
#include "Defs.h"
#include "Forms/FlagImage.h"
#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/ResourceLibrary.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

// A picture with a different colour in every pixel, so a shifted or swapped row shows.
ResourcePicture patterned(int w, int h, int seed)
{
    ResourcePicture p;
    p.width = w;
    p.height = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            p.rgb.append(char(x * 7 + seed));
            p.rgb.append(char(y * 13 + seed));
            p.rgb.append(char((x ^ y) + seed * 3));
        }
    return p;
}

struct Currency {
    QString region, iso, country, denomination;
};

// A small library in the shipped layout: count, four strings and a flag per position.
QByteArray sampleLibrary(const std::vector<Currency>& cs)
{
    ResourceLibraryWriter w;
    w.AddString(Defs::kResCount, QString::number(cs.size()));
    for (int i = 0; i < int(cs.size()); ++i) {
        w.AddString(Defs::kResRegion + i, cs[i].region);
        w.AddString(Defs::kResIso + i, cs[i].iso);
        w.AddString(Defs::kResCountry + i, cs[i].country);
        w.AddString(Defs::kResDenomination + i, cs[i].denomination);
        w.AddPicture(ResourceLibrary::FlagId(i), patterned(35, 20, i));
    }
    return w.Build();
}

const std::vector<Currency> kThree = {
    {QStringLiteral("Europe"), QStringLiteral("GBP"), QStringLiteral("Unt. Kingdom"), QStringLiteral("Pounds")},
    {QStringLiteral("Caribbean"), QStringLiteral("XCG"), QStringLiteral("Cura\u00e7ao"), QStringLiteral("Guilders")},
    {QStringLiteral("North America"), QStringLiteral("USD"), QStringLiteral("Unt. States"), QStringLiteral("Dollars")},
};

struct CsvRow {
    int line;
    QString region, iso, country, denomination, flag;
};

// The master list; its fields hold no commas or quotes, which the list test checks.
std::vector<CsvRow> readCsv()
{
    QFile f(testenv::sourceDir() + QStringLiteral("/share/currencies.csv"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    std::vector<CsvRow> rows;
    for (int n = 1; n < lines.size(); ++n) {
        const QStringList c = lines[n].split(u',');
        EXPECT_EQ(c.size(), 5) << "line " << n + 1;
        if (c.size() == 5)
            rows.push_back({n + 1, c[0], c[1], c[2], c[3], c[4]});
    }
    return rows;
}

} // namespace

// ---- reader and writer ----

TEST(ResourceLibrary, EveryIdRangeReadsBack)
{
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(sampleLibrary(kThree)));
    EXPECT_EQ(lib.ReadString(Defs::kResCount), QStringLiteral("3"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lib.ReadString(Defs::kResRegion + i), kThree[i].region);
        EXPECT_EQ(lib.ReadString(Defs::kResIso + i), kThree[i].iso);
        EXPECT_EQ(lib.ReadString(Defs::kResCountry + i), kThree[i].country);
        EXPECT_EQ(lib.ReadString(Defs::kResDenomination + i), kThree[i].denomination);
        const ResourcePicture p = lib.ReadPicture(ResourceLibrary::FlagId(i));
        ASSERT_EQ(p.width, 35);
        ASSERT_EQ(p.height, 20);
        EXPECT_EQ(p.rgb, patterned(35, 20, i).rgb) << "flag " << i;
    }
}

TEST(ResourceLibrary, MissingIdsGiveEmptyTextAndNullPicture)
{
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(sampleLibrary(kThree)));
    EXPECT_TRUE(lib.ReadString(Defs::kResCountry + 3).isEmpty());
    EXPECT_TRUE(lib.ReadString(-1).isEmpty());
    EXPECT_TRUE(lib.ReadPicture(ResourceLibrary::FlagId(3)).isNull());
    EXPECT_TRUE(lib.ReadPicture(-5).isNull());
    // Strings and pictures are apart: a string id does not find a picture, nor the reverse.
    EXPECT_TRUE(lib.ReadPicture(Defs::kResCountry).isNull());
    EXPECT_TRUE(lib.ReadString(ResourceLibrary::FlagId(0)).isEmpty());
}

TEST(ResourceLibrary, FlagIdWrapsAt65536)
{
    EXPECT_EQ(ResourceLibrary::FlagId(0), 7001);
    EXPECT_EQ(ResourceLibrary::FlagId(58534), 65535);
    EXPECT_EQ(ResourceLibrary::FlagId(58535), 0);
    EXPECT_EQ(ResourceLibrary::FlagId(58540), 5);

    ResourceLibraryWriter w;
    w.AddPicture(ResourceLibrary::FlagId(58534), patterned(2, 1, 1));
    w.AddPicture(ResourceLibrary::FlagId(58535), patterned(2, 1, 2));
    w.AddPicture(ResourceLibrary::FlagId(58540), patterned(2, 1, 3));
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(w.Build()));
    EXPECT_EQ(lib.ReadPicture(65535).rgb, patterned(2, 1, 1).rgb);
    EXPECT_EQ(lib.ReadPicture(0).rgb, patterned(2, 1, 2).rgb);
    EXPECT_EQ(lib.ReadPicture(5).rgb, patterned(2, 1, 3).rgb);
}

TEST(ResourceLibrary, StringsArriveCutTo39Characters)
{
    const QString exact(39, u'x');
    const QString longer = QStringLiteral("A country whose name runs well past the forty-character buffer");
    ResourceLibraryWriter w;
    w.AddString(1, exact);
    w.AddString(2, longer);
    w.AddString(3, QString());
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(w.Build()));
    EXPECT_EQ(lib.ReadString(1), exact);
    EXPECT_EQ(lib.ReadString(2), longer.left(39));
    EXPECT_TRUE(lib.ReadString(3).isEmpty());
}

TEST(ResourceLibrary, Latin1TextRoundTrips)
{
    QString every;
    for (int c = 0xA0; c <= 0xFF; ++c)
        every += QChar(c);
    ResourceLibraryWriter w;
    w.AddString(4001, QStringLiteral("Cura\u00e7ao"));
    for (int k = 0; k < 3; ++k)
        w.AddString(4002 + k, every.mid(k * 32, 32));
    const QByteArray bytes = w.Build();
    EXPECT_TRUE(bytes.contains("Cura\xe7" "ao")) << "stored as one Latin-1 byte per character";
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(bytes));
    EXPECT_EQ(lib.ReadString(4001), QStringLiteral("Cura\u00e7ao"));
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(lib.ReadString(4002 + k), every.mid(k * 32, 32));
}

TEST(ResourceLibrary, WriterRefusesAnIdTwiceAndOddSizesKeepTheirPixels)
{
    ResourceLibraryWriter w;
    w.AddString(7, QStringLiteral("first"));
    try {
        w.AddString(7, QStringLiteral("second"));
        ADD_FAILURE() << "a second string 7 was taken";
    } catch (const VemoxError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Resource id 7 is given twice"));
    }
    w.AddPicture(9, patterned(3, 5, 1)); // 9 bytes a row: nothing may pad it
    EXPECT_THROW(w.AddPicture(9, patterned(3, 5, 2)), VemoxError);
    w.AddString(9, QStringLiteral("a string beside picture 9")); // strings and pictures are apart
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(w.Build()));
    EXPECT_EQ(lib.ReadString(7), QStringLiteral("first"));
    const ResourcePicture p = lib.ReadPicture(9);
    EXPECT_EQ(p.width, 3);
    EXPECT_EQ(p.height, 5);
    EXPECT_EQ(p.rgb, patterned(3, 5, 1).rgb);
}

TEST(ResourceLibrary, WriterRejectsPicturesThatDoNotMatchTheirSize)
{
    ResourceLibraryWriter w;
    ResourcePicture p = patterned(35, 20, 0);
    p.rgb.chop(1);
    EXPECT_THROW(w.AddPicture(1, p), VemoxError);
    p = patterned(35, 20, 0);
    p.rgb.append('\0');
    EXPECT_THROW(w.AddPicture(1, p), VemoxError);
    p = patterned(35, 20, 0);
    p.width = 20;
    p.height = 35 * 20 / 20 + 1;
    EXPECT_THROW(w.AddPicture(1, p), VemoxError);
    EXPECT_THROW(w.AddPicture(1, ResourcePicture{}), VemoxError);
    p = patterned(1, 1, 0);
    p.width = -1;
    p.height = -3;
    EXPECT_THROW(w.AddPicture(1, p), VemoxError);
    EXPECT_THROW(w.AddString(-1, QStringLiteral("x")), VemoxError);
    // Nothing rejected reached the library.
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(w.Build()));
    EXPECT_TRUE(lib.ReadPicture(1).isNull());
}

TEST(ResourceLibrary, ReadingWithoutALoadedLibraryRaises)
{
    ResourceLibrary lib;
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_THROW(lib.ReadString(108), VemoxError);
    ASSERT_TRUE(lib.LoadFromBytes(sampleLibrary(kThree)));
    EXPECT_TRUE(lib.IsLoaded());
    lib.Release();
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_THROW(lib.ReadPicture(7001), VemoxError);
    // A failed load also leaves nothing loaded, even after a good one.
    ASSERT_TRUE(lib.LoadFromBytes(sampleLibrary(kThree)));
    EXPECT_FALSE(lib.LoadFromBytes(QByteArray("not a library")));
    EXPECT_THROW(lib.ReadString(108), VemoxError);
}

TEST(ResourceLibrary, LoadsFromAFileAndFailsForAMissingOne)
{
    const QString dir = testenv::freshWorkDir();
    ResourceLibraryWriter w;
    w.AddString(108, QStringLiteral("0"));
    w.AddPicture(7001, patterned(3000, 2000, 0));   // 18 MB, more than a reply may have
    w.Save(dir + QStringLiteral("/lib.dll"));
    ResourceLibrary lib;
    EXPECT_TRUE(lib.Load(dir + QStringLiteral("/lib.dll")));
    EXPECT_EQ(lib.ReadString(108), QStringLiteral("0"));
    EXPECT_FALSE(lib.Load(dir + QStringLiteral("/none.dll")));
    EXPECT_FALSE(lib.IsLoaded());
    EXPECT_THROW(w.Save(dir + QStringLiteral("/no/such/folder/lib.dll")), VemoxError);
}

// ---- damaged and foreign files ----

TEST(ResourceLibraryDamage, EveryTruncationFails)
{
    const QByteArray good = sampleLibrary(kThree);
    ResourceLibrary lib;
    for (qsizetype n = 0; n < good.size(); ++n) {
        // A copy of exactly n bytes, so a reader that strays past the end is seen by the
        // sanitizers rather than reading the rest of the original.
        const QByteArray cut(good.constData(), n);
        ASSERT_FALSE(lib.LoadFromBytes(cut)) << "cut at " << n << " of " << good.size();
        ASSERT_FALSE(lib.IsLoaded());
    }
    EXPECT_TRUE(lib.LoadFromBytes(good));
}

TEST(ResourceLibraryDamage, AnyChangedByteFails)
{
    const QByteArray good = sampleLibrary(kThree);
    ResourceLibrary lib;
    for (qsizetype i = 0; i < good.size(); ++i)
        for (char mask : {char(0x01), char(0x80), char(0xFF)}) {
            QByteArray bad = good;
            bad[i] = char(bad[i] ^ mask);
            ASSERT_FALSE(lib.LoadFromBytes(bad)) << "byte " << i << " xor " << int(uchar(mask));
        }
}

TEST(ResourceLibraryDamage, AStructurallyBadFileWithAGoodChecksumFails)
{
    // Damage behind a recomputed checksum: only the structural checks can catch it.
    const QByteArray good = sampleLibrary(kThree);
    auto resealed = [](QByteArray b) {
        qToLittleEndian(ResourceFormat::crc32(b.constData() + 24, b.size() - 24), b.data() + 20);
        return b;
    };
    auto u32 = [](const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    auto put = [](QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    ResourceLibrary lib;
    ASSERT_TRUE(lib.LoadFromBytes(resealed(good)));

    QByteArray b = good; // entry count one short: the last entry would vanish unseen
    put(b, 12, u32(b, 12) - 1);
    EXPECT_FALSE(lib.LoadFromBytes(resealed(b)));
    b = good; // first two entries swapped: the index is no longer sorted
    b.replace(24, 16, good.mid(40, 16));
    b.replace(40, 16, good.mid(24, 16));
    EXPECT_FALSE(lib.LoadFromBytes(resealed(b)));
    b = good; // a string's length reaching past the file
    put(b, 24 + 12, 0x7FFFFFFF);
    EXPECT_FALSE(lib.LoadFromBytes(resealed(b)));
    b = good; // an unknown kind
    b[24] = 3;
    EXPECT_FALSE(lib.LoadFromBytes(resealed(b)));
    b = good; // a non-zero reserved field
    b[26] = 1;
    EXPECT_FALSE(lib.LoadFromBytes(resealed(b)));

    // A picture that claims more pixels than it holds.
    ResourceLibraryWriter w;
    w.AddPicture(1, patterned(2, 2, 0));
    b = w.Build();
    const quint32 at = u32(b, 24 + 8);
    put(b, int(at), 3 | (2u << 16));
    EXPECT_FALSE(lib.LoadFromBytes(resealed(b)));
    // A count far beyond what the file could index.
    b = good;
    put(b, 12, 0xFFFFFFFF);
    EXPECT_FALSE(lib.LoadFromBytes(b));
}

TEST(ResourceLibraryDamage, ForeignFilesFail)
{
    ResourceLibrary lib;
    EXPECT_FALSE(lib.LoadFromBytes(QByteArray()));
    EXPECT_FALSE(lib.LoadFromBytes(QByteArray("VMXRES\r\n")));
    EXPECT_FALSE(lib.LoadFromBytes(QByteArray("<KRTDATE>1 December 2026</KRTDATE>\r\n<KRTISO>EUR</KRTISO>\r\n")));
    // The library copied in text mode: CR LF turned into LF.
    QByteArray textCopy = sampleLibrary(kThree);
    textCopy.replace("\r\n", "\n");
    EXPECT_FALSE(lib.LoadFromBytes(textCopy));

    std::mt19937 rng(20261201);
    for (int round = 0; round < 300; ++round) {
        QByteArray junk(qsizetype(rng() % 2048), Qt::Uninitialized);
        for (auto& c : junk)
            c = char(rng());
        if (round % 2) // half of them with the right magic, to get past the first check
            junk.replace(0, qMin<qsizetype>(8, junk.size()), QByteArray("VMXRES\r\n").left(junk.size()));
        ASSERT_FALSE(lib.LoadFromBytes(junk)) << "round " << round;
    }

    const QString dir = testenv::freshWorkDir();
    testenv::writeBytes(dir + QStringLiteral("/empty.dll"), QByteArray());
    testenv::writeBytes(dir + QStringLiteral("/text.dll"), QByteArray("This is not a resource library.\n"));
    EXPECT_FALSE(lib.Load(dir + QStringLiteral("/empty.dll")));
    EXPECT_FALSE(lib.Load(dir + QStringLiteral("/text.dll")));
    EXPECT_FALSE(lib.Load(dir)); // a folder
}

// ---- the shipped files ----

TEST(ShippedFiles, TheMasterListIsWellFormed)
{
    const QStringList regions = {"Central Africa", "East Africa", "North Africa", "South Africa", "West Africa",
                                 "Central America", "North America", "South America", "Asia", "Caribbean",
                                 "Europe", "Middle East", "Oceania", "Antarctica"};
    const auto rows = readCsv();
    ASSERT_GE(rows.size(), 150u);
    const QRegularExpression iso(QStringLiteral("^[A-Z]{3}$"));
    std::set<QString> countries, flags;
    for (size_t i = 0; i < rows.size(); ++i) {
        const CsvRow& r = rows[i];
        SCOPED_TRACE(QStringLiteral("line %1: %2").arg(r.line).arg(r.country).toStdString());
        EXPECT_TRUE(regions.contains(r.region));
        EXPECT_TRUE(iso.match(r.iso).hasMatch());
        EXPECT_FALSE(r.country.contains(u'"'));
        EXPECT_LE(r.country.size(), 39);
        EXPECT_FALSE(r.denomination.isEmpty());
        // Records are found by country name, first match only: a second one would be unreachable.
        EXPECT_TRUE(countries.insert(r.country).second) << "country twice";
        EXPECT_TRUE(flags.insert(r.flag).second) << "flag twice";
        if (i > 0) {
            const CsvRow& p = rows[i - 1];
            EXPECT_LT(std::make_pair(p.region, p.country), std::make_pair(r.region, r.country))
                << "not in region then country order";
        }
    }
    EXPECT_TRUE(countries.count(QStringLiteral("Unt. States")));
    EXPECT_TRUE(countries.count(QStringLiteral("Unt. Kingdom")));
}

TEST(ShippedFiles, TheBuiltLibraryHoldsEveryRowInOrder)
{
    const auto rows = readCsv();
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Load(testenv::binaryDir() + QStringLiteral("/dll/ZYM_VEMOX.dll")))
        << "build the resource_library target first";
    ASSERT_EQ(lib.ReadString(Defs::kResCount), QString::number(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const CsvRow& r = rows[i];
        SCOPED_TRACE(QStringLiteral("position %1: %2").arg(i).arg(r.country).toStdString());
        EXPECT_EQ(lib.ReadString(Defs::kResRegion + i), r.region);
        EXPECT_EQ(lib.ReadString(Defs::kResIso + i), r.iso);
        EXPECT_EQ(lib.ReadString(Defs::kResCountry + i), r.country);
        EXPECT_EQ(lib.ReadString(Defs::kResDenomination + i), r.denomination);
        const ResourcePicture flag = lib.ReadPicture(ResourceLibrary::FlagId(i));
        ASSERT_EQ(flag.width, 35);
        ASSERT_EQ(flag.height, 20);
        // A flag that failed to draw comes out one flat colour.
        std::set<QByteArray> colours;
        for (int k = 0; k < flag.rgb.size(); k += 3)
            colours.insert(flag.rgb.mid(k, 3));
        EXPECT_GE(colours.size(), 2u);
    }
    EXPECT_TRUE(lib.ReadString(Defs::kResCountry + int(rows.size())).isEmpty());
    EXPECT_TRUE(lib.ReadPicture(ResourceLibrary::FlagId(int(rows.size()))).isNull());
}

// Flags that changed after the packaged drawings were made are our own; each is told apart
// from its old drawing by a few pixels of the built picture.
TEST(ShippedFiles, RedrawnFlagsAreTheCurrentOnes)
{
    const auto rows = readCsv();
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Load(testenv::binaryDir() + QStringLiteral("/dll/ZYM_VEMOX.dll")));
    auto flagOf = [&](const char* country) {
        for (int i = 0; i < int(rows.size()); ++i)
            if (rows[i].country == QLatin1String(country))
                return toImage(lib.ReadPicture(ResourceLibrary::FlagId(i)));
        ADD_FAILURE() << country << " is not in the list";
        return QImage();
    };
    auto near = [](QRgb got, QRgb want) {
        return std::abs(qRed(got) - qRed(want)) < 48 && std::abs(qGreen(got) - qGreen(want)) < 48 &&
               std::abs(qBlue(got) - qBlue(want)) < 48;
    };
    const QRgb green = qRgb(0, 122, 61), red = qRgb(206, 17, 38), white = qRgb(255, 255, 255);
    const QImage sy = flagOf("Syria"); // green over white over black, red stars in the white
    ASSERT_FALSE(sy.isNull());
    EXPECT_TRUE(near(sy.pixel(17, 2), green));
    EXPECT_TRUE(near(sy.pixel(1, 10), white));
    EXPECT_TRUE(near(sy.pixel(17, 10), red)) << "the middle star";
    EXPECT_TRUE(near(sy.pixel(17, 17), qRgb(0, 0, 0)));

    const QImage mr = flagOf("Mauritania"); // red bands at the top and the bottom of the green
    ASSERT_FALSE(mr.isNull());
    EXPECT_TRUE(near(mr.pixel(17, 1), qRgb(208, 28, 31)));
    EXPECT_TRUE(near(mr.pixel(17, 18), qRgb(208, 28, 31)));
    EXPECT_TRUE(near(mr.pixel(2, 10), qRgb(0, 169, 92)));

    const QImage bq = flagOf("Bonaire"); // not the Netherlands' bands: yellow, white, blue corners
    ASSERT_FALSE(bq.isNull());
    EXPECT_TRUE(near(bq.pixel(1, 1), qRgb(252, 209, 22)));
    EXPECT_TRUE(near(bq.pixel(33, 18), qRgb(1, 42, 135)));
    EXPECT_TRUE(near(bq.pixel(33, 1), white));
    EXPECT_TRUE(near(bq.pixel(7, 13), qRgb(220, 23, 29))) << "the star in the compass ring";
}

TEST(ShippedFiles, TheSampleRatesCoverEveryCode)
{
    const QString path = testenv::sourceDir() + QStringLiteral("/share/currency.dat");
    const QByteArray bytes = testenv::readBytes(path);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "every line ends in CR LF";
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    const QStringList lines = DataFiles::readLines(path);
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(Defs::kDateOpen) && lines[0].endsWith(Defs::kDateClose));
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(lines[k].startsWith(Defs::kHostOpen) && lines[k].endsWith(Defs::kHostClose)) << k;
    const QRegularExpression data(QStringLiteral("^<KRTISO>([A-Z]{3})</KRTISO><KRTDATA>([0-9]+(\\.[0-9]+)?)</KRTDATA>$"));
    std::map<QString, double> rates;
    for (int k = 4; k < lines.size(); ++k) {
        const auto m = data.match(lines[k]);
        ASSERT_TRUE(m.hasMatch()) << lines[k].toStdString();
        EXPECT_TRUE(rates.emplace(m.captured(1), m.captured(2).toDouble()).second) << "twice: " << lines[k].toStdString();
    }
    std::set<QString> codes;
    for (const CsvRow& r : readCsv())
        codes.insert(r.iso);
    for (const QString& c : codes) {
        ASSERT_TRUE(rates.count(c)) << "no rate for " << c.toStdString();
        EXPECT_GT(rates[c], 0.0) << c.toStdString();
    }
    EXPECT_EQ(rates.size(), codes.size()) << "a rate for a code the list does not have";
    EXPECT_EQ(rates[QStringLiteral("USD")], 1.0);
}

TEST(ShippedFiles, TheLibraryBuilderStopsAtABadRowNamingItsLine)
{
    const QString tool = testenv::binaryDir() + QStringLiteral("/tools/makeres/makeres");
    const QString flags = QStringLiteral("/usr/share/iso-flags-svg/country-4x3");
    const QString dir = testenv::freshWorkDir();
    auto run = [&](const QByteArray& thirdLine, QString* err) {
        testenv::writeBytes(dir + QStringLiteral("/list.csv"),
                            "region,iso,country,denomination,flag\nEurope,EUR,France,Euros,fr\n" + thirdLine + "\n");
        QFile::remove(dir + QStringLiteral("/out.dll"));
        QProcess p;
        p.start(tool, {dir + QStringLiteral("/list.csv"), flags, dir + QStringLiteral("/out.dll")});
        EXPECT_TRUE(p.waitForFinished(60000));
        *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QString err;
    ASSERT_EQ(run("Caribbean,XCG,\"Cura\xc3\xa7" "ao, the island\",Guilders,cw", &err), 0) << err.toStdString();
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Load(dir + QStringLiteral("/out.dll")));
    EXPECT_EQ(lib.ReadString(4002), QStringLiteral("Cura\u00e7ao, the island"));
    EXPECT_EQ(lib.ReadPicture(7002).width, 35);

    const std::pair<const char*, const char*> bad[] = {
        {"Asia,JPY,Japan,Yen,nosuchflag", "flag"},
        {"Asia,JPY,Japan,Yen", "columns"},
        {"Asia,JPY,Japan,Yen,jp,extra", "columns"},
        {"Asia,JPY,,Yen,jp", "empty"},
        {"Asia,JPY,A country name much longer than the buffer,Yen,jp", "39"},
        {"Atlantis,JPY,Japan,Yen,jp", "region"},
        {"Asia,JPY,\"Japan,Yen,jp", "quote"},
    };
    for (const auto& [line, why] : bad) {
        EXPECT_NE(run(line, &err), 0) << line;
        EXPECT_TRUE(err.contains(QStringLiteral("line 3"))) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(line))) << err.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String(why))) << err.toStdString();
        EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/out.dll"))) << "no library from a bad list";
    }
}

// ---- pictures for the controls ----

TEST(FlagImage, ALibraryPictureBecomesADeepCopiedImage)
{
    ResourcePicture p = patterned(35, 20, 4);
    const QImage img = toImage(p);
    ASSERT_EQ(img.size(), QSize(35, 20));
    EXPECT_EQ(img.format(), QImage::Format_RGB888);
    for (int y : {0, 7, 19})
        for (int x : {0, 17, 34}) {
            const int k = (y * 35 + x) * 3;
            EXPECT_EQ(img.pixel(x, y), qRgb(uchar(p.rgb[k]), uchar(p.rgb[k + 1]), uchar(p.rgb[k + 2]))) << x << "," << y;
        }
    const QRgb before = img.pixel(0, 0);
    p.rgb.fill('\0');
    EXPECT_EQ(img.pixel(0, 0), before) << "the image must not share the picture's bytes";
    EXPECT_TRUE(toImage(ResourcePicture{}).isNull());
    ResourcePicture bad = patterned(35, 20, 0);
    bad.rgb.chop(3);
    EXPECT_THROW(toImage(bad), VemoxError);
}

TEST(FlagImage, TheDefaultBanknoteIsAGreen35x20Picture)
{
    const QImage note = defaultBanknote();
    ASSERT_FALSE(note.isNull());
    EXPECT_EQ(note.size(), QSize(35, 20));
    EXPECT_EQ(note.format(), QImage::Format_RGB888);
    long r = 0, g = 0, b = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 35; ++x) {
            r += qRed(note.pixel(x, y));
            g += qGreen(note.pixel(x, y));
            b += qBlue(note.pixel(x, y));
        }
    EXPECT_GT(g, r);
    EXPECT_GT(g, b);
    EXPECT_EQ(defaultBanknote().constBits(), note.constBits()) << "loaded once, then shared";
}

TEST(ShippedFiles, TheLibraryBuilderTakesAtMostOneThousandRows)
{
    const QString tool = testenv::binaryDir() + QStringLiteral("/tools/makeres/makeres");
    const QString flags = testenv::sourceDir() + QStringLiteral("/share/flags");
    const QString dir = testenv::freshWorkDir();
    auto build = [&](int rows, QString* err) {
        QByteArray csv = "region,iso,country,denomination,flag\n";
        for (int i = 0; i < rows; ++i)
            csv += "Asia,C" + QByteArray::number(i) + ",Land " + QByteArray::number(i) + ",Units,ge\n";
        testenv::writeBytes(dir + QStringLiteral("/list.csv"), csv);
        QFile::remove(dir + QStringLiteral("/out.dll"));
        QProcess p;
        p.start(tool, {dir + QStringLiteral("/list.csv"), flags, dir + QStringLiteral("/out.dll")});
        EXPECT_TRUE(p.waitForFinished(120000));
        *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    QString err;
    EXPECT_NE(build(1001, &err), 0);
    EXPECT_TRUE(err.contains(QStringLiteral("1001 currency rows; at most 1000"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/out.dll")));

    ASSERT_EQ(build(1000, &err), 0) << err.toStdString();
    ResourceLibrary lib;
    ASSERT_TRUE(lib.Load(dir + QStringLiteral("/out.dll")));
    EXPECT_EQ(lib.ReadString(Defs::kResCount), QStringLiteral("1000"));
    EXPECT_EQ(lib.ReadString(Defs::kResIso), QStringLiteral("C0")) << "the first ISO code must stay its own";
    EXPECT_EQ(lib.ReadString(Defs::kResDenomination + 999), QStringLiteral("Units"));
    EXPECT_EQ(lib.ReadPicture(ResourceLibrary::FlagId(999)).width, 35);
}
