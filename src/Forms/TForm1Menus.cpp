// The main window's menu and popups, built from its commands.
#include "Forms/TForm1.h"
#include "Forms/common/DialogKit.h"
#include "Forms/main/CurrencyTabs.h"
#include "Forms/main/LanguageCommands.h"
#include "Forms/main/TabCommands.h"
#include "support/Trap.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// The region commands, in the order of their tags.
QList<const CommandDef*> regionCommands()
{
    QList<const CommandDef*> out;
    for (const CommandDef& d : CommandSet::table())
        if (d.region)
            out << &d;
    return out;
}
} // namespace

void TForm1::buildMenus()
{
    auto item = [this](QMenu* menu, const char* name, Command c, int tag = 0) {
        mirrorItem(menu, QString::fromLatin1(name), command(c), {}, tag);
    };
    auto submenu = [](QMenu* parent, const QString& caption, const char* name) {
        return named(parent->addMenu(caption), QString::fromLatin1(name));
    };
    QMenuBar* mb = menuBar();
    mb->setObjectName(QStringLiteral("MainMenu1"));
    auto top = [mb](const QString& caption, const char* name) {
        return named(mb->addMenu(caption), QString::fromLatin1(name));
    };
    QMenu* file = top(tr("&File"), "File1");
    item(file, "SaveTransactionLog1", Command::SaveTransactionLog);
    file->addSeparator();
    item(file, "PreviewCustomerReceipt1", Command::PreviewCustomerReceipt, 101);
    item(file, "ReceiptOptions1", Command::PreviewTransactionLog);
    file->addSeparator();
    item(file, "PrintCustomerReceipt2", Command::PrintCustomerReceipt, 100);
    item(file, "PrintTransactionLog2", Command::PrintTransactionLog, 102);
    file->addSeparator();
    item(file, "PrintOptions2", Command::PrintHeaderOptions);
    item(file, "PrinterSetup1", Command::PrinterSetup);
    file->addSeparator();
    item(file, "Exit1", Command::Exit);

    item(top(tr("&View"), "View1"), "TransactionLog1", Command::ViewTransactionLog);

    QMenu* options = top(tr("&Options"), "Options1");
    item(options, "CountryDragList1", Command::CountryDragList);
    options->addSeparator();
    item(options, "ChangeTabNames1", Command::ChangeFolderName);
    QMenu* clear = submenu(options, tr("Cl&ear Folders"), "ClearFolders1");
    item(clear, "ClearSingleSelectedTabPanel1", Command::ClearSelectedFolders);
    item(clear, "ClearAllTabPanels1", Command::ClearAllFolders);
    QMenu* defaults = submenu(options, tr("&Load Default Folders"), "LoadDefaultFolders1");
    for (const CommandDef* d : regionCommands())
        defaults->addAction(command(d->id));
    options->addSeparator();
    item(options, "DateFormat1", Command::DateCurrencyFormat);
    options->addSeparator();
    item(options, "SetAccountingExportFile1", Command::SetAccountingExportFile);
    options->addSeparator();
    item(options, "RollBack1", Command::Rollback);
    options->addSeparator();
    // The choice takes effect at the next start, and the submenu's title says so.
    QMenu* language = submenu(options, tr("Lan&guage (next start)"), "Language1");
    for (Command c : LanguageCommands::kChoices)
        language->addAction(command(c));

    QMenu* tools = top(tr("&Tools"), "Tools1");
    item(tools, "CurrencyEditor1", Command::CurrencyEditor);
    item(tools, "CurrencyFormat1", Command::CommissionEditor);
    item(tools, "Proxy1", Command::FireWallAccessSetup);
    tools->addSeparator();
    tools->addAction(command(Command::CommissionToolbar));
    tools->addAction(command(Command::ShowPrintAccountingDialog));

    // The Help menu's own F3 is only shown: F3 runs the Help Index.
    QMenu* help = top(tr("&Help"), "Help1");
    help->menuAction()->setToolTip(QStringLiteral("F3"));
    item(help, "HelpIndex1", Command::HelpIndex);
    help->addSeparator();
    item(help, "WebSite1", Command::About);
    item(help, "Downloadlatestversion1", Command::DownloadLatestVersion);
    help->addSeparator();
    item(help, "Support1", Command::Support);
}

void TForm1::buildPopups()
{
    // The window's popup names its items in its own words; each runs its command. Its
    // Ctrl+R is only shown: Ctrl+R prints the transaction log.
    auto item = [this](QMenu* menu, const char* name, Command c) {
        const CommandDef& d = CommandSet::def(c);
        QAction* it = menu->addAction(CommandSet::text(d.popupCaption));
        it->setObjectName(QString::fromLatin1(name));
        if (!d.region) {
            connect(it, &QAction::triggered, command(c), &QAction::trigger);
            return;
        }
        // A region item goes by its own tag.
        it->setData(d.region);
        connect(it, &QAction::triggered, this, [this, it] {
            trapped(QString(), [&] { tabUnit_->Loaddefaults(it->data().toInt()); });
        });
    };
    PopupMenu1 = named(new QMenu(this), QStringLiteral("PopupMenu1"));
    item(PopupMenu1, "CountryDragList2", Command::CountryDragList);
    PopupMenu1->addSeparator();
    item(PopupMenu1, "ChangeFolderName1", Command::ChangeFolderName);
    QMenu* pclear = named(PopupMenu1->addMenu(tr("Cl&ear")), QStringLiteral("Clear1"));
    item(pclear, "ClearSelectedFolder1", Command::ClearSelectedFolders);
    item(pclear, "ClearAllFolders1", Command::ClearAllFolders);
    QMenu* pload = named(PopupMenu1->addMenu(tr("&Load Default Folders")),
                         QStringLiteral("LoadDefaultFolders2"));
    for (const CommandDef* d : regionCommands())
        item(pload, "", d->id);

    // The popup of each currency button runs the commands themselves.
    LoadCountryDefaults = named(new QMenu(this), QStringLiteral("LoadCountryDefaults"));
    LoadCountryDefaults->addAction(command(Command::CountryDragList));
    LoadCountryDefaults->addSeparator();
    LoadCountryDefaults->addAction(command(Command::ChangeFolderName));
    QMenu* bclear = LoadCountryDefaults->addMenu(tr("Cl&ear Folders"));
    bclear->addAction(command(Command::ClearSelectedFolders));
    bclear->addAction(command(Command::ClearAllFolders));
    QMenu* bload = LoadCountryDefaults->addMenu(tr("Load &Defaults"));
    for (const CommandDef* d : regionCommands())
        bload->addAction(command(d->id));
    LoadCountryDefaults->addAction(command(Command::DeleteButton));
    LoadCountryDefaults->addSeparator();
    LoadCountryDefaults->addAction(command(Command::DateCurrencyFormat));

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(mapToGlobal(p)); });
    connect(tabs_, &CurrencyTabs::slotMenuRequested, this,
            [this](int, const QPoint& global) { LoadCountryDefaults->popup(global); });
}
