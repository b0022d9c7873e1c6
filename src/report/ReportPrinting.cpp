#include "report/ReportPrinting.h"
#include "report/PageRenderer.h"
#include "support/DataFolder.h"
#include "support/Errors.h"
#include "support/FileWriter.h"
#include "support/Messenger.h"
#include "support/Trap.h"
#include "support/Translate.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Report {

const QString ReportPrinter::kNoPrinter = QStringLiteral(QT_TRANSLATE_NOOP(
    "Vemox", "No printer is installed, so the report cannot be printed.\nSave it as a PDF file instead?"));
const QString ReportPrinter::kPrintFailed = QStringLiteral(QT_TRANSLATE_NOOP(
    "Vemox", "The report could not be printed on the printer \"%1\".\nSave it as a PDF file instead?"));
const QString ReportPrinter::kSaveTitle = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Save Report as PDF"));
const QString ReportPrinter::kPrintedOn = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Printed on \"%1\""));
const QString ReportPrinter::kSavedAs = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Saved as %1"));

void SavePdf(const PageSet& pages, const QString& fileName)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Vemox"));
        writer.setTitle(pages.title);
        if (!PageRenderer::render(writer, pages))
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Cannot create file %1"))
                                 .arg(QDir::toNativeSeparators(fileName)));
    }
    FileWriter::replace(fileName, buffer.data());
}

ReportPrinter::ReportPrinter() = default;

QPrinter& ReportPrinter::printer() const
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setPageOrientation(QPageLayout::Portrait);
    }
    return *printer_;
}

ReportPrinter::~ReportPrinter() = default;

QSizeF ReportPrinter::paperMm() const
{
    const QSizeF size = printer().pageLayout().pageSize().size(QPageSize::Millimeter);
    // Portrait whatever way round the paper is described.
    return size.width() <= size.height() ? size : size.transposed();
}

bool ReportPrinter::printsToFile() const
{
    return printer().outputFormat() == QPrinter::PdfFormat && !printer().outputFileName().isEmpty();
}

bool ReportPrinter::canPrint() const
{
    if (printer().outputFormat() == QPrinter::PdfFormat)
        return printsToFile();
    return !printer().printerName().isEmpty() && printerInstalled();
}

bool ReportPrinter::printerInstalled() const
{
    // Only the printer chosen is asked for: listing every printer costs the print system a
    // description of each queue, on each print.
    return !QPrinterInfo::printerInfo(printer().printerName()).isNull();
}

ReportPrinter::Outcome ReportPrinter::Print(const std::function<PageSet(const QSizeF&)>& layout, Messenger& m)
{
    output_.clear();
    const PageSet pages = layout(paperMm());
    // The file chosen in Printer Setup is only where the first print is proposed to go: each
    // print asks, so that none overwrites the one before.
    if (printsToFile())
        return saveAs(pages, newFileName(printer().outputFileName()), m);
    if (printer().outputFormat() == QPrinter::PdfFormat || printer().printerName().isEmpty())
        return offerPdf(pages, translated(kNoPrinter), m);
    // A printer removed since it was chosen takes a job without a word and prints nothing.
    if (!printerInstalled())
        return offerPdf(pages, translated(kPrintFailed).arg(printer().printerName()), m);
    printer().setCopyCount(1);
    printer().setDocName(pages.title.isEmpty() ? QStringLiteral("Vemox report") : pages.title);
    if (PageRenderer::render(printer(), pages)) {
        output_ = translated(kPrintedOn).arg(printer().printerName());
        return Outcome::Printed;
    }
    return offerPdf(pages, translated(kPrintFailed).arg(printer().printerName()), m);
}

ReportPrinter::Outcome ReportPrinter::offerPdf(const PageSet& pages, const QString& why, Messenger& m)
{
    if (!m.askYesNo(why, Messenger::Icon::Warning))
        return Outcome::NotPrinted;
    return saveAs(pages, newFileName(DataFolder::file(QStringLiteral("report.pdf"))), m);
}

ReportPrinter::Outcome ReportPrinter::saveAs(const PageSet& pages, const QString& proposal, Messenger& m)
{
    Messenger::FileDialog dialog;
    dialog.title = translated(kSaveTitle);
    dialog.filter = translated(QT_TRANSLATE_NOOP("Vemox", "PDF file (*.pdf)"));
    dialog.defaultSuffix = QStringLiteral("pdf");
    dialog.directory = proposal;   // a file's name here is the name proposed
    const QString file = m.saveFileName(dialog);
    if (file.isEmpty())
        return Outcome::NotPrinted;
    const bool saved = trapWith([&] { SavePdf(pages, file); }, [&](VemoxError& e) { m.errorBox(e.message()); });
    if (!saved)
        return Outcome::NotPrinted;
    output_ = translated(kSavedAs).arg(QDir::toNativeSeparators(file));
    return Outcome::SavedAsPdf;
}

QString ReportPrinter::newFileName(const QString& wanted)
{
    const QFileInfo info(wanted);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = wanted;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + QString::number(n) + suffix);
    return name;
}

} // namespace Report
