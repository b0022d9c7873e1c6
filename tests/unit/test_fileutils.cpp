// The file and shell utilities on a real folder: what each answers, and what each shows when
// it fails.
#include "common/TestEnv.h"
#include "support/FileUtils.h"
#include "support/Messenger.h"

#include <gtest/gtest.h>

TEST(FileUtils, AnswersAndMessages)
{
    ScriptedMessenger shown;
    MessengerScope scope(&shown);
    const QString dir = testenv::freshWorkDir();
    for (const char* f : {"a.afe", "b.txt", ".hidden.afe", "sub/c.afe"})
        testenv::writeBytes(dir + "/" + f, "x");

    // Counting and testing folders.
    EXPECT_EQ(GetFileCountInDirectory(dir), 3);
    EXPECT_EQ(GetFileCountInDirectory(dir + "/none"), 0);
    EXPECT_TRUE(DirectoryExistsZYM(dir + "/su*"));
    EXPECT_FALSE(DirectoryExistsZYM(dir + "/a.*"));
    EXPECT_FALSE(DirectoryExistsZYM("/"));

    // Names.
    const std::pair<const char*, const char*> names[] = {
        {"/data/Rates.txt", "/data/Rates"}, {"Rates", "Rates"}, {"/my.dir/Rates", "/my.dir/Rates"},
        {"a.b.c", "a.b"}};
    for (const auto& [in, out] : names)
        EXPECT_EQ(JustFileNameNoExtension(in), out);

    // The sorted list of names, CR LF after each.
    CreateTVSFile({"b", "", "A", "a", "C", "z"}, "names.tvs", 4, dir);
    EXPECT_EQ(testenv::readBytes(dir + "/names.tvs"), "A\r\nb\r\nC\r\n");

    // The folder browser: a cancel gives nothing and shows nothing but the browser.
    EXPECT_EQ(BrowseFolders(nullptr, "Select a Startup Folder"), "");
    shown.files.push_back(dir);
    EXPECT_EQ(BrowseFolders(nullptr, "Select a Startup Folder"), dir);
    EXPECT_EQ(shown.texts(ScriptedMessenger::Kind::Folder), QStringList(2, "Select a Startup Folder"));

    // The program of a file type with none, and of a missing file.
    QString program = "stale";
    EXPECT_FALSE(ResolveExecutableEx(dir + "/a.xyz", program));
    testenv::writeBytes(dir + "/a.xyz", "\x01\x02");
    EXPECT_FALSE(ResolveExecutableEx(dir + "/a.xyz", program));
    EXPECT_EQ(program, "");

    // Deleting by pattern, then everything; a folder that is not there fails.
    EXPECT_TRUE(ZYMAPI::DeleteFilesInDirectoryNoUndo(dir, "*.afe"));
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a.xyz", "b.txt", "names.tvs", "sub"}));
    EXPECT_TRUE(ZYMAPI::DeleteFilesInDirectoryNoUndo(dir));
    EXPECT_TRUE(QDir(dir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(ZYMAPI::DeleteFilesInDirectoryNoUndo(dir + "/none"));

    EXPECT_EQ(shown.errors(),
              QStringList({"The file " + dir + "/a.xyz could not be found Error: (ResolveExecutableEx) - zym.",
                           "No File association found for the file type - .xyz Error: (ResolveExecutableEx) - zym.",
                           "The folder " + dir + "/none does not existError: -(DeleteFilesInDirectoryNoUndo) zym."}));
}
