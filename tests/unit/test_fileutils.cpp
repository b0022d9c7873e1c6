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

TEST(FileUtils, NothingIsDeletedOrWrittenOutsideTheFolderNamed)
{
    ScriptedMessenger shown;
    MessengerScope scope(&shown);
    const QString dir = testenv::freshWorkDir(), home = qEnvironmentVariable("HOME");
    QDir().mkpath(dir + "/me/sub"), testenv::writeBytes(dir + "/me/vemox-kept.afe", "x"), qputenv("HOME", QFile::encodeName(dir + "/me"));
    QFile::link("/", dir + "/root"), QFile::link(dir + "/me", dir + "/home");
    // A pattern nothing in the root matches: a guard that let the root through deletes nothing.
    for (const QString& folder : {QString("/tmp/.."), dir + "/root", dir + "/root/tmp/..", dir + "/me/sub/..", dir + "/home"})
        EXPECT_FALSE(ZYMAPI::DeleteFilesInDirectoryNoUndo(folder, "vemox-kept*.afe")) << folder.toStdString();
    qputenv("HOME", QFile::encodeName(home));
    for (const char* name : {"../escaped.tvs", "..", "a\\b.tvs"})
        CreateTVSFile({"a"}, name, 0, dir + "/me/sub");
    EXPECT_TRUE(QFile::exists(dir + "/me/vemox-kept.afe") && !QFile::exists(dir + "/me/escaped.tvs"));
    EXPECT_TRUE(shown.errors().size() == 8 && shown.errors()[0].startsWith("The root folder and the home"));
}
