// The main window's command table, and the actions built from it.
#include "Forms/main/Commands.h"
#include "Forms/common/DialogKit.h"
#include "data/Regions.h"
#include "support/Trap.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace {
// The region loads' texts, for the translators: the region table holds them in English.
[[maybe_unused]] const char* const kRegionTexts[] = {
    QT_TRANSLATE_NOOP("Commands", "&Afica"),      QT_TRANSLATE_NOOP("Commands", "&Africa"),
    QT_TRANSLATE_NOOP("Commands", "Load Africa"), QT_TRANSLATE_NOOP("Commands", "A&merica"),
    QT_TRANSLATE_NOOP("Commands", "Load America"), QT_TRANSLATE_NOOP("Commands", "A&sia"),
    QT_TRANSLATE_NOOP("Commands", "Load Asia"),   QT_TRANSLATE_NOOP("Commands", "&Caribbean"),
    QT_TRANSLATE_NOOP("Commands", "&Carribbean"), QT_TRANSLATE_NOOP("Commands", "Load Caribbean"),
    QT_TRANSLATE_NOOP("Commands", "&Europe"),     QT_TRANSLATE_NOOP("Commands", "Load Europe"),
    QT_TRANSLATE_NOOP("Commands", "&MiddleEast"), QT_TRANSLATE_NOOP("Commands", "M&iddle East"),
    QT_TRANSLATE_NOOP("Commands", "Load Middle East"), QT_TRANSLATE_NOOP("Commands", "&Oceania"),
    QT_TRANSLATE_NOOP("Commands", "Oceania"),     QT_TRANSLATE_NOOP("Commands", "Load Oceania"),
};

const char* const kLanguageHint =
    QT_TRANSLATE_NOOP("Commands", "The language of the interface; it changes at the next start");

// A region load's row, from the region table.
constexpr CommandDef region(Command id, int index)
{
    const RegionDef& r = kRegions[size_t(index)];
    return {id, r.actionName, r.caption, "", r.hint, "", r.tag, r.popupCaption, CommandDef::ActionList};
}
} // namespace

QString CommandSet::text(const char* english)
{
    return english && *english ? QCoreApplication::translate("Commands", english) : QString::fromUtf8(english);
}

