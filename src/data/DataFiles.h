#pragma once
// Whole-file helpers for the data files: single-byte text read as lines (a line ends at
// CR, LF or CR LF) and written with CR LF, always through a temporary file so that a
// failed write leaves the earlier file as it was.
#include <QString>
#include <QStringList>

namespace DataFiles {
// Raises VemoxError "Cannot open file %s" when the file cannot be read.
QStringList readLines(const QString& fileName);
QStringList splitLines(const QByteArray& bytes);
// Raises VemoxError "Cannot create file %s" or "Stream write error".
void writeLines(const QString& fileName, const QStringList& lines);
// Copies a data file line by line, replacing the target. False when the source is missing.
bool copyLines(const QString& from, const QString& to);
} // namespace DataFiles
