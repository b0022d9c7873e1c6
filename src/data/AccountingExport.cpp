#include "data/AccountingExport.h"

#include "Defs.h"
#include "support/Errors.h"
#include "support/FileWriter.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"
#include "support/Translate.h"

#include <QDir>
#include <QFileInfo>

namespace AccountingExport {

namespace {

bool readFlag(const QString& name, bool otherwise)
{
    bool value = otherwise;
    ZYMAPI::ReadGeneral(name, value);
    return value;
}

QString withSeparator(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString missingFolderText(const QString& folder)
{
    return translated(QT_TRANSLATE_NOOP("Vemox", "The file path %1no longer exists. Check your directory settings.\n"
                                            "Append to Accounts aborted."))
        .arg(folder);
}

PrintChoices PrintChoices::load()
{
    PrintChoices c;
    bool flag = false;
    ZYMAPI::ReadGeneral(Defs::kValPrintAccountingDialog, flag);
    c.hideDialog = flag;
    ZYMAPI::ReadGeneral(Defs::kValPrintReceipt, flag);
    c.print = flag;
    ZYMAPI::ReadGeneral(Defs::kValAddToAccountFile, flag);
    c.addToAccount = flag;
    ZYMAPI::ReadGeneral(Defs::kValUseAccountFile, flag);
    c.fileDefined = flag;
    return c;
}

bool PrintChoices::save() const
{
    ZYMAPI::StoreChange change;
    bool ok = ZYMAPI::WriteGeneral(Defs::kValPrintAccountingDialog, hideDialog);
    ok = ZYMAPI::WriteGeneral(Defs::kValPrintReceipt, print) && ok;
    ok = ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, addToAccount) && ok;
    return change.commit() && ok;
}

bool dialogHidden() { return readFlag(Defs::kValPrintAccountingDialog, false); }
bool printChosen() { return readFlag(Defs::kValPrintReceipt, false); }

FileSettings FileSettings::load(const QString& dataFolder)
{
    FileSettings s;
    s.folder = dataFolder;
    s.fileName = kDefaultFileName;
    ZYMAPI::ReadGeneral(Defs::kValUseAccountFile, s.use);
    ZYMAPI::ReadGeneral(Defs::kValAccountFilePath, s.folder);
    ZYMAPI::ReadGeneral(Defs::kValAccountFileName, s.fileName);
    return s;
}

bool FileSettings::save() const
{
    ZYMAPI::StoreChange change;
    bool ok = ZYMAPI::WriteGeneral(Defs::kValAccountFilePath, folder);
    ok = ZYMAPI::WriteGeneral(Defs::kValAccountFileName, fileName) && ok;
    ok = ZYMAPI::WriteGeneral(Defs::kValUseAccountFile, use) && ok;
    return change.commit() && ok;
}

QString exportFilePath(const QString& folder, const QString& fileName)
{
    if (QDir::isAbsolutePath(fileName))
        return fileName;
    return withSeparator(folder) + fileName;
}

bool createEmptyFile(const QString& path)
{
    if (QFileInfo::exists(path))
        return true;
    try {
        FileWriter::append(path, {}, translated(kCannotCreate));
        return true;
    } catch (const VemoxError& e) {
        messenger().errorBox(e.message());
        return false;
    }
}

std::optional<QString> selectAccountFile(const QString& folder)
{
    Messenger::FileDialog d;
    d.title = translated(QT_TRANSLATE_NOOP("Vemox", "Open Account File"));
    d.filter = translated(QT_TRANSLATE_NOOP("Vemox", "ZYM Account File (*.afe *.AFE)"));
    d.defaultSuffix = QStringLiteral("Afe");
    d.directory = folder;
    d.mustExist = false;
    const QString chosen = messenger().openFileName(d);
    if (chosen.isEmpty())
        return std::nullopt;
    if (!QFileInfo::exists(chosen)) {
        if (!messenger().askYesNo(translated(QT_TRANSLATE_NOOP("Vemox", "File does not exist. Create new file?")),
                                  Messenger::Icon::Question) ||
            !createEmptyFile(chosen))
            return std::nullopt;
    }
    return chosen;
}

QString newAccountFileName(const QString& typed)
{
    const qsizetype stop = typed.indexOf(QLatin1Char('.'));
    return (stop < 0 ? typed + QLatin1Char('.') : typed.left(stop + 1)) + QStringLiteral("afe");
}

std::optional<QString> newAccountFile(const QString& folder)
{
    const auto typed = messenger().inputBox(translated(QT_TRANSLATE_NOOP("Vemox", "Create New Account File")),
                                            translated(QT_TRANSLATE_NOOP("Vemox", "Enter Account File Name:")),
                                            QString());
    if (!typed || typed->isEmpty())
        return std::nullopt;
    if (typed->contains(QLatin1Char('/')))
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "A file name cannot name a folder: ")) + *typed);
    const QString path = withSeparator(folder) + newAccountFileName(*typed);
    if (!createEmptyFile(path))
        return std::nullopt;
    return path;
}

QByteArray recordBytes(const QDateTime& now, const QString& rateKind, const QString& payment,
                       const QString& pendingRecord)
{
    const QString fields = QStringList{Formats::dateToStr(now.date()), Formats::timeToStr(now.time()), rateKind,
                                       payment, pendingRecord}
                               .join(QLatin1Char(','));
    return fields.toLatin1();
}

Outcome AppendToAccounts(QString& pendingRecord, const QString& rateKind, const QString& payment,
                         const QString& dataFolder, QString& statusPanel, const QDateTime& now)
{
    if (!readFlag(Defs::kValAddToAccountFile, false))
        return Outcome::NotChosen;
    // "Use Account Export File" switched off by the operator stops the export; a value that
    // was never stored does not.
    if (!readFlag(Defs::kValUseAccountFile, true)) {
        statusPanel = translated(kUndefined);
        return Outcome::Refused;
    }
    const FileSettings file = FileSettings::load(dataFolder);
    const QString path = QDir(dataFolder).absoluteFilePath(exportFilePath(file.folder, file.fileName));

    if (!QFileInfo::exists(path)) {
        // A folder that is gone is told as such rather than as a full disk.
        const QString fileFolder = QFileInfo(path).absolutePath();
        if (!QFileInfo(fileFolder).isDir()) {
            messenger().errorBox(missingFolderText(withSeparator(fileFolder)));
            return Outcome::Refused;
        }
        if (!createEmptyFile(path))
            return Outcome::Refused;
    }
    if (pendingRecord.isEmpty()) {
        messenger().messageOnTop(translated(kNoTransaction), kNoTransactionTitle, Messenger::Icon::Information);
        return Outcome::Refused;
    }
    try {
        // One write, after a CR when the file's text does not end in one, so the record
        // starts on its own. The file holds the whole record or, after a failure, is cut
        // back at once to what it was; nothing already in the file is ever cut.
        FileWriter::append(path, recordBytes(now, rateKind, payment, pendingRecord), {}, '\r');
    } catch (const VemoxError& e) {
        messenger().errorBox(e.message()
                             + translated(QT_TRANSLATE_NOOP("Vemox", "\nThe transaction was not added to the account "
                                                                     "file; it is kept and can be exported again.")));
        return Outcome::Refused;
    }
    statusPanel = translated(kAdded);
    pendingRecord.clear();
    return Outcome::Added;
}

} // namespace AccountingExport
