#include "support/Messenger.h"

namespace {
ScriptedMessenger& fallback()
{
    static ScriptedMessenger m;
    return m;
}
Messenger* current = nullptr;

template <typename T>
T takeFront(std::deque<T>& q, T otherwise)
{
    if (q.empty())
        return otherwise;
    T v = q.front();
    q.pop_front();
    return v;
}
} // namespace

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + QLatin1Char('.');
    return message;
}

Messenger& messenger() { return current ? *current : fallback(); }
void setMessenger(Messenger* m) { current = m; }

MessengerScope::MessengerScope(Messenger* m) : previous_(current) { current = m; }
MessengerScope::~MessengerScope() { current = previous_; }

void ScriptedMessenger::errorBox(const QString& message)
{
    shown.push_back({Kind::ErrorBox, errorBoxText(message), Icon::Error});
}
void ScriptedMessenger::messageDialog(const QString& message, Icon icon)
{
    shown.push_back({Kind::MessageDialog, message, icon});
}
bool ScriptedMessenger::confirm(const QString& message)
{
    shown.push_back({Kind::Confirm, message, Icon::Warning});
    return takeFront(answers, false);
}
bool ScriptedMessenger::confirmTitled(const QString& message, const QString& title)
{
    // Recorded as the input box is: its caption, a line break, its text.
    shown.push_back({Kind::Confirm, title + QLatin1Char('\n') + message, Icon::Warning});
    return takeFront(answers, false);
}
void ScriptedMessenger::messageBox(const QString& message)
{
    shown.push_back({Kind::MessageBox, message, Icon::None});
}
void ScriptedMessenger::messageOnTop(const QString& message, const QString& title, Icon icon)
{
    // Recorded as the input box is: its caption, a line break, its text.
    shown.push_back({Kind::MessageDialog, title + QLatin1Char('\n') + message, icon});
}
void ScriptedMessenger::messageBoxTitled(const QString& message, const QString& title)
{
    shown.push_back({Kind::MessageBox, title + QLatin1Char('\n') + message, Icon::None});
}
bool ScriptedMessenger::askYesNo(const QString& message, Icon icon)
{
    shown.push_back({Kind::YesNo, message, icon});
    return takeFront(answers, false);
}
std::optional<QString> ScriptedMessenger::inputBox(const QString& caption, const QString& prompt,
                                                   const QString&)
{
    shown.push_back({Kind::Input, caption + QLatin1Char('\n') + prompt, Icon::None});
    // An unanswered input box is a cancelled one.
    if (inputs.empty())
        return std::nullopt;
    const bool given = inputs.front().has_value();
    const QString text = given ? *inputs.front() : QString();
    inputs.pop_front();
    return given ? std::optional<QString>(text) : std::nullopt;
}
QString ScriptedMessenger::saveFileName(const FileDialog& dialog)
{
    shown.push_back({Kind::SaveFile, dialog.title, Icon::None});
    return takeFront(files, QString());
}
Messenger::FileChoice ScriptedMessenger::saveFileChoice(const FileDialog& dialog)
{
    const QString name = saveFileName(dialog);
    return {name, takeFront(filters, 0)};
}
QString ScriptedMessenger::openFileName(const FileDialog& dialog)
{
    shown.push_back({Kind::OpenFile, dialog.title, Icon::None});
    return takeFront(files, QString());
}
QString ScriptedMessenger::chooseFolder(const QString& title, QObject*)
{
    shown.push_back({Kind::Folder, title, Icon::None});
    return takeFront(files, QString());
}
QStringList ScriptedMessenger::texts(Kind kind) const
{
    QStringList out;
    for (const auto& e : shown)
        if (e.kind == kind)
            out << e.text;
    return out;
}
