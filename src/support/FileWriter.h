#pragma once
// The one checked writer of files. Every file the program writes goes through it, so a full
// disk, a read-only folder or a failed rename is always reported and never leaves a torn or
// emptied file behind.
#include <QByteArray>
#include <QString>

namespace FileWriter {
// Replaces the file with these bytes: a temporary file of a fresh name in the same folder,
// every write checked, then an atomic rename. A symbolic link in the file's place is
// replaced itself; its target is left alone. On any failure the earlier file stays whole and
// VemoxError is raised with `errorText` (or a clear text naming the file and the system's
// reason when empty).
void replace(const QString& path, const QByteArray& bytes, const QString& errorText = {});
// The same, with one text for a file that cannot be created and another for a failed write,
// flush or rename. An empty text again means the file's name and the system's reason.
void replace(const QString& path, const QByteArray& bytes, const QString& createErrorText,
             const QString& writeErrorText);
// Appends to the file, which must be a regular file (a symbolic link to one is followed);
// anything else is refused without waiting. A file that holds text not ended by
// `separator` (when one is given) gets it first, in the same write. On any failure the
// append undoes itself at once: the file is cut back to its earlier size (removed when it
// did not exist before), then VemoxError with the system's reason.
void append(const QString& path, const QByteArray& bytes, const QString& errorText = {}, char separator = '\0');
// A write beyond the file-size limit then fails with "File too large" and is reported like
// any other, instead of ending the process. Called once at program start.
void ignoreFileSizeSignal();
} // namespace FileWriter
