// The main window's command table, and the actions, main menu and popups built from it.
#include "Forms/TForm1.h"
#include "Forms/common/DialogKit.h"
#include "Forms/main/CurrencyPanes.h"
#include "Forms/main/CurrencyTabs.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

std::span<const CommandDef> TForm1::commandTable()
{
    using C = Command;
    constexpr auto A = CommandDef::ActionList;
    constexpr auto M = CommandDef::MenuOnly;
    // In the order of the enum; buildCommands() checks it.
    static const CommandDef table[] = {
        {C::SaveTransactionLog, "ActionSaveTransactionLog", "Save &Transaction Log...", "Ctrl+T",
         "Save Transaction Log As...", 0, nullptr, &TForm1::SaveTransactionLog1Click, A},
        {C::PreviewCustomerReceipt, "ActionPreviewCustomerReceipt", "Preview &Customer Receipt", "Ctrl+N",
         "Preview Customer Receipt", 0, nullptr, nullptr, A},
        {C::PreviewTransactionLog, "ActionPreviewTransactionLog", "Preview Transaction &Log", "Ctrl+Alt+H",
         "Preview Transaction Log", 0, nullptr, nullptr, A},
        {C::PrintCustomerReceipt, "ActionPrintCustomerReceipt", "Print Customer Receipt", "Ctrl+P",
         "Print Customer Receipt", 0, nullptr, nullptr, A},
        {C::PrintTransactionLog, "ActionPrintTransactionLog", "Print T&ransaction Log", "Ctrl+R",
         "Print Transaction Log", 0, nullptr, nullptr, A},
        {C::PrintHeaderOptions, "ActionPrintHeaderOptions", "Print &Header Options", "Ctrl+H", "Print Header Options",
         0, nullptr, nullptr, A},
        {C::PrinterSetup, "ActionPrinterSetup", "Printer Setup", "F12", "Printer Setup", 0, nullptr, nullptr, A},
        {C::Exit, "ActionExit", "E&xit", "Ctrl+Q", "Exit", 0, nullptr, &TForm1::Exit1Click, A},
        {C::ViewTransactionLog, "ActionViewTransactionLog", "View &Transaction Log", "Ctrl+V", "Show Transaction Log",
         0, nullptr, &TForm1::TransactionLog1Click, A},
        {C::CountryDragList, "ActionCountryDragList", "Count&ry List", "Ctrl+D", "Show Country Drag/Drop List", 0,
         "Country Drag &List\tCtrl+R", &TForm1::CountryDragList1Click, A},
        {C::ChangeFolderName, "ActionChangeFolderName", "&Folder Name", "Ctrl+F", "Change Folder Name", 0,
         "C&hange Folder Name", &TForm1::ChangeTabNames1Click, A},
        {C::ClearSelectedFolders, "ActionClearSelectedFolders", "Clear &Selected Folders", "F8",
         "Clear Selected Folders", 0, "Clear Selected Folder", &TForm1::ClearSelectedTabbedPanel1Click, A},
        {C::ClearAllFolders, "ActionClearAllFolders", "Clear &All Folders", "F9", "Clear All Folders", 0,
         "Clear All Folders", &TForm1::ClearAllTabbedPanels1Click, A},
        {C::LoadDefaultFolders, "ActionLoadDefaultFolders", "&Load Default Folders", "F10", "Load Default Folders", 0,
         nullptr, nullptr, A},
        {C::DateCurrencyFormat, "ActionDateCurrencyFormat", "&Date Currency Format", "Ctrl+W",
         "Edit Date Currency Format", 0, nullptr, &TForm1::DateFormat1Click, A},
        {C::SetAccountingExportFile, "ActionSetAccountingExportFile", "Set Accounting &ExportFile", "",
         "Set Accounting Export File", 0, nullptr, nullptr, A},
        {C::Rollback, "ActionRollback", "&Rollback", "Ctrl+B", "Rollback", 0, nullptr, &TForm1::RollBack1Click, A},
        {C::CurrencyEditor, "ActionCurrencyEditor", "Currency &Editor", "F4", "Currency Editor", 0, nullptr,
         &TForm1::CurrencyEditor1Click, A},
        {C::CommissionEditor, "ActionCommissionEditor", "C&ommissionEditor", "F5", "Commission Editor", 0, nullptr,
         &TForm1::CurrencyFormat1Click, A},
        {C::FireWallAccessSetup, "ActionFireWallAccessSetup", "&Firewall Setup", "Ctrl+J", "Firewall Setup", 0,
         nullptr, &TForm1::Proxy1Click, A},
        {C::HelpIndex, "ActionhelpIndex", "&Help Index", "F3", "Help Index", 0, nullptr, &TForm1::HelpIndex1Click, A},
        {C::DownloadLatestVersion, "ActionDownloadLatestVersion", "&Download Latest Version", "Ctrl+M",
         "Download Latest Version", 0, nullptr, &TForm1::Downloadlatestversion1Click, A},
        {C::Africa, "ActionAfica", "&Afica", "", "Load Africa", 1, "&Africa", &TForm1::ActionAficaExecute, A},
        {C::America, "ActionAmerica", "A&merica", "", "Load America", 2, "A&merica", &TForm1::ActionAmericaExecute, A},
        {C::Asia, "ActionAsia", "A&sia", "", "Load Asia", 3, "A&sia", &TForm1::ActionAsiaExecute, A},
        {C::Caribbean, "ActionCaribbean", "&Caribbean", "", "Load Caribbean", 4, "&Carribbean", &TForm1::ActionCaribbeanExecute, A},
        {C::Europe, "ActionEurope", "&Europe", "", "Load Europe", 5, "&Europe", &TForm1::ActionEuropeExecute, A},
        {C::MiddleEast, "ActionMiddleEast", "&MiddleEast", "", "Load Middle East", 6, "M&iddle East", &TForm1::ActionMiddleEastExecute, A},
        {C::Oceania, "ActionOceania", "&Oceania", "", "Load Oceania", 7, "Oceania", &TForm1::ActionOceaniaExecute, A},
        {C::DeleteButton, "ActionDeleteButton", "Delete Country", "", "Delete Country", 0, nullptr,
         &TForm1::ActionDeleteButtonExecute, A},
        {C::Update, "ActionUpdate", "", "F2", "Update from the Web", 0, nullptr, &TForm1::GoUpdateFromTheWeb, A},
        {C::Support, "ActionSupport", "Support", "Shift+Ctrl+F10", "Support", 0, nullptr, &TForm1::ActionSupportExecute,
         A},
        {C::About, "ActionAbout", "About &ZYMTechnology", "F1", "About ZYMTechnology", 0, nullptr,
         &TForm1::WebSite1Click, A},
        {C::CommissionToolbar, "CommissionToobar", "&Show Commission Toobar", "", "", 0, nullptr,
         &TForm1::MenuHideCommissionToolbar, M},
        {C::ShowPrintAccountingDialog, "ShowPrintAccountingDialog", "Show Print Accounting Dialog", "", "", 0,
         nullptr, nullptr, M},
    };
    static_assert(std::size(table) == kCommandCount, "one row per command");
    return table;
}

