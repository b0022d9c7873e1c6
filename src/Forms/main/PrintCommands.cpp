#include "Forms/main/PrintCommands.h"
#include "Forms/TForm1.h"
#include "Forms/TPrintOptions.h"
#include "Forms/TQuickReportViewer.h"
#include "Forms/main/ExchangeCommands.h"
#include "Forms/main/LogCommands.h"
#include "Forms/common/DialogKit.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <QAction>
#include <QPrintDialog>
#include <QPointer>
#include <QPrinter>

namespace {
// The print preview: a viewer of its own for each preview, showing the pages prepared for the
// printer's paper; it prints on the current printer and is destroyed once it is closed.
void showViewer(QWidget* owner, PrintCommands& printing, int)
{
    const Report::PageSet pages = printing.preparedPages(printing.printer().paperMm());
    const auto print = [&printing](const Report::PageSet& shown) {
        printing.Print([&shown](const QSizeF&) { return shown; });
    };
    const QPointer<TQuickReportViewer> viewer = new TQuickReportViewer(owner, print);
    viewer->ShowReport(pages);
    delete viewer;
}
} // namespace

PrintCommands::PrintCommands(TForm1& form) : QObject(&form), form_(form), previewer_(showViewer) {}

PrintCommands::~PrintCommands() = default;

void PrintCommands::PrepareReport(int mode)
{
    ReportSources sources;
    sources.payment = form_.state().payment;
    sources.rateKind = form_.state().rateKind;
    sources.log = form_.transactionLog().Lines();
    sources.now = QDateTime::currentDateTime();
    report_.PrepareReport(mode, sources);
}

Report::ReportPrinter::Outcome PrintCommands::PrintPrepared()
{
    return Print([this](const QSizeF& paper) { return report_.Pages(paper); });
}

Report::ReportPrinter::Outcome PrintCommands::Print(const std::function<Report::PageSet(const QSizeF&)>& layout)
{
    const auto outcome = printer_.Print(layout, messenger());
    // The status bar says where the report went, and forgets where the one before went.
    form_.state().panel[2] = printer_.outputText();
    form_.state().announce();
    return outcome;
}

void PrintCommands::PrepareAndPrint(int mode)
{
    trapped(QString(), [&] {
        PrepareReport(mode);
        PrintPrepared();
    });
}

void PrintCommands::preview(int mode)
{
    trapped(QString(), [&] {
        PrepareReport(mode);
        previewer_(&form_, *this, mode);
    });
}

void PrintCommands::ActionPreviewCustomerReceiptExecute() { preview(TQuickReport1::CustomerReceipt); }

void PrintCommands::ActionPreviewTransactionLogExecute() { preview(TQuickReport1::TransactionLogReport); }

void PrintCommands::ActionPrintCustomerReceiptExecute() { PrepareAndPrint(TQuickReport1::CustomerReceipt); }

void PrintCommands::ActionPrintTransactionLogExecute() { PrepareAndPrint(TQuickReport1::TransactionLogReport); }

void PrintCommands::ActionPrintHeaderOptionsExecute()
{
    VemoxDialog::run<TPrintOptions>(&form_);
}

void PrintCommands::ActionPrinterSetupExecute()
{
    // The printer and paper chosen here are the ones every print uses.
    QPrintDialog dialog(&printer_.printer(), &form_);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    runModal(dialog);
}

void TForm1::connectPrinting()
{
    Printing = new PrintCommands(*this);
    const std::pair<Command, void (PrintCommands::*)()> commands[] = {
        {Command::PreviewCustomerReceipt, &PrintCommands::ActionPreviewCustomerReceiptExecute},
        {Command::PreviewTransactionLog, &PrintCommands::ActionPreviewTransactionLogExecute},
        {Command::PrintCustomerReceipt, &PrintCommands::ActionPrintCustomerReceiptExecute},
        {Command::PrintTransactionLog, &PrintCommands::ActionPrintTransactionLogExecute},
        {Command::PrintHeaderOptions, &PrintCommands::ActionPrintHeaderOptionsExecute},
        {Command::PrinterSetup, &PrintCommands::ActionPrinterSetupExecute}};
    for (const auto& [c, handler] : commands)
        commands_->bind(c, [p = Printing, handler = handler] { (p->*handler)(); });
    exchange_->conversionMade = [this](const Conversion& made) { Printing->conversionMade(made); };
    // The log window's Print prints the log report at once.
    log_->printLog = [this] { Printing->ActionPrintTransactionLogExecute(); };
}
