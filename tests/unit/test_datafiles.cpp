// Data files as lines: every line end, Latin-1 byte for byte, CR LF on writing, and the
// start-up copy that leaves an identical copy alone.
#include "Defs.h"
#include "common/TestEnv.h"
#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/FileReader.h"
#include "support/ResourceLibrary.h"
#include "support/Zymregistry.h"

#include <QDateTime>
#include <QFileInfo>
#include <gmock/gmock.h>
#include <sys/stat.h>

TEST(DataFiles, SplitsAtEveryLineEndAndKeepsLatin1Bytes)
{
    EXPECT_EQ(DataFiles::splitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(DataFiles::splitLines("a\r\n"), QStringList{"a"});          // no empty line after the last end
    EXPECT_EQ(DataFiles::splitLines("\n\n"), (QStringList{"", ""}));
    EXPECT_EQ(DataFiles::splitLines("a\n\rb"), (QStringList{"a", "", "b"})); // LF CR is two ends
    EXPECT_TRUE(DataFiles::splitLines("").isEmpty());
    const QStringList latin = DataFiles::splitLines("Cura\xe7" "ao\xff");
    ASSERT_EQ(latin.size(), 1);
    EXPECT_EQ(latin[0].toLatin1(), QByteArray("Cura\xe7" "ao\xff"));
}

TEST(DataFiles, WritesCrLfAfterEveryLineAndReportsFailure)
{
    const QString dir = testenv::freshWorkDir();
    DataFiles::writeLines("out.txt", {"one", QString::fromLatin1("\xe9t\xe9"), ""});
    EXPECT_EQ(testenv::readBytes(dir + "/out.txt"), QByteArray("one\r\n\xe9t\xe9\r\n\r\n"));
    DataFiles::writeLines("empty.txt", {});
    EXPECT_EQ(QFileInfo(dir + "/empty.txt").size(), 0);
    try {
        DataFiles::writeLines("no/such/folder/x.txt", {"x"});
        FAIL() << "no error";
    } catch (const VemoxError& e) {
        EXPECT_TRUE(e.message().startsWith("Cannot create file no/such/folder/x.txt: ")) << e.what();
    }
}

TEST(DataFiles, CopyReplacesADifferentFileAndLeavesAnIdenticalOne)
{
    const QString dir = testenv::freshWorkDir();
    EXPECT_FALSE(DataFiles::copyLines("missing.dat", "copy.dat"));
    EXPECT_FALSE(QFile::exists(dir + "/copy.dat"));

    testenv::writeBytes(dir + "/source.dat", "a\nb");
    testenv::writeBytes(dir + "/copy.dat", "old\r\n");
    EXPECT_TRUE(DataFiles::copyLines("source.dat", "copy.dat"));
    EXPECT_EQ(testenv::readBytes(dir + "/copy.dat"), "a\r\nb\r\n");

    // Already the same bytes: the file is not written again.
    QFile copy(dir + "/copy.dat");
    ASSERT_TRUE(copy.open(QIODevice::ReadWrite));
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    ASSERT_TRUE(copy.setFileTime(past, QFileDevice::FileModificationTime));
    copy.close();
    EXPECT_TRUE(DataFiles::copyLines("source.dat", "copy.dat"));
    EXPECT_EQ(QFileInfo(dir + "/copy.dat").lastModified().toSecsSinceEpoch(), past.toSecsSinceEpoch());

    // Same size, other bytes: replaced.
    testenv::writeBytes(dir + "/source.dat", "a\nc");
    EXPECT_TRUE(DataFiles::copyLines("source.dat", "copy.dat"));
    EXPECT_EQ(testenv::readBytes(dir + "/copy.dat"), "a\r\nc\r\n");
}

// A pipe, a device or a runaway file in a data file's place is refused at once and never
// read; a link in a written file's place is replaced itself, its target left alone.
TEST(DataFiles, OnlyRegularFilesAreReadAndWritesReplaceALinkItself)
{
    const QString dir = testenv::freshWorkDir();
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", "zero"));
    ASSERT_TRUE(QFile("big").open(QIODevice::WriteOnly) && QFile::resize("big", FileReader::kMaxFileSize + 1));
    const std::pair<const char*, const char*> refused[] = {{"pipe", "is not a regular file"},
                                                           {"zero", "is not a regular file"},
                                                           {"big", "is larger than 16 MB"}};
    for (const auto& [file, text] : refused) {
        EXPECT_THROW(try { DataFiles::readLines(file); } catch (const VemoxError& e) {
            EXPECT_THAT(e.message().toStdString(), ::testing::HasSubstr(text));
            throw;
        }, VemoxError) << file;
        EXPECT_FALSE(ResourceLibrary().Load(file)) << file;
    }

    testenv::writeBytes("target", "kept");
    testenv::writeBytes("source.dat", "rates\r\n");
    ASSERT_TRUE(QFile::link("target", "copy.dat") && DataFiles::copyLines("source.dat", "copy.dat"));
    EXPECT_FALSE(QFileInfo("copy.dat").isSymLink());

    // The store: a pipe in its place is moved aside at once; links planted at its temporary
    // name or its lock block no save.
    testenv::resetStore();
    const QString store = testenv::storeFile();
    QDir().mkpath(QFileInfo(store).path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(store).constData(), 0600), 0);
    int value = 0;
    EXPECT_FALSE(ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, "x", value, KEY_READ));
    ASSERT_TRUE(QFile::link(dir + "/target", store + ".tmp"));
    QFile::remove(store + ".lock");
    ASSERT_TRUE(QFile::link(dir + "/target", store + ".lock"));
    EXPECT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, "x", 5, KEY_WRITE));
    EXPECT_TRUE(ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, "x", value, KEY_READ));
    EXPECT_EQ(value, 5);
    EXPECT_EQ(testenv::readBytes("target"), "kept");
}
