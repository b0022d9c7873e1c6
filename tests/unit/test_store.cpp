// The per-user store through the ZYMAPI functions, and the REGEDIT4 file underneath.
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/RegStore.h"
#include "support/Zymregistry.h"

#include <gmock/gmock.h>
#include <memory>
#include <gtest/gtest.h>

#include <QFileInfo>
#include <cstring>
#include <functional>
#include <sys/stat.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const HKEY kRoot = HKEY_CURRENT_USER;
const QString kKey = QStringLiteral("\\Software\\VEMOX\\Test");

QString readSuffixed(const QString& message) { return message + "Error: - (ReadRegistry) zym."; }

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetStore(); }
    void TearDown() override { testenv::resetStore(); }

    // A store file as an operator might have typed it.
    static void handWritten(const QByteArray& text) { testenv::writeBytes(testenv::storeFile(), text); }
    static QByteArray fileText() { return testenv::readBytes(testenv::storeFile()); }
    static QStringList listOf(const QString& key = kKey)
    {
        QStringList out;
        ZYMAPI::ReadRegistry(kRoot, key, out, KEY_READ);
        return out;
    }

    ScriptedMessenger shown_;
    MessengerScope scope_{&shown_};
};

// A window as the geometry functions see it, recording what they set.
class FakeForm : public FormGeometry {
public:
    FakeForm(QString name, QRect rect) : name_(std::move(name)), rect_(rect) {}
    QString formName() const override { return name_; }
    QRect formRect() const override { return rect_; }
    void setFormLeft(int v) override { set.append(QStringLiteral("left=%1").arg(v)); }
    void setFormTop(int v) override { set.append(QStringLiteral("top=%1").arg(v)); }
    void setFormWidth(int v) override { set.append(QStringLiteral("width=%1").arg(v)); }
    void setFormHeight(int v) override { set.append(QStringLiteral("height=%1").arg(v)); }
    void setFormStateNormal() override { set.append(QStringLiteral("normal")); }
    QStringList set;

private:
    QString name_;
    QRect rect_;
};

} // namespace

// ---------------------------------------------------------------- order and lists

TEST_F(StoreTest, ValuesEnumerateInCreationOrder)
{
    for (const char* name : {"zulu", "alpha", "Mike", "bravo"})
        ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QString::fromLatin1(name), QString::fromLatin1(name).toUpper(), KEY_WRITE));
    // Rewriting a value keeps its place.
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "alpha", QStringLiteral("again"), KEY_WRITE));
    EXPECT_THAT(listOf(), ElementsAre("ZULU", "again", "MIKE", "BRAVO"));

    // The names-and-values reader sorts case-insensitively and pairs each value with its name.
    QStringList names{"stale"}, values;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, names, values, KEY_READ));
    EXPECT_THAT(names, ElementsAre("alpha", "bravo", "Mike", "zulu"));
    EXPECT_THAT(values, ElementsAre("again", "BRAVO", "MIKE", "ZULU"));

    // Keys keep their order in the file too, parents before children.
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, "\\Software\\VEMOX\\B\\Deep", "x", 1, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, "\\Software\\VEMOX\\A", "x", 1, KEY_WRITE));
    const QByteArray text = fileText();
    const qsizetype test = text.indexOf("[HKEY_CURRENT_USER\\Software\\VEMOX\\Test]");
    const qsizetype b = text.indexOf("[HKEY_CURRENT_USER\\Software\\VEMOX\\B]");
    const qsizetype deep = text.indexOf("[HKEY_CURRENT_USER\\Software\\VEMOX\\B\\Deep]");
    const qsizetype a = text.indexOf("[HKEY_CURRENT_USER\\Software\\VEMOX\\A]");
    EXPECT_TRUE(test > 0 && test < b && b < deep && deep < a) << text.constData();
    EXPECT_LT(text.indexOf("\"zulu\""), text.indexOf("\"alpha\""));
}

