#pragma once
// The one checked reader of the program's own files: the data files and the resource
// library. Only a regular file is read. A named pipe, a device or a folder put in a data
// file's place is refused at once (it is opened without waiting, so a pipe nobody writes
// never blocks the program), and so is a file larger than any real one, so /dev/zero or a
// runaway file cannot fill the memory.
#include <QByteArray>
#include <QString>

namespace FileReader {
// The largest data file: as large as the largest reply an update accepts.
inline constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// The whole file. Raises VemoxError "Cannot open file <name>" when it cannot be opened,
// and a text naming the file when it is not a regular file, is larger than maxSize or
// cannot be read.
QByteArray readAll(const QString& path, qint64 maxSize = kMaxFileSize);
} // namespace FileReader
