#pragma once
// The main window's printing commands: the customer receipt and the transaction log report,
// previewed or printed on the current printer, the print options and the printer setup.
// It owns the report layout (TQuickReport1), prepared from the counter's session, and the
// printer every print uses.
#include "Forms/main/MainContext.h"
#include "report/QuickReport.h"
#include "report/ReportPrinting.h"

#include <QObject>
#include <functional>

class PrintCommands : public QObject {
    Q_OBJECT
public:
    using Mode = TQuickReport1::Mode;
    explicit PrintCommands(MainContext& ctx);
    ~PrintCommands() override;

    // Prepares the report for a mode from the session's sources and the time now.
    void PrepareReport(Mode mode);
    // Prints the report as prepared: one copy on the current printer, without a dialog; with
    // no printer the operator may save it as a PDF file instead.
    Report::ReportPrinter::Outcome PrintPrepared();
    // Prints the pages that `layout` gives for the printer's paper, and shows in the status
    // bar where they went.
    Report::ReportPrinter::Outcome Print(const std::function<Report::PageSet(const QSizeF&)>& layout);

    // The commands.
    void PrepareAndPrint(Mode mode);
    void Preview(Mode mode);
    void ActionPrintHeaderOptionsExecute();
    void ActionPrinterSetupExecute();

private:
    MainContext& ctx_;
    TQuickReport1 report_;
    Report::ReportPrinter printer_;
};
