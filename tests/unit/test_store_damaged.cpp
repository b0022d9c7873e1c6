// Store files that are not stores: nothing crashes, nothing is overwritten; the file is moved
// aside whole, the operator is told once, and the program goes on with its defaults.
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/RegStore.h"
#include "support/Zymregistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <random>
#include <unistd.h>

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

const HKEY kRoot = HKEY_CURRENT_USER;
const QString kKey = QStringLiteral("\\Software\\VEMOX\\G_r");

const QByteArray kGood = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\G_r]\r\n"
                         "\"Cbs\"=dword:00000001\r\n"
                         "\"h_c\"=\"Unt. States\"\r\n"
                         "\"Vl\"=hex:00,00,00,00,00,a0,e6,40\r\n"
                         "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
                         "  17,18,19,1a\r\n"
                         "\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Hs]\r\n"
                         "\"0\"=\"first\"\r\n";

class DamagedStoreTest : public ::testing::Test {
protected:
    void SetUp() override { clearFolder(); }
    void TearDown() override { clearFolder(); }

    static QDir folder() { return QFileInfo(testenv::storeFile()).absoluteDir(); }
    static void clearFolder()
    {
        testenv::resetStore();
        for (const QString& f : folder().entryList(QDir::Files))
            folder().remove(f);
    }
    static QStringList movedAside() { return folder().entryList({"registry.reg.damaged-*"}, QDir::Files, QDir::Name); }

    // A damaged file met by a reader: false with the output untouched, the file moved aside
    // whole, one warning naming both files.
    void expectMovedAsideByARead(const QByteArray& bytes)
    {
        testenv::writeBytes(testenv::storeFile(), bytes);
        shown_.clear();
        int value = 77;
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "Cbs", value, KEY_READ));
        EXPECT_EQ(value, 77);
        EXPECT_FALSE(QFileInfo::exists(testenv::storeFile()));
        const QStringList moved = movedAside();
        ASSERT_THAT(moved, SizeIs(1));
        EXPECT_EQ(testenv::readBytes(folder().filePath(moved[0])), bytes);
        ASSERT_THAT(shown_.shown, SizeIs(1));
        EXPECT_EQ(shown_.shown[0].kind, ScriptedMessenger::Kind::MessageDialog);
        EXPECT_EQ(shown_.shown[0].icon, Messenger::Icon::Warning);
        EXPECT_THAT(shown_.shown[0].text.toStdString(), HasSubstr(testenv::storeFile().toStdString()));
        EXPECT_THAT(shown_.shown[0].text.toStdString(), HasSubstr(moved[0].toStdString()));
        // Later calls go on with an empty store and say nothing more.
        QString s = "default";
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "h_c", s, KEY_READ));
        EXPECT_EQ(s, "default");
        EXPECT_THAT(shown_.shown, SizeIs(1));
    }

    ScriptedMessenger shown_;
    MessengerScope scope_{&shown_};
};

} // namespace

TEST_F(DamagedStoreTest, TheGoodFileReads)
{
    // The base of the damaged files below is itself a store.
    testenv::writeBytes(testenv::storeFile(), kGood);
    QString s;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "h_c", s, KEY_READ));
    EXPECT_EQ(s, "Unt. States");
    EXPECT_EQ(regstore::load().findKey("Software\\VEMOX\\G_r")->find("Long")->data.size(), 27);
    EXPECT_THAT(shown_.shown, IsEmpty());
    EXPECT_THAT(movedAside(), IsEmpty());
}

TEST_F(DamagedStoreTest, RandomBytesAreMovedAside)
{
    std::mt19937 rng(20240611);
    QByteArray bytes(4096, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(rng());
    expectMovedAsideByARead(bytes);
}

TEST_F(DamagedStoreTest, BrokenLinesAreMovedAside)
{
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"cut inside a string", kGood.left(kGood.indexOf("States"))},
        {"cut inside a dword", kGood.left(kGood.indexOf("00000001") + 4)},
        {"cut inside a key line", kGood.left(kGood.indexOf("VEMOX\\Hs"))},
        {"cut after a continuation", kGood.left(kGood.indexOf("  17,"))},
        {"cut inside a hex byte", kGood.left(kGood.indexOf("a0,e6") + 1)},
        {"unknown type", kGood + "\"q\"=qword:0000000000000001\r\n"},
        {"removal line", kGood + "\"q\"=-\r\n"},
        {"no header", kGood.mid(10)},
        {"another root", QByteArray(kGood).replace("HKEY_CURRENT_USER\\Software\\VEMOX\\Hs", "HKEY_LOCAL_MACHINE\\Software")},
        {"value before any key", "REGEDIT4\r\n\"a\"=\"b\"\r\n"},
        {"text after a string", kGood + "\"q\"=\"a\" junk\r\n"},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        expectMovedAsideByARead(bytes);
        clearFolder();
    }
}

TEST_F(DamagedStoreTest, ACutAtALineEndIsAShorterStore)
{
    // Not damage: a whole line is missing, and what is left is read.
    testenv::writeBytes(testenv::storeFile(), kGood.left(kGood.indexOf("\"Vl\"")));
    QString s;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "h_c", s, KEY_READ));
    EXPECT_EQ(s, "Unt. States");
    EXPECT_THAT(shown_.shown, IsEmpty());
    EXPECT_THAT(movedAside(), IsEmpty());
}

