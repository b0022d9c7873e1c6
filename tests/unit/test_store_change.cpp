// Groups of store writes as one change: one replacement of the file, pending values seen by
// reads inside, nothing written when dropped, and at most one report.
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/RegStore.h"
#include "support/Zymregistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtEndian>
#include <cstring>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

const HKEY kRoot = HKEY_CURRENT_USER;
const QString kKey = QStringLiteral("\\Software\\VEMOX\\Change");

QString text(const QString& name)
{
    QString out;
    ZYMAPI::ReadRegistry(kRoot, kKey, name, out, KEY_READ);
    return out;
}

// XDG_CONFIG_HOME naming a file: the store's folder cannot be made.
class UnwritableStore {
public:
    explicit UnwritableStore(const QString& name)
        : old_(qgetenv("XDG_CONFIG_HOME")), path_(testenv::root() + "/" + name)
    {
        testenv::writeBytes(path_, "not a folder");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path_));
    }
    ~UnwritableStore() { qputenv("XDG_CONFIG_HOME", old_); }
    QString storeFile() const { return path_ + "/vemox/registry.reg"; }

private:
    QByteArray old_;
    QString path_;
};

class StoreChangeTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetStore(); }
    void TearDown() override { testenv::resetStore(); }
    static QByteArray fileText() { return testenv::readBytes(testenv::storeFile()); }

    ScriptedMessenger shown_;
    MessengerScope scope_{&shown_};
};

} // namespace

TEST_F(StoreChangeTest, AGroupIsWrittenOnceAndReadsInsideSeeItsValues)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "before", QStringLiteral("old"), KEY_WRITE));
    const QByteArray before = fileText();
    {
        ZYMAPI::StoreChange change;
        for (int i = 0; i < 160; ++i)
            ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QString::number(i), QStringLiteral("v%1").arg(i), KEY_WRITE));
        ASSERT_TRUE(ZYMAPI::DeleteRegistryKeyValue(kRoot, kKey, "before", KEY_WRITE));
        // Pending inside, not yet in the file.
        EXPECT_EQ(text("159"), "v159");
        EXPECT_EQ(text("before"), "");
        EXPECT_EQ(fileText(), before);
        EXPECT_TRUE(change.commit());
    }
    EXPECT_EQ(text("0"), "v0");
    EXPECT_EQ(text("159"), "v159");
    EXPECT_EQ(text("before"), "");
    EXPECT_THAT(shown_.shown, IsEmpty());
}

TEST_F(StoreChangeTest, ADroppedChangeLeavesTheFileAndAnInnerOneUndoesOnlyItsOwn)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "kept", QStringLiteral("yes"), KEY_WRITE));
    const QByteArray before = fileText();
    {
        ZYMAPI::StoreChange outer;
        ZYMAPI::WriteRegistry(kRoot, kKey, "a", QStringLiteral("A"), KEY_WRITE);
        {
            ZYMAPI::StoreChange inner;
            ZYMAPI::WriteRegistry(kRoot, kKey, "b", QStringLiteral("B"), KEY_WRITE);
            ZYMAPI::DeleteRegistryKey(kRoot, kKey, KEY_ALL_ACCESS);
        }
        EXPECT_EQ(text("a"), "A");
        EXPECT_EQ(text("b"), "");
        EXPECT_EQ(text("kept"), "yes");
        {
            ZYMAPI::StoreChange inner;
            ZYMAPI::WriteRegistry(kRoot, kKey, "c", QStringLiteral("C"), KEY_WRITE);
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_EQ(text("c"), "C");
        EXPECT_EQ(fileText(), before);
    }
    EXPECT_EQ(fileText(), before);
    EXPECT_EQ(text("a"), "");
    EXPECT_EQ(text("c"), "");
}

TEST_F(StoreChangeTest, AnotherWritersChangeMeanwhileIsKept)
{
    ZYMAPI::StoreChange change;
    ZYMAPI::WriteRegistry(kRoot, kKey, "mine", QStringLiteral("1"), KEY_WRITE);
    {
        // Another process replaces the file between this change's read and its commit.
        regstore::WriteSession other;
        ASSERT_TRUE(other.isOpen());
        other.store().setValue("Software\\VEMOX\\Other", "theirs", regstore::RegSz, QByteArray("2\0", 2));
        ASSERT_TRUE(other.commit());
    }
    ASSERT_TRUE(change.commit());
    const regstore::Store now = regstore::load();
    ASSERT_NE(now.findKey("Software\\VEMOX\\Other"), nullptr);
    EXPECT_NE(now.findKey("Software\\VEMOX\\Other")->find("theirs"), nullptr);
    EXPECT_EQ(text("mine"), "1");
}

TEST_F(StoreChangeTest, ErrorsOfTheCallsInAGroupAreOneReport)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "s", QStringLiteral("ab"), KEY_WRITE));
    ZYMAPI::StoreChange change;
    int i = 7;
    EXPECT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "s", i, KEY_READ));
    EXPECT_EQ(i, 7);
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QStringLiteral("bad\nname"), 1, KEY_WRITE));
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "good", 1, KEY_WRITE));
    EXPECT_THAT(shown_.shown, IsEmpty());
    EXPECT_TRUE(change.commit());
    EXPECT_THAT(shown_.errors(),
                ElementsAre("Invalid data type for 's'Error: - (ReadRegistry) zym.\n"
                            "Failed to set data for 'bad\nname'Error: - (ReadRegistry) zym."));
    EXPECT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "good", i, KEY_READ));
    EXPECT_EQ(i, 1);
}

TEST_F(StoreChangeTest, AStoreThatCannotBeWrittenIsToldOnceWithWhereItIs)
{
    const UnwritableStore unwritable("config-is-a-file");
    {
        ZYMAPI::StoreChange change;
        for (int i = 0; i < 160; ++i)
            ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QString::number(i), QStringLiteral("v"), KEY_WRITE));
        EXPECT_THAT(shown_.shown, IsEmpty());
        EXPECT_FALSE(change.commit());
    }
    ASSERT_EQ(shown_.errors().size(), 1);
    const std::string message = shown_.errors().front().toStdString();
    EXPECT_THAT(message, HasSubstr("Settings cannot be saved to " + unwritable.storeFile().toStdString()));
    EXPECT_THAT(message, HasSubstr("Not a directory"));
    EXPECT_THAT(message, ::testing::Not(HasSubstr("zym")));

    // The same problem again, in a change or in a single call, is not told again.
    shown_.clear();
    ZYMAPI::StoreChange again;
    ZYMAPI::WriteRegistry(kRoot, kKey, "x", 1, KEY_WRITE);
    EXPECT_FALSE(again.commit());
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, "\\Software\\VEMOX\\Other", "x", 1, KEY_WRITE));
    EXPECT_THAT(shown_.shown, IsEmpty());
}

TEST_F(StoreChangeTest, DatesBeforeDayZeroKeepTheirTimeAsAPositiveFraction)
{
    const QDateTime early(QDate(1899, 12, 29), QTime(6, 0));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "early", early, KEY_WRITE));
    double stored = 0;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "early", stored, KEY_READ));
    EXPECT_EQ(stored, -1.25);
    QDateTime back;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "early", back, KEY_READ));
    EXPECT_EQ(back, early);

    const double later = -700.75;   // 700 days before day zero, 18:00
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "stored", later, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "stored", back, KEY_READ));
    EXPECT_EQ(back, QDateTime(QDate(1899, 12, 30).addDays(-700), QTime(18, 0)));
    EXPECT_THAT(shown_.shown, IsEmpty());
}
