#pragma once
// The saved report file (.QRP): a prepared page set kept to be viewed and printed again
// later. The format is the program's own, written with QDataStream (Qt 6.4 encoding,
// big-endian, doubles as 64-bit IEEE):
//
//   quint32    magic 0x56525054 ("VRPT")
//   quint16    format version (kReportFileVersion)
//   QByteArray body (32-bit length, then its bytes)
//   quint16    qChecksum of the body (CRC-16 ISO 3309)
//
// The body, again a QDataStream of the same encoding:
//
//   QString title; quint32 page count; then for every page:
//     double width, height (mm); quint32 item count; then for every item:
//       quint8 kind (0 text, 1 line, 2 box); double x, y, width, height (mm);
//       QString text; QString font family; double point size; bool bold; bool italic;
//       qint32 alignment (Qt::Alignment bits); double pen width (mm)
//
// A reader refuses a file without the magic, a later version, a body whose checksum or
// structure does not hold, and anything after the checksum.
#include "report/ReportPages.h"

#include <QByteArray>
#include <QString>

namespace Report {

inline constexpr quint32 kReportFileMagic = 0x56525054;
inline constexpr quint16 kReportFileVersion = 1;

QByteArray encodeReport(const PageSet &pages);
// The page set the bytes hold. VemoxError naming `fileName` when they are not a report
// file of a version this program reads, or are damaged or cut short.
PageSet decodeReport(const QByteArray &bytes, const QString &fileName);

// Writes the file atomically; a failure leaves an earlier file whole and raises VemoxError.
void saveReportFile(const QString &path, const PageSet &pages);
// Reads the file; VemoxError for a file that cannot be read or is not one.
PageSet loadReportFile(const QString &path);

} // namespace Report