TEST_F(StoreTest, ShorterListLeavesTheHigherEntriesOfALongerOne)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QStringList{"a", "b", "c", "d", "e"}, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QStringList{"x", "y", "z"}, KEY_WRITE));
    EXPECT_THAT(listOf(), ElementsAre("x", "y", "z", "d", "e"));

    // The caller that wants a shorter list deletes the key first.
    ASSERT_TRUE(ZYMAPI::DeleteRegistryKey(kRoot, kKey, KEY_ALL_ACCESS));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QStringList{"x", "y", "z"}, KEY_WRITE));
    EXPECT_THAT(listOf(), ElementsAre("x", "y", "z"));

    // The list reader appends to what the caller's list holds.
    QStringList out{"kept"};
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, out, KEY_READ));
    EXPECT_THAT(out, ElementsAre("kept", "x", "y", "z"));
    EXPECT_THAT(shown_.shown, IsEmpty());
}

TEST_F(StoreTest, EmptyListMakesAnEmptyKeyThatReadsAsNothing)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QStringList{}, KEY_WRITE));
    EXPECT_TRUE(fileText().contains("[HKEY_CURRENT_USER\\Software\\VEMOX\\Test]\r\n"));
    EXPECT_TRUE(regstore::load().findKey("software\\vemox\\test")->values().empty());

    QStringList out{"kept"};
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, out, KEY_READ));
    EXPECT_THAT(out, ElementsAre("kept"));
    QStringList names{"old"}, values{"kept"};
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, names, values, KEY_READ));
    EXPECT_THAT(names, IsEmpty());
    EXPECT_THAT(values, ElementsAre("kept"));
    EXPECT_THAT(shown_.shown, IsEmpty());
}

TEST_F(StoreTest, NamesAndValuesSortAsText)
{
    QStringList twelve;
    for (int i = 0; i < 12; ++i)
        twelve.append(QStringLiteral("v%1").arg(i));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, twelve, KEY_WRITE));
    QStringList names, values{"first"};
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, names, values, KEY_READ));
    EXPECT_THAT(names, ElementsAre("0", "1", "10", "11", "2", "3", "4", "5", "6", "7", "8", "9"));
    EXPECT_THAT(values, ElementsAre("first", "v0", "v1", "v10", "v11", "v2", "v3", "v4", "v5", "v6", "v7",
                                    "v8", "v9"));
    // The plain list reader keeps creation order.
    EXPECT_EQ(listOf(), twelve);
}

TEST_F(StoreTest, ListOfNonStringsReportsTheFirstBadEntry)
{
    handWritten("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Test]\r\n"
                "\"0\"=\"a\"\r\n\"1\"=dword:00000001\r\n\"2\"=\"c\"\r\n");
    QStringList out;
    EXPECT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, out, KEY_READ));
    EXPECT_THAT(out, ElementsAre("a"));   // what came before the error stays
    EXPECT_THAT(shown_.errors(), ElementsAre(readSuffixed("Invalid data type for '1'")));
}

// ---------------------------------------------------------------- types and sizes

TEST_F(StoreTest, WrongTypesAndSizesShowTheStoresMessage)
{
    handWritten("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Test]\r\n"
                "\"bin4\"=hex:01,02,03,04\r\n"
                "\"bin12\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b\r\n"
                "\"long\"=\"abcdefgh\"\r\n"
                "\"short\"=\"ab\"\r\n"
                "\"dw\"=dword:00000005\r\n"
                "\"bin5\"=hex:01,02,03,04,05\r\n"
                "\"bin261\"=hex:" + QByteArray("00,").repeated(260) + "00\r\n");

    struct Case {
        const char* name;
        std::function<bool(const QString&)> read;
        const char* message;
    };
    int i = 42;
    bool b = false;
    double d = 2.5;
    QDateTime when = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6));
    const QDateTime whenBefore = when;
    QString s = "before";
    std::uint32_t u = 99;
    const std::vector<Case> cases = {
        {"int from 4 binary bytes", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, i, KEY_READ); },
         "Invalid data type for 'bin4'"},
        {"int from a long string", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, i, KEY_READ); },
         "Failed to get data for 'long'"},
        {"bool from a short string", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, b, KEY_READ); },
         "Invalid data type for 'short'"},
        {"date from 4 bytes", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, when, KEY_READ); },
         "Invalid data type for 'bin4'"},
        {"date from 12 bytes", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, when, KEY_READ); },
         "Failed to get data for 'bin12'"},
        {"double from a dword", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, d, KEY_READ); },
         "Invalid data type for 'dw'"},
        {"string from a dword", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, s, KEY_READ); },
         "Invalid data type for 'dw'"},
        {"string from binary", [&](const QString& n) { return ZYMAPI::ReadRegistry(kRoot, kKey, n, s, KEY_READ); },
         "Invalid data type for 'bin4'"},
        {"binary 32 from 5 bytes", [&](const QString& n) { return ZYMAPI::ReadRegistryBINARY(kRoot, kKey, n, u, KEY_READ); },
         "Invalid data type for 'bin5'"},
        {"binary 32 from a dword", [&](const QString& n) { return ZYMAPI::ReadRegistryBINARY(kRoot, kKey, n, u, KEY_READ); },
         "Invalid data type for 'dw'"},
        {"binary text from 261 bytes", [&](const QString& n) { return ZYMAPI::ReadRegistryBINARY(kRoot, kKey, n, s, KEY_READ); },
         "Invalid data type for 'bin261'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shown_.clear();
        const QString msg = QString::fromLatin1(c.message);
        const QString name = msg.section('\'', 1, 1);
        EXPECT_TRUE(c.read(name));
        ASSERT_EQ(shown_.shown.size(), 1u);
        EXPECT_EQ(shown_.shown[0].kind, ScriptedMessenger::Kind::ErrorBox);
        EXPECT_EQ(shown_.shown[0].text, readSuffixed(msg));
    }
    // Every output kept what it held.
    EXPECT_EQ(i, 42);
    EXPECT_FALSE(b);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(when, whenBefore);
    EXPECT_EQ(s, "before");
    EXPECT_EQ(u, 99u);
}

