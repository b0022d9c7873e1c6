#include "report/ReportPrinting.h"
#include "report/PageRenderer.h"
#include "support/Errors.h"
#include "support/FileWriter.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace Report {

const QString ReportPrinter::kNoPrinter =
    QStringLiteral("No printer is installed, so the report cannot be printed.\nSave it as a PDF file instead?");
const QString ReportPrinter::kPrintFailed =
    QStringLiteral("The report could not be printed on the printer \"%1\".\nSave it as a PDF file instead?");
const QString ReportPrinter::kSaveTitle = QStringLiteral("Save Report as PDF");

void SavePdf(const PageSet& pages, const QString& fileName)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Vemox"));
        writer.setTitle(pages.title);
        if (!PageRenderer::render(writer, pages))
            throw VemoxError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(fileName)));
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

bool ReportPrinter::canPrint() const
{
    if (printer().outputFormat() == QPrinter::PdfFormat)
        return !printer().outputFileName().isEmpty();
    return !printer().printerName().isEmpty() && !QPrinterInfo::availablePrinters().isEmpty();
}

ReportPrinter::Outcome ReportPrinter::Print(const std::function<PageSet(const QSizeF&)>& layout, Messenger& m)
{
    const PageSet pages = layout(paperMm());
    if (!canPrint())
        return offerPdf(pages, kNoPrinter, m);
    printer().setCopyCount(1);
    printer().setDocName(pages.title.isEmpty() ? QStringLiteral("Vemox report") : pages.title);
    if (PageRenderer::render(printer(), pages))
        return Outcome::Printed;
    const QString name = printer().outputFormat() == QPrinter::PdfFormat
                             ? QDir::toNativeSeparators(printer().outputFileName())
                             : printer().printerName();
    return offerPdf(pages, kPrintFailed.arg(name), m);
}

ReportPrinter::Outcome ReportPrinter::offerPdf(const PageSet& pages, const QString& why, Messenger& m)
{
    if (!m.askYesNo(why, Messenger::Icon::Warning))
        return Outcome::NotPrinted;
    Messenger::FileDialog dialog;
    dialog.title = kSaveTitle;
    dialog.filter = QStringLiteral("PDF file (*.pdf)");
    dialog.defaultSuffix = QStringLiteral("pdf");
    dialog.directory = QDir::currentPath();
    const QString file = m.saveFileName(dialog);
    if (file.isEmpty())
        return Outcome::NotPrinted;
    const bool saved = trapWith([&] { SavePdf(pages, file); }, [&](VemoxError& e) { m.errorBox(e.message()); });
    return saved ? Outcome::SavedAsPdf : Outcome::NotPrinted;
}

} // namespace Report
