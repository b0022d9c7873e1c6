#pragma once
// The main window's commands. Each has one row in TForm1's command table: its name, caption,
// shortcut, hint and handler. The actions, the main menu and both popups are built from it,
// and code reaches a command by this enum, never by its name.
#include <QtGlobal>

class TForm1;

enum class Command {
    SaveTransactionLog, PreviewCustomerReceipt, PreviewTransactionLog, PrintCustomerReceipt,
    PrintTransactionLog, PrintHeaderOptions, PrinterSetup, Exit, ViewTransactionLog,
    CountryDragList, ChangeFolderName, ClearSelectedFolders, ClearAllFolders, LoadDefaultFolders,
    DateCurrencyFormat, SetAccountingExportFile, Rollback, CurrencyEditor, CommissionEditor,
    FireWallAccessSetup, HelpIndex, DownloadLatestVersion,
    Africa, America, Asia, Caribbean, Europe, MiddleEast, Oceania,
    DeleteButton, Update, Support, About,
    CommissionToolbar, ShowPrintAccountingDialog,
    Count
};
inline constexpr int kCommandCount = static_cast<int>(Command::Count);

struct CommandDef {
    enum Place {
        ActionList,   // an action of the window: its shortcut works anywhere in it
        MenuOnly,     // a menu item of its own, with no action behind it
    };
    Command id;
    const char* name;      // the action's (or the menu item's) objectName
    const char* caption;
    const char* shortcut;  // portable text, "" for none
    const char* hint;
    int region;            // 1 .. 7 for the region commands (their tag), else 0
    const char* popupCaption;   // its caption in the window's popup menu, where it has one
    void (TForm1::*handler)();  // null while the command has no handler yet
    Place place;
};
