#pragma once
// The main window's commands. Each has one row in the command table: its name, caption,
// shortcut, hint, the suffix its errors end with, and where it is shown. The actions, the
// main menu and both popups are built from it, and code reaches a command by this enum,
// never by its name.
//
// A handler unit owns a group of commands: it gives each its handler with
// `CommandSet::bind`, which runs the handler inside the trap with the command's suffix. A
// new command is a new enum value and table row (Commands.cpp), its menu item
// (TForm1Menus.cpp) and the `bind` call in the unit that serves it.
#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>
#include <span>

class QAction;
class QWidget;

enum class Command {
    SaveTransactionLog, PreviewCustomerReceipt, PreviewTransactionLog, PrintCustomerReceipt,
    PrintTransactionLog, PrintHeaderOptions, PrinterSetup, Exit, ViewTransactionLog,
    CountryDragList, ChangeFolderName, ClearSelectedFolders, ClearAllFolders, LoadDefaultFolders,
    DateCurrencyFormat, SetAccountingExportFile, Rollback, CurrencyEditor, CommissionEditor,
    FireWallAccessSetup, HelpIndex, DownloadLatestVersion,
    Africa, America, Asia, Caribbean, Europe, MiddleEast, Oceania,
    DeleteButton, Update, Support, About,
    CommissionToolbar, ShowPrintAccountingDialog, QuickPrint,
    LanguageSystem, LanguageEnglish, LanguageGerman, LanguageFrench, LanguageSpanish,
    Count
};
inline constexpr int kCommandCount = static_cast<int>(Command::Count);

// The captions, hints and popup captions are English, marked for the translators; the
// actions show them in the interface's language. Names, shortcuts and suffixes never change.
struct CommandDef {
    enum Place {
        ActionList,   // an action of the window: its shortcut works anywhere in it
        MenuOnly,     // a menu item or a button of its own, with no shortcut of the window
    };
    Command id;
    const char* name;      // the action's (or the menu item's) objectName
    const char* caption;
    const char* shortcut;  // portable text, "" for none
    const char* hint;
    const char* suffix;    // appended to the text of an error the handler meets
    int region;            // 1 .. 7 for the region commands (their tag), else 0
    const char* popupCaption;   // its caption in the window's popup menu, where it has one
    Place place;
};

// The window's actions, one per command, each running its handler in the one trap.
class CommandSet {
public:
    static std::span<const CommandDef> table();
    static const CommandDef& def(Command c) { return table()[static_cast<size_t>(c)]; }
    // A caption or hint of the table in the interface's language ("" stays "").
    static QString text(const char* english);

    // Creates the actions on `window`.
    explicit CommandSet(QWidget* window);

    QAction* action(Command c) const { return actions_.at(static_cast<size_t>(c)); }
    // Gives a command its handler; an error it meets is reported with the command's suffix,
    // and the window goes on.
    void bind(Command c, std::function<void()> handler);

private:
    std::array<QAction*, kCommandCount> actions_{};
};
