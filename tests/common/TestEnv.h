#pragma once
// Test helpers: every test process runs with its own temporary store, data and runtime
// folders (set up by the test main), so no test touches the real home folder.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// gtest prints QStrings as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace testenv {
// The temporary root of this test process.
QString root();
// A fresh, empty working folder; the process's current directory moves into it.
QString freshWorkDir();
// The store file of this process.
QString storeFile();
// Removes the store file and its lock, so the next call starts from an empty store.
void resetStore();
// Whole file as bytes; writing replaces the file.
QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// Writes a small resource library (Unt. States, Unt. Kingdom, France) and a reply
// "currency.dat" with their rates into the current working folder.
void installSampleData();
// While it lives, every write to a file fails as on a full disk (a file-size limit of 0,
// with its signal ignored, so a write returns the system's error).
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    unsigned long long soft_ = 0;
    void (*handler_)(int) = nullptr;
};
inline QString sourceDir() { return QString::fromUtf8(VEMOX_SOURCE_DIR); }
inline QString binaryDir() { return QString::fromUtf8(VEMOX_BINARY_DIR); }
} // namespace testenv
