#include "support/Messenger.h"
#include "support/Translate.h"

#include <algorithm>

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

namespace {
// The text with its middle left out, so that it keeps `most` characters: its beginning (the
// file, the line) and its end (the reason, a file's name) show.
QString elided(QStringView text, qsizetype most)
{
    if (text.size() <= most)
        return text.toString();
    const qsizetype tail = most / 3;
    QStringView head = text.left(most - tail - 1), end = text.right(tail);
    if (!head.isEmpty() && head.back().isHighSurrogate())
        head.chop(1);
    if (!end.isEmpty() && end.front().isLowSurrogate())
        end = end.mid(1);
    return QString().append(head).append(QChar(0x2026)).append(end);
}

// One line: bounded as a whole, then each word of it (a value without spaces, as a number,
// a path or a damaged file's line); control characters read as U+FFFD.
QString boundedLine(QStringView line)
{
    const QString shortened = elided(line, kLongestLine);
    QString out;
    for (qsizetype at = 0, end = 0; at < shortened.size(); at = end) {
        end = at + 1;
        const bool space = shortened.at(at).isSpace();
        while (end < shortened.size() && shortened.at(end).isSpace() == space)
            ++end;
        const QStringView run = QStringView(shortened).mid(at, end - at);
        out.append(space ? run.toString() : elided(run, kLongestWord));
    }
    for (QChar& c : out)
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            c = QChar::ReplacementCharacter;
    return out;
}

Messenger& target() { return current ? *current : fallback(); }

// The one door of every message: whatever a message quotes, the box lays out a few lines.
class BoundedMessenger final : public Messenger {
public:
    void errorBox(const QString& m) override { target().errorBox(boundedMessage(m)); }
    void messageDialog(const QString& m, Icon icon) override { target().messageDialog(boundedMessage(m), icon); }
    bool confirm(const QString& m) override { return target().confirm(boundedMessage(m)); }
    bool confirmTitled(const QString& m, const QString& title) override
    {
        return target().confirmTitled(boundedMessage(m), boundedMessage(title));
    }
    void messageBox(const QString& m) override { target().messageBox(boundedMessage(m)); }
    void messageOnTop(const QString& m, const QString& title, Icon icon) override
    {
        target().messageOnTop(boundedMessage(m), boundedMessage(title), icon);
    }
    void messageBoxTitled(const QString& m, const QString& title) override
    {
        target().messageBoxTitled(boundedMessage(m), boundedMessage(title));
    }
    bool askYesNo(const QString& m, Icon icon) override { return target().askYesNo(boundedMessage(m), icon); }
    std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& initial) override
    {
        return target().inputBox(boundedMessage(caption), boundedMessage(prompt), initial);
    }
    QString saveFileName(const FileDialog& d) override { return target().saveFileName(bounded(d)); }
    FileChoice saveFileChoice(const FileDialog& d) override { return target().saveFileChoice(bounded(d)); }
    QString openFileName(const FileDialog& d) override { return target().openFileName(bounded(d)); }
    QString chooseFolder(const QString& title, QObject* owner) override
    {
        return target().chooseFolder(boundedMessage(title), owner);
    }

private:
    static FileDialog bounded(FileDialog d)
    {
        d.title = boundedMessage(d.title);
        return d;
    }
};
} // namespace

QString boundedMessage(const QString& message)
{
    const QStringView all(message);
    QStringList lines;
    qsizetype from = 0;
    while (lines.size() < kMostLines - 2) {
        const qsizetype end = all.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            break;
        lines.append(boundedLine(all.mid(from, end - from)));
        from = end + 1;
    }
    // The last line gives the reason and always shows; the lines before it show when there
    // is room for them, else their number does.
    const qsizetype last = all.lastIndexOf(QLatin1Char('\n')) + 1;
    if (last > from) {
        const qsizetype between = all.mid(from, last - from).count(QLatin1Char('\n'));
        lines.append(between == 1 ? boundedLine(all.mid(from, last - from - 1))
                                  : translated(QT_TRANSLATE_NOOP("Vemox", "\u2026 (%1 more lines)")).arg(between));
    }
    lines.append(boundedLine(all.mid(std::max(from, last))));
    return lines.join(QLatin1Char('\n'));
}

Messenger& messenger()
{
    static BoundedMessenger bounded;
    return bounded;
}
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