TEST_F(StoreTest, BinaryReadersTakeShortAndUnclassifiedData)
{
    handWritten("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Test]\r\n"
                "\"two\"=hex:34,12\r\n"
                "\"other\"=hex(7):78,56,34,12\r\n"
                "\"text\"=hex:41,42,43,00,ff,ff\r\n");
    std::uint32_t u = 0xFFFFFFFF;
    ASSERT_TRUE(ZYMAPI::ReadRegistryBINARY(kRoot, kKey, "two", u, KEY_READ));
    EXPECT_EQ(u, 0x1234u);   // the low bytes, the rest cleared
    ASSERT_TRUE(ZYMAPI::ReadRegistryBINARY(kRoot, kKey, "other", u, KEY_READ));
    EXPECT_EQ(u, 0x12345678u);
    QString s;
    ASSERT_TRUE(ZYMAPI::ReadRegistryBINARY(kRoot, kKey, "text", s, KEY_READ));
    EXPECT_EQ(s, "ABC");

    // The writer fills the whole field; a text that does not fit is refused, not cut.
    ASSERT_TRUE(ZYMAPI::WriteRegistryBINARY(kRoot, kKey, "field", QStringLiteral("Banner"), KEY_WRITE));
    const regstore::Store after = regstore::load();
    const regstore::Value* v = after.findKey("Software\\VEMOX\\Test")->find("field");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, regstore::RegBinary);
    ASSERT_EQ(v->data.size(), 260);
    EXPECT_TRUE(v->data.startsWith(QByteArray("Banner\0", 7)));
    ASSERT_TRUE(ZYMAPI::ReadRegistryBINARY(kRoot, kKey, "field", s, KEY_READ));
    EXPECT_EQ(s, "Banner");
    EXPECT_THAT(shown_.shown, IsEmpty());
    EXPECT_TRUE(ZYMAPI::WriteRegistryBINARY(kRoot, kKey, "field", QString(260, 'x'), KEY_WRITE));
    EXPECT_THAT(shown_.errors(), ElementsAre(readSuffixed("Failed to set data for 'field'")));
    ASSERT_TRUE(ZYMAPI::ReadRegistryBINARY(kRoot, kKey, "field", s, KEY_READ));
    EXPECT_EQ(s, "Banner");
}

