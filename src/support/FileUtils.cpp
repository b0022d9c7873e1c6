#include "support/FileUtils.h"
#include "support/Errors.h"
#include "support/FileWriter.h"
#include "support/Messenger.h"
#include "support/Trap.h"
#include "support/Translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The desktop's default application of one MIME type ("org.gnome.gedit.desktop"), or empty.
QString defaultApplication(const QString& mimeType)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForStarted() || !query.waitForFinished(10000))
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Unknown Find EXE error")));
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// The program of a desktop entry's Exec line: its first word, quoted or not; empty when the
// entry has none.
QString programOfEntry(const QString& entryFile)
{
    QFile f(entryFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec="))) {
            const QString exec = line.mid(5).trimmed();
            if (exec.startsWith(QLatin1Char('"')))
                return exec.mid(1).section(QLatin1Char('"'), 0, 0);
            return exec.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        }
    }
    return {};
}

void removeEntry(const QFileInfo& entry)
{
    const bool gone = entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                          : QFile::remove(entry.filePath());
    if (!gone)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Unable to delete %1"))
                             .arg(QDir::toNativeSeparators(entry.filePath())));
}

} // namespace

QString BrowseFolders(QObject* owner, const QString& title)
{
    QString chosen;
    trapped(FileUtils::kBrowseSuffix, [&] { chosen = QDir::toNativeSeparators(messenger().chooseFolder(title, owner)); });
    return chosen;
}

bool DirectoryExistsZYM(const QString& path)
{
    QFileInfo info(path);
    if (info.fileName().contains(QLatin1Char('*')) || info.fileName().contains(QLatin1Char('?'))) {
        const QFileInfoList matches = info.dir().entryInfoList(
            {info.fileName()}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        if (matches.isEmpty())
            return false;
        info = matches.front();
    }
    return info.isDir() && !info.isRoot();
}

int GetFileCountInDirectory(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return 0;
    return int(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                   .size() -
               dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size());
}

bool ResolveExecutableEx(const QString& fileName, QString& executable)
{
    executable.clear();
    QString found;
    const bool ok = trapped(FileUtils::kResolveSuffix, [&] {
        const QFileInfo file(fileName);
        if (!file.dir().exists())
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Bad path name - FE")));
        if (!file.exists())
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The file %1 could not be found")).arg(fileName));
        // The type itself first, then the types it is a kind of (a C++ source is plain text).
        const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
        QString entry;
        for (const QString& name : QStringList{type.name()} + type.allAncestors()) {
            entry = defaultApplication(name);
            if (!entry.isEmpty())
                break;
        }
        if (entry.isEmpty()) {
            const QString extension = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "No File association found for the file type - %1"))
                                 .arg(extension));
        }
        const QString program = programOfEntry(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry));
        const QString path = program.isEmpty() ? QString() : QStandardPaths::findExecutable(program);
        if (path.isEmpty()) {
            if (!program.isEmpty() && QFileInfo::exists(program))
                throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Not a valid exe or image file")));
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox", "Unable to locate file association %1")).arg(fileName));
        }
        found = path;
    });
    if (ok)
        executable = found;
    return ok;
}

QString JustFileNameNoExtension(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < fileName.lastIndexOf(QLatin1Char('/')))
        return fileName;
    return fileName.left(dot);
}

void CreateTVSFile(const QStringList& items, const QString& fileName, int lastIndex, const QString& folder)
{
    trapped(FileUtils::kTvsSuffix, [&] {
        // A plain file name: the list is written in its folder and nowhere else.
        if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String("..") ||
            fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')))
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox", "The list is saved only under a plain file name: \"%1\""))
                    .arg(fileName));
        QStringList names;
        for (const QString& item : items.mid(0, std::max(0, lastIndex + 1)))
            if (!item.isEmpty())
                names << item;
        std::stable_sort(names.begin(), names.end(),
                         [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        names.erase(std::unique(names.begin(), names.end(),
                                [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }),
                    names.end());
        QByteArray bytes;
        for (const QString& name : names)
            bytes += name.toLatin1() + "\r\n";
        FileWriter::replace(QDir(folder).filePath(fileName), bytes);
    });
}

namespace ZYMAPI {

bool DeleteFilesInDirectoryNoUndo(const QString& folder, const QString& pattern)
{
    return trapped(FileUtils::kDeleteSuffix, [&] {
        if (folder.size() + 1 + pattern.size() > FileUtils::kMaxDeletePath)
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The path is too long: %1")).arg(folder));
        // An empty or relative name would mean the current folder, the root every file: the
        // deletion cannot be undone, so only a named folder below the root is emptied.
        if (!QDir::isAbsolutePath(folder))
            throw VemoxError(
                translated(
                    QT_TRANSLATE_NOOP("Vemox", "Files are deleted only in a folder given by its full path: \"%1\""))
                    .arg(folder));
        // The folder as the system finds it, so that "/tmp/.." or a link to the root is
        // known for what it is, and the deletion works on the folder that was checked.
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty() || !QFileInfo(real).isDir())
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The folder %1 does not exist")).arg(folder));
        const QDir dir(real);
        if (dir.isRoot() || real == QFileInfo(QDir::homePath()).canonicalFilePath())
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox", "The root folder and the home folder are never emptied: \"%1\""))
                    .arg(folder));
        const QFileInfoList entries = dir.entryInfoList(
            {pattern}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries)
            removeEntry(entry);
    });
}

bool DeleteFilesInDirectoryNoUndo(const QString& folder)
{
    return DeleteFilesInDirectoryNoUndo(folder, QStringLiteral("*"));
}

} // namespace ZYMAPI
