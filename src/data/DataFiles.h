#pragma once
// Whole-file helpers for the data files: single-byte text read as lines (a line ends at
// CR, LF or CR LF) and written with CR LF, always through a temporary file so that a
// failed write leaves the earlier file as it was.
#include <QString>
#include <QStringList>

namespace DataFiles {
// Raises VemoxError "Cannot open file %s" when the file cannot be opened, and a clear text
// when it is not a regular file or is larger than FileReader::kMaxFileSize.
QStringList readLines(const QString& fileName);
QStringList splitLines(const QByteArray& bytes);
// Each line as Latin-1 bytes followed by CR LF.
QByteArray joinLines(const QStringList& lines);
// Replaces the file (FileWriter::replace); on failure raises VemoxError naming the file and
// the reason, and the earlier file stays whole.
void writeLines(const QString& fileName, const QStringList& lines);
// Copies a data file line by line, replacing the target. False when the source is missing.
// A failed write raises VemoxError as writeLines does and leaves the earlier copy whole.
bool copyLines(const QString& from, const QString& to);
} // namespace DataFiles