TEST_F(StoreTest, MissingKeyOrValueLeavesTheOutputAlone)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "present", 1, KEY_WRITE));
    for (const QString& key : {kKey, QStringLiteral("\\Software\\VEMOX\\Nowhere")}) {
        SCOPED_TRACE(key.toStdString());
        int i = 42;
        bool b = true;
        double d = 2.5;
        long l = -7;
        TColor c{0xABCDEF};
        QString s = "kept";
        QDateTime when(QDate(2020, 1, 1), QTime(12, 0));
        std::uint32_t u = 5;
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, key, "absent", i, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, key, "absent", b, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, key, "absent", d, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, key, "absent", l, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, key, "absent", c, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, key, "absent", s, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, key, "absent", when, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistryBINARY(kRoot, key, "absent", u, KEY_READ));
        EXPECT_FALSE(ZYMAPI::ReadRegistryBINARY(kRoot, key, "absent", s, KEY_READ));
        EXPECT_EQ(i, 42);
        EXPECT_TRUE(b);
        EXPECT_EQ(d, 2.5);
        EXPECT_EQ(l, -7);
        EXPECT_EQ(c.value, 0xABCDEFu);
        EXPECT_EQ(s, "kept");
        EXPECT_EQ(when, QDateTime(QDate(2020, 1, 1), QTime(12, 0)));
        EXPECT_EQ(u, 5u);
    }
    // Deleting what is not there is no error either.
    EXPECT_TRUE(ZYMAPI::DeleteRegistryKey(kRoot, "\\Software\\VEMOX\\Nowhere", KEY_ALL_ACCESS));
    EXPECT_TRUE(ZYMAPI::DeleteRegistryKeyValue(kRoot, kKey, "absent", KEY_WRITE));
    EXPECT_TRUE(ZYMAPI::DeleteRegistryKeyValue(kRoot, "\\Software\\VEMOX\\Nowhere", "absent", KEY_WRITE));
    EXPECT_THAT(shown_.shown, IsEmpty());
    // Nor does reading without a store file make one.
    testenv::resetStore();
    int i = 3;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "present", i, KEY_READ));
    EXPECT_FALSE(QFileInfo::exists(testenv::storeFile()));
}

TEST_F(StoreTest, BoolIsAnyNonZeroDwordAndIsWrittenAsOne)
{
    handWritten("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Test]\r\n"
                "\"seven\"=dword:00000007\r\n\"zero\"=dword:00000000\r\n\"high\"=dword:80000000\r\n");
    bool b = false;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "seven", b, KEY_READ));
    EXPECT_TRUE(b);
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "zero", b, KEY_READ));
    EXPECT_FALSE(b);
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "high", b, KEY_READ));
    EXPECT_TRUE(b);

    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "seven", true, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "zero", false, KEY_WRITE));
    const QByteArray text = fileText();
    EXPECT_TRUE(text.contains("\"seven\"=dword:00000001\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("\"zero\"=dword:00000000\r\n"));
}

TEST_F(StoreTest, WritingReplacesAValueOfAnyType)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", QStringLiteral("text"), KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 12, KEY_WRITE));
    int i = 0;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "v", i, KEY_READ));
    EXPECT_EQ(i, 12);
    EXPECT_THAT(shown_.shown, IsEmpty());
    // A long beyond 32 bits would come back as another number, so it is refused.
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", long(1) << 40, KEY_WRITE));
    EXPECT_THAT(shown_.errors(), ElementsAre(readSuffixed("Failed to set data for 'v'")));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "v", i, KEY_READ));
    EXPECT_EQ(i, 12);
}

TEST_F(StoreTest, DeletingAValueAndAKeyWithItsSubkeys)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "a", 1, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "b", 2, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey + "\\Sub", "c", 3, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey + "Sibling", "d", 4, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::DeleteRegistryKeyValue(kRoot, kKey, "A", KEY_WRITE));
    int i = 0;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "a", i, KEY_READ));
    EXPECT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "b", i, KEY_READ));

    ASSERT_TRUE(ZYMAPI::DeleteRegistryKey(kRoot, kKey, KEY_ALL_ACCESS));
    const regstore::Store s = regstore::load();
    EXPECT_EQ(s.findKey("Software\\VEMOX\\Test"), nullptr);
    EXPECT_EQ(s.findKey("Software\\VEMOX\\Test\\Sub"), nullptr);
    ASSERT_NE(s.findKey("Software\\VEMOX\\TestSibling"), nullptr);   // a prefix is not a parent
    EXPECT_NE(s.findKey("Software\\VEMOX"), nullptr);
    EXPECT_THAT(shown_.shown, IsEmpty());
}

// ---------------------------------------------------------------- geometry

