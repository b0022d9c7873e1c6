#pragma once
// Printing a prepared report: on the printer that Printer Setup chose, or, when there is no
// printer to print on, as a PDF file the operator names. Nothing is lost on the way: a
// report that cannot be printed is offered as a file, and a file that cannot be written
// leaves any earlier file whole and is reported.
#include "report/ReportPages.h"

#include <QSizeF>
#include <functional>
#include <memory>

class Messenger;
class QPrinter;

namespace Report {

// The pages as a PDF file, replacing the file only once the whole document is written.
// Raises VemoxError naming the file when it cannot be written.
void SavePdf(const PageSet& pages, const QString& fileName);

// The printer every print uses. Printer Setup edits its QPrinter; every print lays the
// report out for its paper.
class ReportPrinter {
public:
    ReportPrinter();
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // Made on first use, so that the start of the program never waits on the print system.
    QPrinter& printer() const;

    // The paper of the printer, portrait, in millimetres.
    QSizeF paperMm() const;
    // There is somewhere to print: an installed printer, or an output file chosen in
    // Printer Setup.
    bool canPrint() const;

    enum class Outcome { Printed, SavedAsPdf, NotPrinted };
    // Prints one copy of the pages that `layout` gives for the printer's paper, without a
    // dialog. With nowhere to print, or when the printer refuses, the operator is told
    // and offered to save the same pages as a PDF file.
    Outcome Print(const std::function<PageSet(const QSizeF& paperMm)>& layout, Messenger& messenger);

    // The texts the operator meets.
    static const QString kNoPrinter;
    static const QString kPrintFailed;   // %1: the printer's name
    static const QString kSaveTitle;

private:
    Outcome offerPdf(const PageSet& pages, const QString& why, Messenger& messenger);
    mutable std::unique_ptr<QPrinter> printer_;
};

} // namespace Report
