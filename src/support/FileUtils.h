#pragma once
// File and shell services: choosing a folder, testing for a folder, counting and deleting
// files, finding the program that opens a file, stripping an extension and writing a list
// of names to a file.
//
// Like the registry functions, each function reports its own errors: an error raised inside
// it gets the function's fixed suffix appended, is shown in the standard error box, and the
// function returns its failure value.
#include <QString>
#include <QStringList>

class QObject;

// The folder browser (through the Messenger) over the owner window with the given title.
// The chosen folder, or the empty text when the operator cancels.
QString BrowseFolders(QObject* owner, const QString& title);

// True when an entry of that name exists and is a folder; a wildcard path tests its first
// match. The root of the file system, no entry of its own, gives false.
bool DirectoryExistsZYM(const QString& path);

// The entries of the folder that are not folders, hidden and system ones included; 0 when
// the folder cannot be read.
int GetFileCountInDirectory(const QString& folder);

// The program that opens the file, from the desktop's MIME database: its file type, the
// type's default application (xdg-mime) and that application's command. False, with the
// output empty, after an error has been shown.
bool ResolveExecutableEx(const QString& fileName, QString& executable);

// The name without its extension (the last full stop of the name part and what follows);
// the folder part stays in place.
QString JustFileNameNoExtension(const QString& fileName);

// Entries 0 to lastIndex of the list (fewer when it is shorter), empty ones dropped, sorted
// case-insensitively with duplicates dropped, saved one per line ended by CR LF to the file
// of that name in `folder` (the program's data folder). The earlier file stays whole when
// the save fails. A name with a folder part, "." or ".." is refused: nothing is written
// outside the folder.
void CreateTVSFile(const QStringList& items, const QString& fileName, int lastIndex, const QString& folder);

namespace ZYMAPI {
// Deletes every entry of the folder (files and folders, with their contents), at once and
// for good, without asking. True when all of them are gone. The folder is given by its full
// path and is resolved first: the root folder and the home folder are refused however they
// are written ("/tmp/..", a link to either).
bool DeleteFilesInDirectoryNoUndo(const QString& folder);
// The same for the entries of the folder that match the pattern ("*.afe").
bool DeleteFilesInDirectoryNoUndo(const QString& folder, const QString& pattern);
} // namespace ZYMAPI

namespace FileUtils {
// The error suffixes.
inline const QString kBrowseSuffix = QStringLiteral("Error: -(BrowseFolders) zym");
inline const QString kDeleteSuffix = QStringLiteral("Error: -(DeleteFilesInDirectoryNoUndo) zym");
inline const QString kResolveSuffix = QStringLiteral(" Error: (ResolveExecutableEx) - zym");
inline const QString kTvsSuffix = QStringLiteral("Error: -(CreateTVSFile) zym");
// The longest folder and pattern the deletion takes.
constexpr int kMaxDeletePath = 253;
} // namespace FileUtils