TEST_F(StoreTest, SavedGeometryIsClampedAndTheFlagWrittenFalse)
{
    const QString key = QStringLiteral("\\Software\\VEMOX\\G_r");
    FakeForm small("Form1", QRect(-20, -5, 500, 300));
    EXPECT_FALSE(IsFormSizeSavedToRegistry(kRoot, key, small));
    SaveFormDetail(kRoot, key, small, 1);
    const regstore::Store saved = regstore::load();
    const regstore::Key* k = saved.findKey("Software\\VEMOX\\G_r");
    ASSERT_NE(k, nullptr);
    QStringList names;
    for (const regstore::Value& v : k->values())
        names.append(v.name);
    EXPECT_THAT(names, ElementsAre("Form11", "Form12", "Form13", "Form14", "Form1IsMas"));
    const QByteArray text = fileText();
    EXPECT_TRUE(text.contains("\"Form11\"=dword:00000258\r\n\"Form12\"=dword:00000190\r\n"
                              "\"Form13\"=dword:00000000\r\n\"Form14\"=dword:00000000\r\n"
                              "\"Form1IsMas\"=dword:00000000\r\n"))
        << text.constData();
    EXPECT_TRUE(IsFormPostionSavedToRegistry(kRoot, key, small));
    EXPECT_TRUE(IsFormSizeSavedToRegistry(kRoot, key, small));

    // Mode 0 saves the position only, mode 2 the size only.
    FakeForm big("Form1", QRect(30, 40, 800, 700));
    SaveFormDetail(kRoot, key, big, 0);
    FakeForm loaded("Form1", {});
    LoadFormDetail(kRoot, key, loaded, 1);
    EXPECT_THAT(loaded.set, ElementsAre("width=600", "height=400", "left=30", "top=40", "normal"));
    SaveFormDetail(kRoot, key, big, 2);
    loaded.set.clear();
    LoadFormDetail(kRoot, key, loaded, 2);
    EXPECT_THAT(loaded.set, ElementsAre("width=800", "height=700", "normal"));
    loaded.set.clear();
    LoadFormDetail(kRoot, key, loaded, 0);
    EXPECT_THAT(loaded.set, ElementsAre("left=30", "top=40", "normal"));
}

TEST_F(StoreTest, LoadingGeometryKeepsDefaultsForMissingOrBadValues)
{
    const QString key = QStringLiteral("\\Software\\VEMOX\\G_r");
    FakeForm form("Hist", {});
    LoadFormDetail(kRoot, key, form, 1);
    EXPECT_THAT(form.set, ElementsAre("normal"));   // nothing stored: nothing set

    // The position test looks at the width value, not the left edge.
    handWritten("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\G_r]\r\n"
                "\"Hist3\"=dword:00000010\r\n");
    EXPECT_FALSE(IsFormPostionSavedToRegistry(kRoot, key, form));

    // A value of the wrong type is reported and its default set.
    handWritten("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\G_r]\r\n"
                "\"Hist1\"=\"wide\"\r\n\"Hist2\"=dword:000001f4\r\n\"Hist3\"=hex:01\r\n");
    form.set.clear();
    LoadFormDetail(kRoot, key, form, 1);
    EXPECT_THAT(form.set, ElementsAre("width=600", "height=500", "left=0", "normal"));
    EXPECT_THAT(shown_.errors(), ElementsAre(readSuffixed("Failed to get data for 'Hist1'"),
                                             readSuffixed("Invalid data type for 'Hist3'")));
}

// ---------------------------------------------------------------- the file

