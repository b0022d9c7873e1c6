#include "report/ReportExport.h"
#include "report/ReportFile.h"
#include "report/ReportPrinting.h"
#include "support/FileWriter.h"
#include "support/Translate.h"

#include <QFileInfo>
#include <QStringBuilder>
#include <algorithm>
#include <cmath>

// A condition the window cannot break; a broken one is a fault of the program.
#define REPORT_CHECK(cond)                                                                         \
    do {                                                                                           \
        if (!(cond))                                                                               \
            qFatal("Check failed: %s, file %s, line %d", #cond, __FILE__, __LINE__);               \
    } while (false)

namespace Report {

namespace {

using Row = QList<DrawItem>;

// Texts closer than this (mm) in their vertical centres stand on one line of the page.
constexpr double kSameLineMm = 0.5;
constexpr int kWraps = Qt::TextWordWrap | Qt::TextWrapAnywhere;

// The text items of a page grouped into rows, top to bottom, each left to right; a row of
// a band holds all its cells, the empty ones too. With `byLine`, a wrapping text gives one
// item for each line it shows, each on its own row.
QList<Row> pageRows(const Page &page, bool byLine)
{
    Row texts;
    for (const DrawItem &item : page.items) {
        if (item.kind != DrawItem::Kind::Text)
            continue;
        const QStringList lines = byLine ? textLines(item) : QStringList{item.text};
        for (int i = 0; i < lines.size(); ++i) {
            DrawItem line = item;
            line.text = lines[i];
            if (byLine) {
                line.rect = lineBox(item.rect, i, int(lines.size()));
                line.alignment &= ~kWraps;
            }
            texts.append(line);
        }
    }
    std::stable_sort(texts.begin(), texts.end(), [](const DrawItem &a, const DrawItem &b) {
        return a.rect.center().y() < b.rect.center().y();
    });
    QList<Row> rows;
    for (const DrawItem &item : texts) {
        if (rows.isEmpty() || item.rect.center().y() - rows.last().first().rect.center().y() > kSameLineMm)
            rows.append(Row());
        rows.last().append(item);
    }
    for (Row &row : rows)
        std::stable_sort(row.begin(), row.end(),
                         [](const DrawItem &a, const DrawItem &b) { return a.rect.left() < b.rect.left(); });
    return rows;
}

// The width of a column of the text export: a character of the smallest type on the page.
// Every text then keeps within the columns its box has on the page, so texts stand as far
// apart as on the page and in line with the others of their column, whether the page was
// scaled down to a roll or a text set smaller to fit its box. Type below a point (which
// only a damaged file could hold) counts as a point, so no line runs to thousands of spaces.
double columnMm(const Page &page)
{
    double points = Fonts::kBody;
    bool any = false;
    for (const DrawItem &item : page.items)
        if (item.kind == DrawItem::Kind::Text && !item.text.isEmpty()) {
            points = any ? std::min(points, item.font.pointSize) : item.font.pointSize;
            any = true;
        }
    return Fonts::charWidthMm(std::max(1.0, points));
}

// The column a text starts at, after its alignment in its box.
int startColumn(const DrawItem &item, double leftMm, double columnMm)
{
    const int len = int(item.text.size());
    if (item.alignment & Qt::AlignRight)
        return int(std::lround((item.rect.right() - leftMm) / columnMm)) - len;
    if (item.alignment & Qt::AlignHCenter)
        return int(std::lround((item.rect.center().x() - leftMm) / columnMm)) - len / 2;
    return int(std::lround((item.rect.left() - leftMm) / columnMm));
}

double leftmostText(const Page &page)
{
    double left = page.sizeMm.width();
    for (const DrawItem &item : page.items)
        if (item.kind == DrawItem::Kind::Text && !item.text.isEmpty())
            left = std::min(left, item.rect.left());
    return left;
}

// One line of the text export: its texts at their columns, never closer than one space.
QString textLine(const Row &row, double leftMm, double columnMm)
{
    QString line;
    for (const DrawItem &item : row) {
        if (item.text.isEmpty())
            continue;
        const qsizetype least = line.isEmpty() ? 0 : line.size() + 1;
        line += QString(std::max(least, qsizetype(startColumn(item, leftMm, columnMm))) - line.size(), QLatin1Char(' '));
        line += item.text;
    }
    return line;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') % quoted % QLatin1Char('"');
}

// HTML pages are named .htm as often as .html.
const QString kShortHtml = QStringLiteral("HTM");

bool extensionMatches(const SaveFilter &f, const QString &extension)
{
    return extension == f.extension || (f.format == SaveFormat::Html && extension == kShortHtml);
}

QString filterText(const SaveFilter &f)
{
    // The small letters first: a name typed without an extension takes the first.
    const QString shortHtml = f.format == SaveFormat::Html
                                  ? QLatin1String(" *.") % kShortHtml.toLower() % QLatin1String(" *.") % kShortHtml
                                  : QString();
    return translated(f.caption) % QLatin1String(" (*.") % f.extension.toLower() % QLatin1String(" *.") % f.extension
           % shortHtml % QLatin1Char(')');
}

} // namespace

const QList<SaveFilter> &saveFilters()
{
    static const QList<SaveFilter> filters{
        {SaveFormat::Report, QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Vemox report")), QStringLiteral("QRP")},
        {SaveFormat::Text, QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Text")), QStringLiteral("TXT")},
        {SaveFormat::Csv, QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Comma separated")), QStringLiteral("CSV")},
        {SaveFormat::Html, QStringLiteral("HTML"), QStringLiteral("HTML")},
        {SaveFormat::Pdf, QStringLiteral("PDF"), QStringLiteral("PDF")},
    };
    return filters;
}

QString saveDialogFilter()
{
    QStringList parts;
    for (const SaveFilter &f : saveFilters())
        parts.append(filterText(f));
    return parts.join(QLatin1String(";;"));
}

QString openDialogFilter() { return filterText(saveFilters().first()); }

QString fileExtension(const QString &fileName)
{
    // The folder may hold full stops of its own; only the file's name counts.
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

bool extensionFits(const QString &fileName, int position)
{
    REPORT_CHECK(position >= 0 && position < saveFilters().size());
    return extensionMatches(saveFilters().at(position), fileExtension(fileName));
}

QByteArray exportText(const PageSet &pages)
{
    QString out;
    for (qsizetype p = 0; p < pages.pages.size(); ++p) {
        if (p > 0)
            out += QLatin1String("\f");
        const Page &page = pages.pages.at(p);
        const double left = leftmostText(page), column = columnMm(page);
        for (const Row &row : pageRows(page, true))
            out += textLine(row, left, column) % QLatin1String("\r\n");
    }
    return out.toUtf8();
}

QByteArray exportCsv(const PageSet &pages)
{
    QString out;
    for (qsizetype p = 0; p < pages.pages.size(); ++p)
        for (const Row &row : pageRows(pages.pages.at(p), false)) {
            out += QString::number(p + 1);
            for (const DrawItem &item : row)
                out += QLatin1Char(',') % csvField(item.text);
            out += QLatin1String("\r\n");
        }
    // The byte order mark tells a spreadsheet that the file is UTF-8.
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

QByteArray exportHtml(const PageSet &pages)
{
    const QString title = pages.title.toHtmlEscaped();
    QString out = QLatin1String("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>") % title
                  % QLatin1String("</title>\n<style>table{border-collapse:collapse;margin-bottom:2em}"
                                  "td{padding:0 1em 0 0;white-space:pre}"
                                  "table+table{page-break-before:always}</style></head>\n<body>\n");
    for (const Page &page : pages.pages) {
        out += QLatin1String("<table>\n");
        for (const Row &row : pageRows(page, false)) {
            out += QLatin1String("<tr>");
            for (const DrawItem &item : row) {
                const QString text = item.text.toHtmlEscaped();
                out += QLatin1String("<td>")
                       % (item.font.bold && !text.isEmpty() ? QLatin1String("<b>") % text % QLatin1String("</b>") : text)
                       % QLatin1String("</td>");
            }
            out += QLatin1String("</tr>\n");
        }
        out += QLatin1String("</table>\n");
    }
    out += QLatin1String("</body></html>\n");
    return out.toUtf8();
}

SaveOutcome saveReport(const PageSet *pages, const QString &fileName, int position)
{
    REPORT_CHECK(!fileName.isEmpty());
    if (!pages || pages->pages.isEmpty())
        return SaveOutcome::NoPages;
    // A file chooser that names no filter leaves the format to the name's extension.
    if (position < 0 || position >= saveFilters().size()) {
        const QString extension = fileExtension(fileName);
        const auto &filters = saveFilters();
        const auto fits = std::find_if(filters.cbegin(), filters.cend(),
                                       [&](const auto &f) { return extensionMatches(f, extension); });
        if (fits == filters.cend())
            return SaveOutcome::WrongExtension;
        position = int(fits - filters.cbegin());
    }
    if (!extensionFits(fileName, position))
        return SaveOutcome::WrongExtension;
    switch (saveFilters().at(position).format) {
    case SaveFormat::Report: saveReportFile(fileName, *pages); break;
    case SaveFormat::Text: FileWriter::replace(fileName, exportText(*pages)); break;
    case SaveFormat::Csv: FileWriter::replace(fileName, exportCsv(*pages)); break;
    case SaveFormat::Html: FileWriter::replace(fileName, exportHtml(*pages)); break;
    case SaveFormat::Pdf: SavePdf(*pages, fileName); break;
    }
    return SaveOutcome::Saved;
}

} // namespace Report
