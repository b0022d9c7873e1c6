#include "report/ReportFile.h"
#include "support/Errors.h"
#include "support/FileReader.h"
#include "support/FileWriter.h"
#include "support/Translate.h"

#include <QDataStream>
#include <QIODevice>
#include <cmath>

namespace Report {

namespace {

constexpr auto kStreamVersion = QDataStream::Qt_6_4;
// No page of a report is larger than a metre a side; a bigger one is a damaged file.
constexpr double kMaxPageMm = 1000.0;
// What the program itself writes, with room to spare: its type is at most 16 pt, its rules
// are a quarter of a millimetre, a page holds under a hundred items, and a report file of
// the largest size read holds under twenty thousand pages. A file asking for more is
// damaged, and drawing it could keep the viewer busy for minutes at every paint.
constexpr double kMaxPoints = 72.0;
constexpr double kMaxPenMm = 10.0;
constexpr quint32 kMaxItemsPerPage = 1000;
constexpr quint32 kMaxPages = 100000;
// A report of a whole day's log is well under a megabyte; a file far larger is not one,
// and reading it whole could take all the memory there is.
constexpr qint64 kLargestReportFile = 64 * 1024 * 1024;

void prepare(QDataStream &s)
{
    s.setVersion(kStreamVersion);
    s.setByteOrder(QDataStream::BigEndian);
    s.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

void writeItem(QDataStream &s, const DrawItem &item)
{
    s << static_cast<quint8>(item.kind) << item.rect.x() << item.rect.y() << item.rect.width()
      << item.rect.height() << item.text << item.font.family << item.font.pointSize << item.font.bold
      << item.font.italic << static_cast<qint32>(item.alignment) << item.penWidthMm;
}

QByteArray encodeBody(const PageSet &pages)
{
    QByteArray body;
    QDataStream s(&body, QIODevice::WriteOnly);
    prepare(s);
    s << pages.title << static_cast<quint32>(pages.pages.size());
    for (const Page &page : pages.pages) {
        s << page.sizeMm.width() << page.sizeMm.height() << static_cast<quint32>(page.items.size());
        for (const DrawItem &item : page.items)
            writeItem(s, item);
    }
    return body;
}

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v) || std::abs(v) > kMaxPageMm * 10)
            return false;
    return true;
}

// One item, or false when the stream ran short or the item cannot be one.
bool readItem(QDataStream &s, DrawItem &item)
{
    quint8 kind = 0;
    double x = 0, y = 0, w = 0, h = 0;
    qint32 alignment = 0;
    s >> kind >> x >> y >> w >> h >> item.text >> item.font.family >> item.font.pointSize >> item.font.bold
      >> item.font.italic >> alignment >> item.penWidthMm;
    if (s.status() != QDataStream::Ok || kind > static_cast<quint8>(DrawItem::Kind::Box)
        || !finite({x, y, w, h}) || !(item.font.pointSize >= 0 && item.font.pointSize <= kMaxPoints)
        || !(item.penWidthMm >= 0 && item.penWidthMm <= kMaxPenMm))
        return false;
    item.kind = static_cast<DrawItem::Kind>(kind);
    item.rect = QRectF(x, y, w, h);
    item.alignment = alignment;
    return true;
}

bool readPage(QDataStream &s, Page &page)
{
    double w = 0, h = 0;
    quint32 count = 0;
    s >> w >> h >> count;
    if (s.status() != QDataStream::Ok || !(w > 0 && w <= kMaxPageMm && h > 0 && h <= kMaxPageMm)
        || count > kMaxItemsPerPage)
        return false;
    page.sizeMm = QSizeF(w, h);
    // Items are read one at a time, so a damaged count runs out of bytes, not memory.
    for (quint32 i = 0; i < count; ++i) {
        DrawItem item;
        if (!readItem(s, item))
            return false;
        page.items.append(item);
    }
    return true;
}

bool decodeBody(const QByteArray &body, PageSet &pages)
{
    QDataStream s(body);
    prepare(s);
    quint32 count = 0;
    s >> pages.title >> count;
    if (s.status() != QDataStream::Ok || count > kMaxPages)
        return false;
    for (quint32 i = 0; i < count; ++i) {
        Page page;
        if (!readPage(s, page))
            return false;
        pages.pages.append(page);
    }
    return s.atEnd();
}

} // namespace

QByteArray encodeReport(const PageSet &pages)
{
    const QByteArray body = encodeBody(pages);
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    prepare(s);
    s << kReportFileMagic << kReportFileVersion << body << qChecksum(body);
    return bytes;
}

PageSet decodeReport(const QByteArray &bytes, const QString &fileName)
{
    QDataStream s(bytes);
    prepare(s);
    quint32 magic = 0;
    quint16 version = 0;
    s >> magic >> version;
    if (s.status() != QDataStream::Ok || magic != kReportFileMagic)
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "The file %1 is not a Vemox report file")).arg(fileName));
    if (version > kReportFileVersion)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The report file %1 was saved by a later version of "
                                                               "Vemox (format %2); this version reads format %3 and "
                                                               "earlier"))
                             .arg(fileName).arg(version).arg(kReportFileVersion));
    QByteArray body;
    quint16 checksum = 0;
    s >> body >> checksum;
    PageSet pages;
    if (s.status() != QDataStream::Ok || !s.atEnd() || version == 0 || checksum != qChecksum(body)
        || !decodeBody(body, pages))
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "The report file %1 is damaged or incomplete")).arg(fileName));
    return pages;
}

void saveReportFile(const QString &path, const PageSet &pages)
{
    FileWriter::replace(path, encodeReport(pages));
}

PageSet loadReportFile(const QString &path)
{
    // Only a regular file is read: a pipe would block the program, a device never ends.
    return decodeReport(FileReader::readAll(path, kLargestReportFile), path);
}

} // namespace Report
