#pragma once
// Printing a prepared report: on the printer that Printer Setup chose, or as a PDF file the
// operator names, each time, when that printer is a file or there is no printer to print on.
// Nothing is lost on the way: no print overwrites an earlier one unasked, a report that cannot
// be printed is offered as a file, and a file that cannot be written leaves any earlier file
// whole and is reported.
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
    // dialog. When Printer Setup chose a file, asks for the file's name, proposing a new one
    // each time. With nowhere to print, or when the printer refuses, the operator is told
    // and offered to save the same pages as a PDF file; so is a printer no longer installed.
    Outcome Print(const std::function<PageSet(const QSizeF& paperMm)>& layout, Messenger& messenger);
    // Where the last print went, for the status bar: "Printed on ..." or "Saved as ...";
    // empty when it was not printed.
    const QString& outputText() const { return output_; }

    // The first name of the form "report.pdf", "report-2.pdf", "report-3.pdf", ... that no
    // file has yet.
    static QString newFileName(const QString& wanted);

    // The texts the operator meets.
    static const QString kNoPrinter;
    static const QString kPrintFailed;   // %1: the printer's name
    static const QString kSaveTitle;
    static const QString kPrintedOn;     // %1: the printer's name
    static const QString kSavedAs;       // %1: the file

private:
    Outcome offerPdf(const PageSet& pages, const QString& why, Messenger& messenger);
    Outcome saveAs(const PageSet& pages, const QString& proposal, Messenger& messenger);
    bool printsToFile() const;
    bool printerInstalled() const;
    mutable std::unique_ptr<QPrinter> printer_;
    QString output_;
};

} // namespace Report
