#include "Forms/main/PrintCommands.h"
#include "Forms/TPrintOptions.h"
#include "Forms/TQuickReportViewer.h"
#include "Forms/common/DialogKit.h"
#include "Forms/main/Commands.h"
#include "calc/CounterSession.h"
#include "support/Messenger.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

PrintCommands::PrintCommands(MainContext& ctx) : ctx_(ctx)
{
    using C = Command;
    const std::pair<Command, std::function<void()>> commands[] = {
        {C::PreviewCustomerReceipt, [this] { Preview(Mode::CustomerReceipt); }},
        {C::PreviewTransactionLog, [this] { Preview(Mode::TransactionLogReport); }},
        {C::PrintCustomerReceipt, [this] { PrepareAndPrint(Mode::CustomerReceipt); }},
        {C::PrintTransactionLog, [this] { PrepareAndPrint(Mode::TransactionLogReport); }},
        {C::PrintHeaderOptions, [this] { ActionPrintHeaderOptionsExecute(); }},
        {C::PrinterSetup, [this] { ActionPrinterSetupExecute(); }}};
    for (const auto& [c, handler] : commands)
        ctx.commands.bind(c, handler);
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::PrepareReport(Mode mode)
{
    report_.PrepareReport(mode, ctx_.session.reportSources(QDateTime::currentDateTime()));
}

Report::ReportPrinter::Outcome PrintCommands::PrintPrepared()
{
    return Print([this](const QSizeF& paper) { return report_.Pages(paper); });
}

Report::ReportPrinter::Outcome PrintCommands::Print(const std::function<Report::PageSet(const QSizeF&)>& layout)
{
    const auto outcome = printer_.Print(layout, messenger());
    // The status bar says where the report went, and forgets where the one before went.
    MainState& state = ctx_.session.state();
    state.panel[2] = printer_.outputText();
    state.announce();
    return outcome;
}

void PrintCommands::PrepareAndPrint(Mode mode)
{
    PrepareReport(mode);
    PrintPrepared();
}

// The print preview: a viewer of its own for each preview, showing the pages prepared for
// the printer's paper; it prints on the current printer and is destroyed once it is closed.
void PrintCommands::Preview(Mode mode)
{
    PrepareReport(mode);
    const Report::PageSet pages = report_.Pages(printer_.paperMm());
    const auto print = [this](const Report::PageSet& shown) { Print([&shown](const QSizeF&) { return shown; }); };
    const QPointer<TQuickReportViewer> viewer = new TQuickReportViewer(&ctx_.window, print);
    viewer->ShowReport(pages);
    delete viewer;
}

void PrintCommands::ActionPrintHeaderOptionsExecute() { VemoxDialog::run<TPrintOptions>(&ctx_.window); }

void PrintCommands::ActionPrinterSetupExecute()
{
    // The printer and paper chosen here are the ones every print uses.
    QPrintDialog dialog(&printer_.printer(), &ctx_.window);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(tr("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    runModal(dialog);
}
