#pragma once
// The accounting export: the quick print's stored choices, the export file's folder and name,
// and the append of the last conversion's record to the export file (".afe"), which the
// shop's accounting program reads.
//
// A record is twelve fields separated by commas and ended by one carriage return and no line
// feed: the date and time of the export, the rate kind, the payment kind and the eight
// fields of the conversion. Nothing is quoted: a thousands separator inside an amount gives
// the record one more comma, and the accounting program expects exactly that. The file holds
// single-byte text and is only ever appended to, one whole record per write.
#include <QDateTime>
#include <QString>
#include <optional>

namespace AccountingExport {

inline const QString kDefaultFileName = QStringLiteral("ZyMAccount.afe");
inline const QString kCannotCreate =
    QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Unable to create file. Check disk is not full."));
inline const QString kNoTransaction = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "No Transaction to Save to File."));
inline const QString kNoTransactionTitle = QStringLiteral("Messenger");
inline const QString kAdded = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Added to Accounts"));
inline const QString kUndefined = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Account File is Undefined"));
// "The file path <folder>no longer exists. ..."
QString missingFolderText(const QString& folder);

// The three choices of the print and accounts dialog, as it reads them: PGs, PGoP, PGoA and
// UA in this order into one flag that starts false, each box taking the flag after its read,
// so a value that is missing takes over the one read before it. `fileDefined` is the flag
// after UA: without it the account box cannot be ticked.
struct PrintChoices {
    bool hideDialog = false;   // PGs "Do not show this dialog again"
    bool print = false;        // PGoP
    bool addToAccount = false; // PGoA
    bool fileDefined = false;

    static PrintChoices load();
    // PGs, PGoP and PGoA as one change of the store; false once the failure was told.
    bool save() const;
};

// The quick print's own reads, each with its default false.
bool dialogHidden();         // PGs
bool printChosen();          // PGoP

// The export file's settings as the accounting export file dialog shows them: the folder
// (FP, or the data folder), the name (FN, or "ZyMAccount.afe") and the switch UA.
struct FileSettings {
    bool use = false;
    QString folder;
    QString fileName;

    static FileSettings load(const QString& dataFolder);
    // FP, FN and UA as one change of the store; false once the failure was told.
    bool save() const;
};

// The file a folder and name give: a name with its full path stands as it is, a bare one is
// in the folder.
QString exportFilePath(const QString& folder, const QString& fileName);

// Creates an empty file when none of that name exists; "Unable to create file. ..." in the
// error box and false when it cannot be made.
bool createEmptyFile(const QString& path);

// The account file dialog's Select: the file dialog over the folder; a file that does not
// exist is created empty when the operator says Yes. The chosen file's full name, or nothing
// when the operator cancels or says No, or the file cannot be made (told).
std::optional<QString> selectAccountFile(const QString& folder);

// The account file dialog's New: a name asked for, cut after its first full stop (or given
// one) and given "afe", in the folder; created empty unless it exists. Its full name, or
// nothing when the operator cancels or gives no name, or the file cannot be made (told).
std::optional<QString> newAccountFile(const QString& folder);
// The file name New makes of a typed name: Ledger and Ledger.txt both give Ledger.afe.
QString newAccountFileName(const QString& typed);

// The record of one export: date and time in the formats in force, the rate and payment
// kind, then the pending record, which brings its eight fields and the closing CR.
QByteArray recordBytes(const QDateTime& now, const QString& rateKind, const QString& payment,
                       const QString& pendingRecord);

enum class Outcome {
    NotChosen,   // "Add to Account File" is not chosen: nothing happens
    Added,       // the record is in the file; the pending record is emptied
    Refused,     // the operator was told why; the file and the pending record are as they were
};

// Appends the pending record to the export file (FP and FN, the data folder and the default
// name when they are missing). Shows its own messages; on success status panel 0 reads
// "Added to Accounts". The process's current folder is never changed.
Outcome AppendToAccounts(QString& pendingRecord, const QString& rateKind, const QString& payment,
                         const QString& dataFolder, QString& statusPanel, const QDateTime& now);

} // namespace AccountingExport
