// The main window's command table, and the actions built from it.
#include "Forms/main/Commands.h"
#include "Forms/common/DialogKit.h"
#include "data/Regions.h"
#include "support/Trap.h"

#include <QAction>
#include <QWidget>

namespace {
// A region load's row, from the region table.
constexpr CommandDef region(Command id, int index)
{
    const RegionDef& r = kRegions[size_t(index)];
    return {id, r.actionName, r.caption, "", r.hint, "", r.tag, r.popupCaption, CommandDef::ActionList};
}
} // namespace

std::span<const CommandDef> CommandSet::table()
{
    using C = Command;
    constexpr auto A = CommandDef::ActionList;
    constexpr auto M = CommandDef::MenuOnly;
    // In the order of the enum; the constructor checks it.
    static const CommandDef table[] = {
        {C::SaveTransactionLog, "ActionSaveTransactionLog", "Save &Transaction Log...", "Ctrl+T",
         "Save Transaction Log As...", "", 0, nullptr, A},
        {C::PreviewCustomerReceipt, "ActionPreviewCustomerReceipt", "Preview &Customer Receipt", "Ctrl+N",
         "Preview Customer Receipt", "", 0, nullptr, A},
        {C::PreviewTransactionLog, "ActionPreviewTransactionLog", "Preview Transaction &Log", "Ctrl+Alt+H",
         "Preview Transaction Log", "", 0, nullptr, A},
        {C::PrintCustomerReceipt, "ActionPrintCustomerReceipt", "Print Customer Receipt", "Ctrl+P",
         "Print Customer Receipt", "", 0, nullptr, A},
        {C::PrintTransactionLog, "ActionPrintTransactionLog", "Print T&ransaction Log", "Ctrl+R",
         "Print Transaction Log", "", 0, nullptr, A},
        {C::PrintHeaderOptions, "ActionPrintHeaderOptions", "Print &Header Options", "Ctrl+H", "Print Header Options", "",
         0, nullptr, A},
        {C::PrinterSetup, "ActionPrinterSetup", "Printer Setup", "F12", "Printer Setup", "", 0, nullptr, A},
        {C::Exit, "ActionExit", "E&xit", "Ctrl+Q", "Exit", "", 0, nullptr, A},
        {C::ViewTransactionLog, "ActionViewTransactionLog", "View &Transaction Log", "Ctrl+V", "Show Transaction Log", "",
         0, nullptr, A},
        {C::CountryDragList, "ActionCountryDragList", "Count&ry List", "Ctrl+D", "Show Country Drag/Drop List", "", 0,
         "Country Drag &List\tCtrl+R", A},
        {C::ChangeFolderName, "ActionChangeFolderName", "&Folder Name", "Ctrl+F", "Change Folder Name", "", 0,
         "C&hange Folder Name", A},
        {C::ClearSelectedFolders, "ActionClearSelectedFolders", "Clear &Selected Folders", "F8",
         "Clear Selected Folders", "", 0, "Clear Selected Folder", A},
        {C::ClearAllFolders, "ActionClearAllFolders", "Clear &All Folders", "F9", "Clear All Folders", "", 0,
         "Clear All Folders", A},
        {C::LoadDefaultFolders, "ActionLoadDefaultFolders", "&Load Default Folders", "F10", "Load Default Folders", "", 0,
         nullptr, A},
        {C::DateCurrencyFormat, "ActionDateCurrencyFormat", "&Date Currency Format", "Ctrl+W",
         "Edit Date Currency Format", "", 0, nullptr, A},
        {C::SetAccountingExportFile, "ActionSetAccountingExportFile", "Set Accounting &ExportFile", "",
         "Set Accounting Export File", "", 0, nullptr, A},
        {C::Rollback, "ActionRollback", "&Rollback", "Ctrl+B", "Rollback", " - Error: - (RollBack1Click) zym", 0,
         nullptr, A},
        {C::CurrencyEditor, "ActionCurrencyEditor", "Currency &Editor", "F4", "Currency Editor", "", 0, nullptr, A},
        {C::CommissionEditor, "ActionCommissionEditor", "C&ommissionEditor", "F5", "Commission Editor", "", 0, nullptr, A},
        {C::FireWallAccessSetup, "ActionFireWallAccessSetup", "&Firewall Setup", "Ctrl+J", "Firewall Setup", "", 0,
         nullptr, A},
        {C::HelpIndex, "ActionhelpIndex", "&Help Index", "F3", "Help Index", "", 0, nullptr, A},
        {C::DownloadLatestVersion, "ActionDownloadLatestVersion", "&Download Latest Version", "Ctrl+M",
         "Download Latest Version", "", 0, nullptr, A},
        region(C::Africa, 0),
        region(C::America, 1),
        region(C::Asia, 2),
        region(C::Caribbean, 3),
        region(C::Europe, 4),
        region(C::MiddleEast, 5),
        region(C::Oceania, 6),
        {C::DeleteButton, "ActionDeleteButton", "Delete Country", "", "Delete Country", "", 0, nullptr, A},
        {C::Update, "ActionUpdate", "", "F2", "Update from the Web", "", 0, nullptr, A},
        {C::Support, "ActionSupport", "Support", "Shift+Ctrl+F10", "Support", "", 0, nullptr, A},
        {C::About, "ActionAbout", "About &ZYMTechnology", "F1", "About ZYMTechnology", "", 0, nullptr, A},
        {C::CommissionToolbar, "CommissionToobar", "&Show Commission Toobar", "", "", "", 0, nullptr, M},
        {C::ShowPrintAccountingDialog, "ShowPrintAccountingDialog", "Show Print Accounting Dialog", "", "", "", 0,
         nullptr, M},
        {C::QuickPrint, "QuickPrintCommand", "Quick Print", "", "Quick Print", "", 0, nullptr, M},
    };
    static_assert(std::size(table) == kCommandCount, "one row per command");
    return table;
}

CommandSet::CommandSet(QWidget* window)
{
    for (const CommandDef& d : table()) {
        Q_ASSERT(&d - table().data() == static_cast<int>(d.id));
        const QString name = QString::fromLatin1(d.name);
        const QString caption = QString::fromLatin1(d.caption);
        QAction* a = nullptr;
        if (d.place == CommandDef::ActionList) {
            a = makeAction(window, name, caption, QString::fromLatin1(d.shortcut), QString::fromLatin1(d.hint));
        } else {
            // Menu-only commands are added to their menu as they are.
            a = named(new QAction(caption, window), name);
        }
        if (d.region)
            a->setData(d.region);
        actions_[static_cast<size_t>(d.id)] = a;
    }
}

void CommandSet::bind(Command c, std::function<void()> handler)
{
    // No error crosses the event loop: each command's errors end in its own trap.
    QObject::connect(action(c), &QAction::triggered, action(c),
                     [suffix = QString::fromLatin1(def(c).suffix), handler = std::move(handler)] {
                         trapped(suffix, handler);
                     });
}
