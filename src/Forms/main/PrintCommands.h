#pragma once
// The main window's printing commands: the customer receipt and the transaction log report,
// previewed or printed on the current printer, the print options and the printer setup.
// It owns the report layout (TQuickReport1) and the printer every print uses.
#include "report/QuickReport.h"
#include "report/ReportPrinting.h"

#include <QObject>
#include <functional>

class TForm1;
class QWidget;

class PrintCommands : public QObject {
    Q_OBJECT
public:
    explicit PrintCommands(TForm1& form);
    ~PrintCommands() override;

    TQuickReport1& QuickReport1() { return report_; }
    Report::ReportPrinter& printer() { return printer_; }

    // The receipt cells of each conversion.
    void conversionMade(const Conversion& conversion) { report_.SetReceiptCells(conversion); }

    // Prepares the report for a mode (0 receipt, 1 log report) from the main window's rate
    // and payment choices, its log and the time now, and gives its pages for the printer's
    // paper.
    void PrepareReport(int mode);
    Report::PageSet preparedPages(const QSizeF& paperMm) const { return report_.Pages(paperMm); }
    // Prints the report as prepared: one copy on the current printer, without a dialog; with
    // no printer the operator may save it as a PDF file instead.
    Report::ReportPrinter::Outcome PrintPrepared();
    // Prints the pages that `layout` gives for the printer's paper, and shows in the status
    // bar where they went.
    Report::ReportPrinter::Outcome Print(const std::function<Report::PageSet(const QSizeF&)>& layout);
    // Prepares and prints, in the handlers' trap.
    void PrepareAndPrint(int mode);

    // The commands.
    void ActionPreviewCustomerReceiptExecute();
    void ActionPreviewTransactionLogExecute();
    void ActionPrintCustomerReceiptExecute();
    void ActionPrintTransactionLogExecute();
    void ActionPrintHeaderOptionsExecute();
    void ActionPrinterSetupExecute();

    // Shows a prepared report; replaceable by the report viewer.
    using Previewer = std::function<void(QWidget* owner, PrintCommands& printing, int mode)>;
    void setPreviewer(Previewer previewer) { previewer_ = std::move(previewer); }

private:
    void preview(int mode);

    TForm1& form_;
    TQuickReport1 report_;
    Report::ReportPrinter printer_;
    Previewer previewer_;
};