TEST_F(StoreTest, EveryValueTypeSurvivesTheFileAndAFreshReader)
{
    const QByteArray controls("tab\there\r\nnew\x01line\x7f", 19);
    const QByteArray latin1("caf\xe9 \"quoted\" back\\slash", 24);
    const QByteArray bigBinary = [] {
        QByteArray b;
        for (int i = 0; i < 300; ++i)
            b.append(char(i * 7));
        return b;
    }();
    const std::vector<regstore::Value> written = {
        {"plain", regstore::RegSz, latin1 + '\0'},
        {"empty", regstore::RegSz, QByteArray(1, '\0')},
        {"zeroLength", regstore::RegSz, QByteArray()},
        {"controls", regstore::RegSz, controls + '\0'},
        {"noTerminator", regstore::RegSz, "abc"},
        {"inner\\\"zero", regstore::RegSz, QByteArray("a\0b\0", 4)},
        {"expand", regstore::RegExpandSz, QByteArray("%HOME%\\x\0", 9)},
        {"dword", regstore::RegDword, QByteArray("\x78\x56\x34\x12", 4)},
        {"oddDword", regstore::RegDword, QByteArray("\x01\x02", 2)},
        {"binary", regstore::RegBinary, bigBinary},
        {"emptyBinary", regstore::RegBinary, QByteArray()},
        {"multi", 7, QByteArray("a\0b\0\0", 5)},
        {"big type", 0x12345678, QByteArray("\xff", 1)},
        {"", regstore::RegSz, QByteArray("default\0", 8)},
    };
    {
        regstore::WriteSession session;
        ASSERT_TRUE(session.isOpen());
        session.store().createKey("Software\\VEMOX\\Empty");
        for (const regstore::Value& v : written)
            session.store().setValue("Software\\VEMOX\\Types", v.name, v.type, v.data);
        ASSERT_TRUE(session.commit());
    }
    const QByteArray text = fileText();
    EXPECT_TRUE(text.startsWith("REGEDIT4\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("\"plain\"=\"caf\xe9 \\\"quoted\\\" back\\\\slash\"\r\n"));
    EXPECT_TRUE(text.contains("\"controls\"=hex(1):74,61,62,09,"));
    EXPECT_TRUE(text.contains("\"expand\"=hex(2):25,48,"));
    EXPECT_TRUE(text.contains("\"dword\"=dword:12345678\r\n"));
    EXPECT_TRUE(text.contains("\"big type\"=hex(12345678):ff\r\n"));
    EXPECT_TRUE(text.contains("@=\"default\"\r\n"));
    EXPECT_TRUE(text.contains("[HKEY_CURRENT_USER\\Software\\VEMOX\\Empty]\r\n"));
    for (const QByteArray& line : text.split('\n'))
        EXPECT_LE(line.size(), 81) << "long hex lists wrap";

    const regstore::Store fresh = regstore::load();
    ASSERT_NE(fresh.findKey("Software\\VEMOX\\Empty"), nullptr);
    const regstore::Key* k = fresh.findKey("Software\\VEMOX\\Types");
    ASSERT_NE(k, nullptr);
    ASSERT_EQ(k->values().size(), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(written[i].name.toStdString());
        EXPECT_EQ(k->values()[i].name, written[i].name);
        EXPECT_EQ(k->values()[i].type, written[i].type);
        EXPECT_EQ(k->values()[i].data, written[i].data);
    }
    // Serialising what was read gives the same file back.
    EXPECT_EQ(fresh.serialize(), text);
}

TEST_F(StoreTest, TypedValuesRoundTripThroughTheFunctions)
{
    const QDateTime when(QDate(2023, 7, 14), QTime(13, 45, 30));
    const QString text = QStringLiteral("Unt. States \"x\" \\ caf\u00e9\tend");
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "when", when, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "rate", 1.0 / 3.0, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "int", -123456, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "long", long(-2147483647 - 1), KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "colour", TColor{0x00FF8040}, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "text", text, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "blank", QString(), KEY_WRITE));
    const QString wide = QStringLiteral("\u0410\u0437\u0438\u044f pa\u20ac \U0001F600");   // beyond Latin-1
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "wide", wide, KEY_WRITE));

    QDateTime when2;
    double rate = 0;
    int i = 0;
    long l = 0;
    TColor c;
    QString t, blank = "x";
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "when", when2, KEY_READ));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "rate", rate, KEY_READ));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "int", i, KEY_READ));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "long", l, KEY_READ));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "colour", c, KEY_READ));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "text", t, KEY_READ));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "blank", blank, KEY_READ));
    EXPECT_EQ(when2, when);
    EXPECT_EQ(rate, 1.0 / 3.0);
    EXPECT_EQ(i, -123456);
    EXPECT_EQ(l, -2147483647L - 1);
    EXPECT_EQ(c.value, 0x00FF8040u);
    EXPECT_EQ(t, text);
    EXPECT_EQ(blank, "");
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "wide", t, KEY_READ));
    EXPECT_EQ(t, wide);
    EXPECT_THAT(shown_.shown, IsEmpty());

    // The stored forms: a date-time is its day count as a double, 8 bytes little-endian.
    const regstore::Store stored = regstore::load();
    const regstore::Key* k = stored.findKey("Software\\VEMOX\\Test");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->find("when")->type, regstore::RegBinary);
    double days = 0;
    ASSERT_EQ(k->find("when")->data.size(), 8);
    std::memcpy(&days, k->find("when")->data.constData(), 8);
    EXPECT_NEAR(days, 45121.0 + (13 * 3600 + 45 * 60 + 30) / 86400.0, 1e-9);
    EXPECT_EQ(k->find("int")->data, QByteArray("\xc0\x1d\xfe\xff", 4));
    EXPECT_EQ(k->find("blank")->data, QByteArray(1, '\0'));
}

