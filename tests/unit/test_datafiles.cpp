// Data files as lines: every line end, Latin-1 byte for byte, CR LF on writing, and the
// start-up copy that leaves an identical copy alone.
#include "common/TestEnv.h"
#include "data/DataFiles.h"
#include "support/Errors.h"

#include <QDateTime>
#include <QFileInfo>
#include <gtest/gtest.h>

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
