#pragma once
// Every message box, question, input box and file chooser goes through one Messenger.
// The windows install the Qt implementation; tests install ScriptedMessenger, which
// records what would have been shown and answers from a queue, so no test blocks.
#include <QString>
#include <QStringList>
#include <QObject>
#include <deque>
#include <optional>
#include <vector>

class Messenger {
public:
    enum class Icon { None, Error, Information, Warning, Question };

    struct FileDialog {
        QString title;
        QString filter;          // Qt filter text, e.g. "Transaction Log (*.tlg)"
        QString defaultSuffix;   // appended when the operator types a name without one
        QString directory;       // first folder shown
        bool confirmOverwrite = true;
        bool mustExist = true;   // an open dialog takes only a file that exists
    };

    virtual ~Messenger() = default;
    // The standard error box: application title as caption, stop icon, OK button.
    // The text arrives as raised; the box adds the closing full stop (errorBoxText).
    virtual void errorBox(const QString& message) = 0;
    // A message dialog with an icon and an OK button (validation messages).
    virtual void messageDialog(const QString& message, Icon icon) = 0;
    // OK and Cancel, Cancel the default. True for OK.
    virtual bool confirm(const QString& message) = 0;
    // The same question under a caption of its own instead of the application title.
    virtual bool confirmTitled(const QString& message, const QString& title)
    {
        (void)title;
        return confirm(message);
    }
    // A plain message box with an OK button.
    virtual void messageBox(const QString& message) = 0;
    // A message dialog under a caption of its own, kept on top of every other window.
    virtual void messageOnTop(const QString& message, const QString& title, Icon icon)
    {
        (void)title;
        messageDialog(message, icon);
    }
    // The same under a caption of its own instead of the application title.
    virtual void messageBoxTitled(const QString& message, const QString& title)
    {
        (void)title;
        messageBox(message);
    }
    // Yes and No. True for Yes.
    virtual bool askYesNo(const QString& message, Icon icon) = 0;
    // An input box; nothing when the operator cancels.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;
    // File and folder choosers; the empty text when the operator cancels.
    virtual QString saveFileName(const FileDialog& dialog) = 0;
    // A save chooser whose filter list offers formats: the name and the position of the
    // filter chosen (0 for the first); the empty name when the operator cancels.
    struct FileChoice {
        QString name;
        int filter = 0;
    };
    virtual FileChoice saveFileChoice(const FileDialog& dialog) { return {saveFileName(dialog), 0}; }
    virtual QString openFileName(const FileDialog& dialog) = 0;
    // The folder browser over `owner` (a window; the active one when null).
    virtual QString chooseFolder(const QString& title, QObject* owner = nullptr) = 0;
};

// The text the standard error box shows: a full stop is appended when the message's last
// character sorts after the full stop.
QString errorBoxText(const QString& message);

// A message as a box can show it at once: a word (a run without spaces) longer than
// kLongestWord characters and a line longer than kLongestLine keep their beginning and their
// end with an ellipsis between (the file and line named, and the reason); of more than
// kMostLines lines the first ones and the last one show, with the number of those left out;
// control characters such as NUL read as U+FFFD. So a message quoting a damaged file's
// megabyte-long line stays short.
inline constexpr qsizetype kLongestWord = 200;
inline constexpr qsizetype kLongestLine = 800;
inline constexpr qsizetype kMostLines = 30;
QString boundedMessage(const QString& message);

// The process-wide messenger. Without one installed, messages go to a ScriptedMessenger
// that only records them, so core code never dereferences nothing. Every text it is given
// reaches the installed messenger bounded (boundedMessage); an input box's initial value
// is the operator's to edit and stays whole.
Messenger& messenger();
void setMessenger(Messenger* m);

// Records every message and answers questions from queues (defaults when a queue is empty:
// confirm/askYesNo false, inputBox cancelled, choosers empty).
class ScriptedMessenger : public Messenger {
public:
    enum class Kind { ErrorBox, MessageDialog, Confirm, MessageBox, YesNo, Input, SaveFile, OpenFile, Folder };
    struct Entry {
        Kind kind;
        QString text;   // for ErrorBox, the text as the box shows it (with its full stop)
        Icon icon = Icon::None;
    };

    std::vector<Entry> shown;
    std::deque<bool> answers;             // confirm and askYesNo
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> files;            // saveFileName, openFileName, chooseFolder
    std::deque<int> filters;              // the filter chosen in saveFileChoice (else 0)

    void errorBox(const QString& message) override;
    void messageDialog(const QString& message, Icon icon) override;
    bool confirm(const QString& message) override;
    bool confirmTitled(const QString& message, const QString& title) override;
    void messageBox(const QString& message) override;
    void messageOnTop(const QString& message, const QString& title, Icon icon) override;
    void messageBoxTitled(const QString& message, const QString& title) override;
    bool askYesNo(const QString& message, Icon icon) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    QString saveFileName(const FileDialog& dialog) override;
    FileChoice saveFileChoice(const FileDialog& dialog) override;
    QString openFileName(const FileDialog& dialog) override;
    QString chooseFolder(const QString& title, QObject* owner = nullptr) override;

    // Texts of every entry of one kind, in order.
    QStringList texts(Kind kind) const;
    QStringList errors() const { return texts(Kind::ErrorBox); }
    void clear() { shown.clear(); }
};

// Installs a messenger for the lifetime of the guard and puts the previous one back.
class MessengerScope {
public:
    explicit MessengerScope(Messenger* m);
    ~MessengerScope();
    MessengerScope(const MessengerScope&) = delete;
    MessengerScope& operator=(const MessengerScope&) = delete;

private:
    Messenger* previous_;
};