TEST_F(DamagedStoreTest, EveryCutAndFlipOfAGoodFileParsesOrFailsCleanly)
{
    // Straight through the parser: every prefix, and random single-byte changes.
    for (qsizetype n = 0; n <= kGood.size(); ++n) {
        QString why;
        const auto st = regstore::Store::parse(kGood.left(n), &why);
        if (!st) {
            EXPECT_FALSE(why.isEmpty()) << n;
        }
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i) {
        QByteArray b = kGood;
        for (int k = 0; k < 3; ++k)
            b[qsizetype(rng() % b.size())] = char(rng());
        QString why;
        const auto st = regstore::Store::parse(b, &why);
        // Whatever did parse writes out as a store that parses to the same.
        if (st) {
            const auto again = regstore::Store::parse(st->serialize());
            ASSERT_TRUE(again.has_value()) << b.toStdString();
            EXPECT_EQ(again->serialize(), st->serialize());
        }
    }
}

TEST_F(DamagedStoreTest, AWriterMovesTheDamagedFileAsideAndStartsAfresh)
{
    const QByteArray bytes = kGood + "\"q\"=qword:01\r\n";
    testenv::writeBytes(testenv::storeFile(), bytes);
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "New", 5, KEY_WRITE));
    const QStringList moved = movedAside();
    ASSERT_THAT(moved, SizeIs(1));
    EXPECT_EQ(testenv::readBytes(folder().filePath(moved[0])), bytes);
    ASSERT_THAT(shown_.shown, SizeIs(1));
    EXPECT_EQ(shown_.shown[0].kind, ScriptedMessenger::Kind::MessageDialog);
    // The new file holds only the new value.
    const regstore::Store st = regstore::load();
    ASSERT_NE(st.findKey("Software\\VEMOX\\G_r"), nullptr);
    EXPECT_EQ(st.findKey("Software\\VEMOX\\G_r")->values().size(), 1u);
    EXPECT_EQ(st.findKey("Software\\VEMOX\\Hs"), nullptr);

    // A second damaged file in the same second gets a name of its own.
    testenv::writeBytes(testenv::storeFile(), "garbage");
    int i = 0;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "New", i, KEY_READ));
    EXPECT_THAT(movedAside(), SizeIs(2));
    EXPECT_THAT(shown_.shown, SizeIs(2));
    bool kept = false;
    for (const QString& f : movedAside())
        kept = kept || testenv::readBytes(folder().filePath(f)) == bytes;
    EXPECT_TRUE(kept);
}

TEST_F(DamagedStoreTest, ATenMegabyteStoreReadsAndTenMegabytesOfNoiseAreMovedAside)
{
    // A large store is still a store.
    QByteArray big = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Big]\r\n";
    big.reserve(10 * 1024 * 1024 + 200);
    for (int i = 0; big.size() < 10 * 1024 * 1024; ++i)
        big += "\"v" + QByteArray::number(i) + "\"=\"" + QByteArray(90, 'a' + i % 26) + "\"\r\n";
    big += "[HKEY_CURRENT_USER\\Software\\VEMOX\\G_r]\r\n\"Cbs\"=dword:00000009\r\n";
    testenv::writeBytes(testenv::storeFile(), big);
    int value = 0;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "Cbs", value, KEY_READ));
    EXPECT_EQ(value, 9);
    EXPECT_THAT(shown_.shown, IsEmpty());

    std::mt19937 rng(99);
    QByteArray noise(10 * 1024 * 1024, Qt::Uninitialized);
    for (char& c : noise)
        c = char(rng());
    clearFolder();
    expectMovedAsideByARead(noise);
}

TEST_F(DamagedStoreTest, AFileBeyondTheSizeLimitIsMovedAsideUnread)
{
    // Sparse: the size alone rules it out, so nothing is read.
    testenv::writeBytes(testenv::storeFile(), kGood);
    ASSERT_EQ(::truncate(QFile::encodeName(testenv::storeFile()).constData(), regstore::kMaxFileSize + 1), 0);
    int value = 77;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "Cbs", value, KEY_READ));
    EXPECT_EQ(value, 77);
    ASSERT_THAT(movedAside(), SizeIs(1));
    ASSERT_THAT(shown_.shown, SizeIs(1));
    EXPECT_THAT(shown_.shown[0].text.toStdString(), HasSubstr("larger than 64 MB"));
}

TEST_F(DamagedStoreTest, AFolderInPlaceOfTheFileIsMovedAsideToo)
{
    // Whatever stands at the store's name and cannot be read is treated as damaged.
    QDir().mkpath(testenv::storeFile() + "/inside");
    int value = 77;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "Cbs", value, KEY_READ));
    EXPECT_EQ(value, 77);
    EXPECT_THAT(shown_.shown, SizeIs(1));
    const QStringList moved = folder().entryList({"registry.reg.damaged-*"}, QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_THAT(moved, SizeIs(1));
    EXPECT_TRUE(QFileInfo::exists(folder().filePath(moved[0]) + "/inside"));
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "Cbs", 1, KEY_WRITE));
    EXPECT_TRUE(QFileInfo(testenv::storeFile()).isFile());
    EXPECT_THAT(shown_.shown, SizeIs(1));
    QDir(folder().filePath(moved[0])).removeRecursively();
}