TEST_F(StoreTest, StringReaderTakesExpandableAndStopsAtTheFirstZero)
{
    handWritten("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VEMOX\\Test]\r\n"
                "\"exp\"=hex(2):25,50,41,54,48,25,00\r\n"
                "\"cut\"=hex(1):61,62,00,63,64,00\r\n"
                "\"none\"=hex(1):\r\n"
                "\"empty\"=\"\"\r\n");
    QString s = "x";
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "exp", s, KEY_READ));
    EXPECT_EQ(s, "%PATH%");   // not expanded
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "cut", s, KEY_READ));
    EXPECT_EQ(s, "ab");
    s = "x";
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "none", s, KEY_READ));
    EXPECT_EQ(s, "");
    s = "x";
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "empty", s, KEY_READ));
    EXPECT_EQ(s, "");
    EXPECT_THAT(shown_.shown, IsEmpty());
}

TEST_F(StoreTest, AFileEditedByHandReads)
{
    handWritten("\r\n"
                "REGEDIT4\n"
                "\n"
                "; settings typed by the operator\r\n"
                "  [HKEY_CURRENT_USER\\Software\\VEMOX\\Test]  \n"
                "\"Spaced\"   =   \"a b\"   \r\n"
                "\t\"Tabbed\"\t=\tdword:0000000A\n"
                "\r\n"
                "\"Path\"=\"C:\\Program Files\\x\"\n"
                "\"Bytes\"=hex:DE,ad, Be ,ef,\\\n"
                "    01,02,\\\r\n"
                "  03\n"
                "[hkey_current_user\\software\\vemox\\other]\n"
                "\"x\"=dword:00000001\n"
                "[HKEY_CURRENT_USER\\SOFTWARE\\VEMOX\\TEST]\n"
                "\"Tabbed\"=dword:0000000b\n"
                "\"Later\"=\"l\"");   // no line end at the end of the file
    QString s;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "spaced", s, KEY_READ));
    EXPECT_EQ(s, "a b");
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "Path", s, KEY_READ));
    EXPECT_EQ(s, "C:\\Program Files\\x");
    int i = 0;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "Tabbed", i, KEY_READ));
    EXPECT_EQ(i, 11);   // the later line counts
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, "\\Software\\VEMOX\\Other", "x", i, KEY_READ));
    EXPECT_EQ(i, 1);
    const regstore::Store st = regstore::load();
    const regstore::Key* k = st.findKey("Software\\VEMOX\\Test");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->find("Bytes")->data, QByteArray("\xde\xad\xbe\xef\x01\x02\x03", 7));
    QStringList names;
    for (const regstore::Value& v : k->values())
        names.append(v.name);
    EXPECT_THAT(names, ElementsAre("Spaced", "Tabbed", "Path", "Bytes", "Later"));   // merged section
    EXPECT_THAT(shown_.shown, IsEmpty());

    // The next write puts the file in its own form and keeps what the operator typed.
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "New", 5, KEY_WRITE));
    const QByteArray text = fileText();
    EXPECT_FALSE(text.contains("; settings")) << text.constData();
    EXPECT_TRUE(text.contains("\"Spaced\"=\"a b\"\r\n\"Tabbed\"=dword:0000000b\r\n"));
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "Path", s, KEY_READ));
    EXPECT_EQ(s, "C:\\Program Files\\x");
}

TEST_F(StoreTest, NamesMatchWithoutCaseAndKeepTheirFirstCase)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, "\\Software\\VEMOX\\G_r", "Cbs", 1, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, "\\SOFTWARE\\vemox\\g_R", "CBS", 2, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, "\\software\\Vemox\\G_R\\", "h_C", QStringLiteral("x"), KEY_WRITE));
    int i = 0;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, "\\software\\VEMOX\\G_R", "cbs", i, KEY_READ));
    EXPECT_EQ(i, 2);
    QStringList names, values;
    ASSERT_TRUE(ZYMAPI::ReadRegistry(kRoot, "\\Software\\VEMOX\\G_r", names, values, KEY_READ));
    EXPECT_THAT(names, ElementsAre("Cbs", "h_C"));
    const QByteArray text = fileText();
    EXPECT_EQ(text.count("[HKEY_CURRENT_USER"), 3) << text.constData();   // Software, VEMOX, G_r
    EXPECT_TRUE(text.contains("[HKEY_CURRENT_USER\\Software\\VEMOX\\G_r]\r\n\"Cbs\"=dword:00000002\r\n"));
}

