#pragma once
// Saving a prepared page set: in the program's own report file, or exported as text, HTML,
// comma-separated values or PDF. The save dialog offers the formats in the order of
// saveFilters(); the operator's choice is its position there (0: the report file).
//
// What each export holds, page after page, in reading order (top to bottom, then left to
// right); the texts of one row of the page share one line or record of the export, and a row
// of a band keeps all its cells, the empty ones too:
//   Text  the lines of each page as printed, their texts placed at their columns on the
//         page (a character of the page's smallest type to the column), so that they stand
//         apart as on the page; a form feed starts every page after the first. UTF-8, CR LF.
//   CSV   one record per row of a page: the page number, then each cell of the row as a
//         field, a log line whole in one; separator ",", fields quoted when they hold a
//         comma, quote or line break. UTF-8 after a byte order mark, CR LF.
//   HTML  one table per page under the report's title, one row per row of the page, one
//         cell per cell, bold texts bold; a page break before every page after the first.
//         UTF-8.
//   PDF   the pages as printed.
#include "report/ReportPages.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Report {

enum class SaveFormat { Report, Text, Csv, Html, Pdf };

struct SaveFilter {
    SaveFormat format;
    QString caption;     // "Text"
    QString extension;   // in capitals, without the full stop: "TXT"
};

const QList<SaveFilter> &saveFilters();
// The save dialog's filter list, in the same order: "Vemox report (*.qrp *.QRP);;Text ...".
QString saveDialogFilter();
// The open dialog's: the report file only.
QString openDialogFilter();

// The extension of a file name: the text after the first full stop of its last part, in
// capitals ("log.2003.txt" gives "2003.TXT"); empty when it has no full stop.
QString fileExtension(const QString &fileName);
// Whether the file name's extension is that of the format at this position.
bool extensionFits(const QString &fileName, int position);

inline const QString kWrongExtensionText =
    QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "The file extension given does not match the format selected."));
inline const QString kWrongExtensionTitle = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Wrong file extension"));

QByteArray exportText(const PageSet &pages);
QByteArray exportCsv(const PageSet &pages);
QByteArray exportHtml(const PageSet &pages);

enum class SaveOutcome { Saved, NoPages, WrongExtension };
// Saves the pages in the format at `position` of saveFilters(). Nothing is written when
// there are no pages or the extension does not fit. The file is replaced atomically; a
// failed write leaves the earlier file whole and raises VemoxError.
SaveOutcome saveReport(const PageSet *pages, const QString &fileName, int position);

} // namespace Report