void TForm1::buildCommands()
{
    for (const CommandDef& d : commandTable()) {
        Q_ASSERT(&d - commandTable().data() == static_cast<int>(d.id));
        const QString name = QString::fromLatin1(d.name);
        const QString caption = QString::fromLatin1(d.caption);
        QAction* a = nullptr;
        if (d.place == CommandDef::ActionList) {
            a = makeAction(this, name, caption, QString::fromLatin1(d.shortcut), QString::fromLatin1(d.hint));
        } else {
            // Menu-only commands are added to their menu as they are, by buildMenus().
            a = named(new QAction(caption, this), name);
        }
        if (d.region)
            a->setData(d.region);
        if (d.handler)
            connect(a, &QAction::triggered, this, d.handler);
        commands_[static_cast<size_t>(d.id)] = a;
    }
    panes_->setUpdateCommand(command(Command::Update));
}

namespace {
// The region commands, in the order of their tags.
QList<const CommandDef*> regionCommands()
{
    QList<const CommandDef*> out;
    for (const CommandDef& d : TForm1::commandTable())
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
    auto submenu = [](QMenu* parent, const char* caption, const char* name) {
        return named(parent->addMenu(QString::fromLatin1(caption)), QString::fromLatin1(name));
    };
    QMenuBar* mb = menuBar();
    mb->setObjectName(QStringLiteral("MainMenu1"));
    auto top = [mb](const char* caption, const char* name) {
        return named(mb->addMenu(QString::fromLatin1(caption)), QString::fromLatin1(name));
    };
    QMenu* file = top("&File", "File1");
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

    item(top("&View", "View1"), "TransactionLog1", Command::ViewTransactionLog);

    QMenu* options = top("&Options", "Options1");
    item(options, "CountryDragList1", Command::CountryDragList);
    options->addSeparator();
    item(options, "ChangeTabNames1", Command::ChangeFolderName);
    QMenu* clear = submenu(options, "Cl&ear Folders", "ClearFolders1");
    item(clear, "ClearSingleSelectedTabPanel1", Command::ClearSelectedFolders);
    item(clear, "ClearAllTabPanels1", Command::ClearAllFolders);
    QMenu* defaults = submenu(options, "&Load Default Folders", "LoadDefaultFolders1");
    for (const CommandDef* d : regionCommands())
        defaults->addAction(command(d->id));
    options->addSeparator();
    item(options, "DateFormat1", Command::DateCurrencyFormat);
    options->addSeparator();
    item(options, "SetAccountingExportFile1", Command::SetAccountingExportFile);
    options->addSeparator();
    item(options, "RollBack1", Command::Rollback);

    QMenu* tools = top("&Tools", "Tools1");
    item(tools, "CurrencyEditor1", Command::CurrencyEditor);
    item(tools, "CurrencyFormat1", Command::CommissionEditor);
    item(tools, "Proxy1", Command::FireWallAccessSetup);
    tools->addSeparator();
    tools->addAction(command(Command::CommissionToolbar));
    tools->addAction(command(Command::ShowPrintAccountingDialog));

    // The Help menu's own F3 is only shown: F3 runs the Help Index.
    QMenu* help = top("&Help", "Help1");
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
        const CommandDef& d = commandTable()[static_cast<size_t>(c)];
        QAction* it = menu->addAction(QString::fromLatin1(d.popupCaption));
        it->setObjectName(QString::fromLatin1(name));
        if (d.region) {
            // A region item goes by its tag.
            it->setData(d.region);
            connect(it, &QAction::triggered, this, [this, it] { Loaddefaults(it->data().toInt()); });
        } else {
            connect(it, &QAction::triggered, command(c), &QAction::trigger);
        }
    };
    PopupMenu1 = named(new QMenu(this), QStringLiteral("PopupMenu1"));
    item(PopupMenu1, "CountryDragList2", Command::CountryDragList);
    PopupMenu1->addSeparator();
    item(PopupMenu1, "ChangeFolderName1", Command::ChangeFolderName);
    QMenu* pclear = named(PopupMenu1->addMenu(QStringLiteral("Cl&ear")), QStringLiteral("Clear1"));
    item(pclear, "ClearSelectedFolder1", Command::ClearSelectedFolders);
    item(pclear, "ClearAllFolders1", Command::ClearAllFolders);
    QMenu* pload = named(PopupMenu1->addMenu(QStringLiteral("&Load Default Folders")),
                         QStringLiteral("LoadDefaultFolders2"));
    for (const CommandDef* d : regionCommands())
        item(pload, "", d->id);

    // The popup of each currency button runs the commands themselves.
    LoadCountryDefaults = named(new QMenu(this), QStringLiteral("LoadCountryDefaults"));
    LoadCountryDefaults->addAction(command(Command::CountryDragList));
    LoadCountryDefaults->addSeparator();
    LoadCountryDefaults->addAction(command(Command::ChangeFolderName));
    QMenu* bclear = LoadCountryDefaults->addMenu(QStringLiteral("Cl&ear Folders"));
    bclear->addAction(command(Command::ClearSelectedFolders));
    bclear->addAction(command(Command::ClearAllFolders));
    QMenu* bload = LoadCountryDefaults->addMenu(QStringLiteral("Load &Defaults"));
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