TEST_F(StoreTest, FileAndFolderAreTheOwnersOnly)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "secret", QStringLiteral("proxy password"), KEY_WRITE));
    struct stat sb {};
    ASSERT_EQ(::stat(QFile::encodeName(testenv::storeFile()).constData(), &sb), 0);
    EXPECT_EQ(sb.st_mode & 07777, 0600u);
    // A file an operator made world-readable is put back to 0600 by the next write.
    ::chmod(QFile::encodeName(testenv::storeFile()).constData(), 0644);
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "secret", QStringLiteral("another"), KEY_WRITE));
    ASSERT_EQ(::stat(QFile::encodeName(testenv::storeFile()).constData(), &sb), 0);
    EXPECT_EQ(sb.st_mode & 07777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(testenv::storeFile() + ".lock").constData(), &sb), 0);
    EXPECT_EQ(sb.st_mode & 077, 0u);
    // No temporary file is left behind.
    EXPECT_FALSE(QFileInfo::exists(testenv::storeFile() + ".tmp"));
}

TEST_F(StoreTest, AccessMaskAndRootDecideWhatACallMayDo)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 1, KEY_WRITE));
    int i = 0;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(kRoot, kKey, "v", i, KEY_WRITE));
    EXPECT_FALSE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 2, KEY_READ));
    const HKEY other = 0x80000002u;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(other, kKey, "v", i, KEY_READ));
    EXPECT_FALSE(ZYMAPI::WriteRegistry(other, kKey, "v", 2, KEY_WRITE));
    // A key path that cannot exist is a key that cannot be opened: false, no message.
    EXPECT_FALSE(ZYMAPI::WriteRegistry(kRoot, "\\Software\\\\VEMOX", "v", 2, KEY_WRITE));
    EXPECT_TRUE(ZYMAPI::ReadRegistry(kRoot, kKey, "v", i, KEY_READ));
    EXPECT_EQ(i, 1);
    EXPECT_THAT(shown_.shown, IsEmpty());
    // A value name the file cannot hold is a failed write.
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QStringLiteral("bad\nname"), 2, KEY_WRITE));
    EXPECT_THAT(shown_.errors(), ElementsAre(readSuffixed("Failed to set data for 'bad\nname'")));
}

TEST_F(StoreTest, AFileThatCannotBeReplacedIsToldOnceForEveryChanger)
{
    ASSERT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 1, KEY_WRITE));
    const QByteArray before = fileText();
    auto full = std::make_unique<testenv::FullDisk>();
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 2, KEY_WRITE));
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, QStringList{"a"}, KEY_WRITE));
    EXPECT_FALSE(ZYMAPI::DeleteRegistryKeyValue(kRoot, kKey, "v", KEY_WRITE));
    EXPECT_FALSE(ZYMAPI::DeleteRegistryKey(kRoot, kKey, KEY_ALL_ACCESS));
    // Each changer fails on the same problem, which the operator is told once, with where.
    EXPECT_THAT(shown_.errors(),
                ElementsAre("Settings cannot be saved to " + testenv::storeFile() + ": " + testenv::storeFile() +
                            " cannot be written (File too large). The program goes on, but the settings "
                            "changed now will be lost when it closes."));
    EXPECT_EQ(fileText(), before);
    // A change that changes nothing does not need the replacement, and says nothing.
    shown_.clear();
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 1, KEY_WRITE));
    EXPECT_THAT(shown_.shown, IsEmpty());
    full.reset();
    // Once a write has gone through, the same problem is told again when it comes back.
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 3, KEY_WRITE));
    full = std::make_unique<testenv::FullDisk>();
    EXPECT_TRUE(ZYMAPI::WriteRegistry(kRoot, kKey, "v", 4, KEY_WRITE));
    full.reset();
    EXPECT_EQ(shown_.errors().size(), 1);
    EXPECT_THAT(QDir(QFileInfo(testenv::storeFile()).path()).entryList({"*.tmp*"}), IsEmpty());
}
