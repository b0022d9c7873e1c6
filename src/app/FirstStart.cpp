#include "app/FirstStart.h"
#include "Defs.h"
#include "support/Errors.h"
#include "support/FileReader.h"
#include "support/FileWriter.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace FirstStart {

namespace {

// Regular files only, none larger than the largest library.
QByteArray readAll(const QString& path) { return FileReader::readAll(path, ResourceLibrary::kMaxFileSize); }

// Replaces target with source unless they already hold the same bytes.
void refresh(const QString& source, const QString& target)
{
    const QByteArray bytes = readAll(source);
    try {
        if (readAll(target) == bytes)
            return;
    } catch (const VemoxError&) {
        // Missing, unreadable or not a regular file: replaced all the same.
    }
    FileWriter::replace(target, bytes);
}

void makeFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw VemoxError(QStringLiteral("Cannot create the data folder %1").arg(path));
}

} // namespace

QString InstalledDefaults(const QString& exeDir)
{
    const QString defaults = QDir::cleanPath(exeDir + QStringLiteral("/../share/vemox"));
    return QFileInfo::exists(defaults + u'/' + Defs::kResourceLibrary) ? defaults : QString();
}

void Prepare(const QString& defaults, const QString& dataDir)
{
    const QDir from(defaults), to(dataDir);
    makeFolder(to.filePath(QStringLiteral("dll")));
    makeFolder(to.filePath(Defs::kHelpFolder));
    const QString rates = to.filePath(Defs::kCurrencyFile);
    if (!QFileInfo::exists(rates) && QFileInfo::exists(from.filePath(Defs::kCurrencyFile)))
        FileWriter::replace(rates, readAll(from.filePath(Defs::kCurrencyFile)));
    refresh(from.filePath(Defs::kResourceLibrary), to.filePath(Defs::kResourceLibrary));
    const QDir help(from.filePath(Defs::kHelpFolder));
    for (const QString& page : help.entryList({QStringLiteral("*.html")}, QDir::Files))
        refresh(help.filePath(page), to.filePath(Defs::kHelpFolder + u'/' + page));
}

QString UserDataFolder()
{
    const QString defaults = InstalledDefaults(QCoreApplication::applicationDirPath());
    if (defaults.isEmpty())
        return {};
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vemox");
    try {
        Prepare(defaults, data);
    } catch (const VemoxError& e) {
        messenger().errorBox(e.message());
    }
    return data;
}

} // namespace FirstStart
