// The file and shell utilities on a real folder: their answers and their messages.
#include "common/TestEnv.h"
#include "support/FileUtils.h"
#include "support/Messenger.h"

#include <gtest/gtest.h>

TEST(FileUtils, AnswersAndMessages)
{
    ScriptedMessenger shown;
    MessengerScope scope(&shown);
    const QString dir = testenv::freshWorkDir();
    for (const char* f : {"a.afe", "b.txt", ".h.afe", "sub/c.afe", "a.xyz"})
        testenv::writeBytes(dir + "/" + f, "\x01\x02");
    EXPECT_EQ(GetFileCountInDirectory(dir), 4);
    EXPECT_TRUE(DirectoryExistsZYM(dir + "/su*") && !DirectoryExistsZYM(dir + "/a.*") && !DirectoryExistsZYM("/"));
    EXPECT_EQ(JustFileNameNoExtension("/my.d/Rates.txt") + JustFileNameNoExtension("/my.d/R"), "/my.d/Rates/my.d/R");
    CreateTVSFile({"b", "", "A", "a", "C", "z"}, "n.tvs", 4, dir);
    EXPECT_EQ(testenv::readBytes(dir + "/n.tvs"), "A\r\nb\r\nC\r\n");
    EXPECT_EQ(BrowseFolders(nullptr, "Select a Startup Folder"), "");   // cancelled
    QString program = "stale";
    EXPECT_FALSE(ResolveExecutableEx(dir + "/a.xyz", program) || program != "");
    EXPECT_TRUE(ZYMAPI::DeleteFilesInDirectoryNoUndo(dir, "*.afe"));
    EXPECT_EQ(GetFileCountInDirectory(dir), 3);
    EXPECT_FALSE(ZYMAPI::DeleteFilesInDirectoryNoUndo("") || ZYMAPI::DeleteFilesInDirectoryNoUndo("/", "*.afe"));
    EXPECT_EQ(GetFileCountInDirectory(dir), 3);
    EXPECT_TRUE(ZYMAPI::DeleteFilesInDirectoryNoUndo(dir) && QDir(dir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    ASSERT_EQ(shown.errors().size(), 3);
    EXPECT_EQ(shown.errors()[0], "No File association found for the file type - .xyz Error: (ResolveExecutableEx) - zym.");
}
