#pragma once
// The one checked reader of the program's own files: the data files and the resource
// library. Only a regular file is read. A named pipe, a device or a folder put in a data
// file's place is refused at once (it is opened without waiting, so a pipe nobody writes
// never blocks the program), and so is a file larger than any real one, so /dev/zero or a
// runaway file cannot fill the memory.
#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace FileReader {
// The largest data file: as large as the largest reply an update accepts.
inline constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

// The whole file. Raises VemoxError "Cannot open file <name>" when it cannot be opened,
// and a text naming the file when it is not a regular file, is larger than maxSize or
// cannot be read.
QByteArray readAll(const QString& path, qint64 maxSize = kMaxFileSize);

// A file opened for reading or appending only when it is a regular file. It is opened
// without waiting and its kind is checked before any byte moves, so a pipe nobody writes,
// a device or a folder in a file's place is refused at once and never blocks the program.
// A symbolic link is followed. The descriptor is closed with the object.
class RegularFile {
public:
    RegularFile() = default;
    ~RegularFile() { close(); }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // Flags as for open(2); false when it is not open (see error()).
    bool open(const QString& path, int flags, mode_t mode = 0666);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // The size when it was opened.
    qint64 size() const { return size_; }
    // Why the last open failed: the system's error number, or a file that is not regular.
    int error() const { return error_; }
    bool notRegular() const { return notRegular_; }
    QString reason() const;

private:
    int fd_ = -1;
    int error_ = 0;
    bool notRegular_ = false;
    qint64 size_ = 0;
};
} // namespace FileReader