std::span<const CommandDef> CommandSet::table()
{
    using C = Command;
    constexpr auto A = CommandDef::ActionList;
    constexpr auto M = CommandDef::MenuOnly;
    // In the order of the enum; the constructor checks it.
    static const CommandDef table[] = {
        {C::SaveTransactionLog, "ActionSaveTransactionLog", QT_TRANSLATE_NOOP("Commands", "Save &Transaction Log..."),
         "Ctrl+T", QT_TRANSLATE_NOOP("Commands", "Save Transaction Log As..."), "", 0, nullptr, A},
        {C::PreviewCustomerReceipt, "ActionPreviewCustomerReceipt",
         QT_TRANSLATE_NOOP("Commands", "Preview &Customer Receipt"), "Ctrl+N",
         QT_TRANSLATE_NOOP("Commands", "Preview Customer Receipt"), "", 0, nullptr, A},
        {C::PreviewTransactionLog, "ActionPreviewTransactionLog",
         QT_TRANSLATE_NOOP("Commands", "Preview Transaction &Log"), "Ctrl+Alt+H",
         QT_TRANSLATE_NOOP("Commands", "Preview Transaction Log"), "", 0, nullptr, A},
        {C::PrintCustomerReceipt, "ActionPrintCustomerReceipt", QT_TRANSLATE_NOOP("Commands", "Print Customer Receipt"),
         "Ctrl+P", QT_TRANSLATE_NOOP("Commands", "Print Customer Receipt"), "", 0, nullptr, A},
        {C::PrintTransactionLog, "ActionPrintTransactionLog", QT_TRANSLATE_NOOP("Commands", "Print T&ransaction Log"),
         "Ctrl+R", QT_TRANSLATE_NOOP("Commands", "Print Transaction Log"), "", 0, nullptr, A},
        {C::PrintHeaderOptions, "ActionPrintHeaderOptions", QT_TRANSLATE_NOOP("Commands", "Print &Header Options"),
         "Ctrl+H", QT_TRANSLATE_NOOP("Commands", "Print Header Options"), "", 0, nullptr, A},
        {C::PrinterSetup, "ActionPrinterSetup", QT_TRANSLATE_NOOP("Commands", "Printer Setup"), "F12",
         QT_TRANSLATE_NOOP("Commands", "Printer Setup"), "", 0, nullptr, A},
        {C::Exit, "ActionExit", QT_TRANSLATE_NOOP("Commands", "E&xit"), "Ctrl+Q", QT_TRANSLATE_NOOP("Commands", "Exit"),
         "", 0, nullptr, A},
        {C::ViewTransactionLog, "ActionViewTransactionLog", QT_TRANSLATE_NOOP("Commands", "View &Transaction Log"),
         "Ctrl+V", QT_TRANSLATE_NOOP("Commands", "Show Transaction Log"), "", 0, nullptr, A},
        {C::CountryDragList, "ActionCountryDragList", QT_TRANSLATE_NOOP("Commands", "Count&ry List"), "Ctrl+D",
         QT_TRANSLATE_NOOP("Commands", "Show Country Drag/Drop List"), "", 0,
         QT_TRANSLATE_NOOP("Commands", "Country Drag &List\tCtrl+R"), A},
        {C::ChangeFolderName, "ActionChangeFolderName", QT_TRANSLATE_NOOP("Commands", "&Folder Name"), "Ctrl+F",
         QT_TRANSLATE_NOOP("Commands", "Change Folder Name"), "", 0,
         QT_TRANSLATE_NOOP("Commands", "C&hange Folder Name"), A},
        {C::ClearSelectedFolders, "ActionClearSelectedFolders",
         QT_TRANSLATE_NOOP("Commands", "Clear &Selected Folders"), "F8",
         QT_TRANSLATE_NOOP("Commands", "Clear Selected Folders"), "", 0,
         QT_TRANSLATE_NOOP("Commands", "Clear Selected Folder"), A},
        {C::ClearAllFolders, "ActionClearAllFolders", QT_TRANSLATE_NOOP("Commands", "Clear &All Folders"), "F9",
         QT_TRANSLATE_NOOP("Commands", "Clear All Folders"), "", 0, QT_TRANSLATE_NOOP("Commands", "Clear All Folders"),
         A},
        {C::LoadDefaultFolders, "ActionLoadDefaultFolders", QT_TRANSLATE_NOOP("Commands", "&Load Default Folders"),
         "F10", QT_TRANSLATE_NOOP("Commands", "Load Default Folders"), "", 0, nullptr, A},
        {C::DateCurrencyFormat, "ActionDateCurrencyFormat", QT_TRANSLATE_NOOP("Commands", "&Date Currency Format"),
         "Ctrl+W", QT_TRANSLATE_NOOP("Commands", "Edit Date Currency Format"), "", 0, nullptr, A},
        {C::SetAccountingExportFile, "ActionSetAccountingExportFile",
         QT_TRANSLATE_NOOP("Commands", "Set Accounting &ExportFile"), "",
         QT_TRANSLATE_NOOP("Commands", "Set Accounting Export File"), "", 0, nullptr, A},
        {C::Rollback, "ActionRollback", QT_TRANSLATE_NOOP("Commands", "&Rollback"), "Ctrl+B",
         QT_TRANSLATE_NOOP("Commands", "Rollback"), " - Error: - (RollBack1Click) zym", 0, nullptr, A},
        {C::CurrencyEditor, "ActionCurrencyEditor", QT_TRANSLATE_NOOP("Commands", "Currency &Editor"), "F4",
         QT_TRANSLATE_NOOP("Commands", "Currency Editor"), "", 0, nullptr, A},
        {C::CommissionEditor, "ActionCommissionEditor", QT_TRANSLATE_NOOP("Commands", "C&ommissionEditor"), "F5",
         QT_TRANSLATE_NOOP("Commands", "Commission Editor"), "", 0, nullptr, A},
        {C::FireWallAccessSetup, "ActionFireWallAccessSetup", QT_TRANSLATE_NOOP("Commands", "&Firewall Setup"),
         "Ctrl+J", QT_TRANSLATE_NOOP("Commands", "Firewall Setup"), "", 0, nullptr, A},
        {C::HelpIndex, "ActionhelpIndex", QT_TRANSLATE_NOOP("Commands", "&Help Index"), "F3",
         QT_TRANSLATE_NOOP("Commands", "Help Index"), "", 0, nullptr, A},
        {C::DownloadLatestVersion, "ActionDownloadLatestVersion",
         QT_TRANSLATE_NOOP("Commands", "&Download Latest Version"), "Ctrl+M",
         QT_TRANSLATE_NOOP("Commands", "Download Latest Version"), "", 0, nullptr, A},
        region(C::Africa, 0),
        region(C::America, 1),
        region(C::Asia, 2),
        region(C::Caribbean, 3),
        region(C::Europe, 4),
        region(C::MiddleEast, 5),
        region(C::Oceania, 6),
        {C::DeleteButton, "ActionDeleteButton", QT_TRANSLATE_NOOP("Commands", "Delete Country"), "",
         QT_TRANSLATE_NOOP("Commands", "Delete Country"), "", 0, nullptr, A},
        {C::Update, "ActionUpdate", "", "F2", QT_TRANSLATE_NOOP("Commands", "Update from the Web"), "", 0, nullptr, A},
        {C::Support, "ActionSupport", QT_TRANSLATE_NOOP("Commands", "Support"), "Shift+Ctrl+F10",
         QT_TRANSLATE_NOOP("Commands", "Support"), "", 0, nullptr, A},
        {C::About, "ActionAbout", QT_TRANSLATE_NOOP("Commands", "About &ZYMTechnology"), "F1",
         QT_TRANSLATE_NOOP("Commands", "About ZYMTechnology"), "", 0, nullptr, A},
        {C::CommissionToolbar, "CommissionToobar", QT_TRANSLATE_NOOP("Commands", "&Show Commission Toobar"), "", "", "",
         0, nullptr, M},
        {C::ShowPrintAccountingDialog, "ShowPrintAccountingDialog",
         QT_TRANSLATE_NOOP("Commands", "Show Print Accounting Dialog"), "", "", "", 0, nullptr, M},
        {C::QuickPrint, "QuickPrintCommand", QT_TRANSLATE_NOOP("Commands", "Quick Print"), "",
         QT_TRANSLATE_NOOP("Commands", "Quick Print"), "", 0, nullptr, M},
        // The languages are named in their own words, whatever the interface speaks.
        {C::LanguageSystem, "LanguageSystem", QT_TRANSLATE_NOOP("Commands", "&System"), "", kLanguageHint, "", 0,
         nullptr, M},
        {C::LanguageEnglish, "LanguageEnglish", "English", "", kLanguageHint, "", 0, nullptr, M},
        {C::LanguageGerman, "LanguageGerman", "Deutsch", "", kLanguageHint, "", 0, nullptr, M},
        {C::LanguageFrench, "LanguageFrench", "Fran\u00e7ais", "", kLanguageHint, "", 0, nullptr, M},
        {C::LanguageSpanish, "LanguageSpanish", "Espa\u00f1ol", "", kLanguageHint, "", 0, nullptr, M},
    };
    static_assert(std::size(table) == kCommandCount, "one row per command");
    return table;
}

CommandSet::CommandSet(QWidget* window)
{
    for (const CommandDef& d : table()) {
        Q_ASSERT(&d - table().data() == static_cast<int>(d.id));
        const QString name = QString::fromLatin1(d.name);
        const QString caption = text(d.caption);
        QAction* a = nullptr;
        if (d.place == CommandDef::ActionList) {
            a = makeAction(window, name, caption, QString::fromLatin1(d.shortcut), text(d.hint));
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
