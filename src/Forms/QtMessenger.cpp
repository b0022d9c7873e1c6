#include "Forms/QtMessenger.h"
#include "Defs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace {
QWidget* owner() { return QApplication::activeWindow(); }

QMessageBox::Icon qtIcon(Messenger::Icon icon)
{
    switch (icon) {
    case Messenger::Icon::Error: return QMessageBox::Critical;
    case Messenger::Icon::Information: return QMessageBox::Information;
    case Messenger::Icon::Warning: return QMessageBox::Warning;
    case Messenger::Icon::Question: return QMessageBox::Question;
    case Messenger::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton dflt,
                                const QString& title = Defs::kAppTitle)
{
    QMessageBox box(icon, title, text, buttons, owner());
    box.setDefaultButton(dflt);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

void QtMessenger::errorBox(const QString& message)
{
    ask(QMessageBox::Critical, errorBoxText(message), QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessenger::messageDialog(const QString& message, Icon icon)
{
    ask(qtIcon(icon), message, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessenger::confirm(const QString& message)
{
    return ask(QMessageBox::Warning, message, QMessageBox::Ok | QMessageBox::Cancel,
               QMessageBox::Cancel) == QMessageBox::Ok;
}

bool QtMessenger::confirmTitled(const QString& message, const QString& title)
{
    return ask(QMessageBox::Warning, message, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, title)
           == QMessageBox::Ok;
}

void QtMessenger::messageBox(const QString& message)
{
    ask(QMessageBox::NoIcon, message, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessenger::messageOnTop(const QString& message, const QString& title, Icon icon)
{
    QMessageBox box(qtIcon(icon), title, message, QMessageBox::Ok, owner());
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

void QtMessenger::messageBoxTitled(const QString& message, const QString& title)
{
    ask(QMessageBox::NoIcon, message, QMessageBox::Ok, QMessageBox::Ok, title);
}

bool QtMessenger::askYesNo(const QString& message, Icon icon)
{
    return ask(qtIcon(icon), message, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

std::optional<QString> QtMessenger::inputBox(const QString& caption, const QString& prompt,
                                             const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtMessenger::saveFileName(const FileDialog& d)
{
    QFileDialog dlg(owner(), d.title, d.directory, d.filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(d.defaultSuffix);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !d.confirmOverwrite);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

Messenger::FileChoice QtMessenger::saveFileChoice(const FileDialog& d)
{
    QFileDialog dlg(owner(), d.title, d.directory, d.filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !d.confirmOverwrite);
    // A name typed without an extension takes the chosen format's: "(*.TXT *.txt)" gives TXT.
    const auto suffixOf = [](const QString& filter) {
        const qsizetype star = filter.indexOf(QLatin1String("*."));
        return star < 0 ? QString() : filter.mid(star + 2).section(QRegularExpression(QStringLiteral("[ )]")), 0, 0);
    };
    dlg.setDefaultSuffix(d.defaultSuffix.isEmpty() ? suffixOf(dlg.selectedNameFilter()) : d.defaultSuffix);
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg,
                     [&dlg, &suffixOf](const QString& f) { dlg.setDefaultSuffix(suffixOf(f)); });
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return {dlg.selectedFiles().first(), int(dlg.nameFilters().indexOf(dlg.selectedNameFilter()))};
}

QString QtMessenger::openFileName(const FileDialog& d)
{
    QFileDialog dlg(owner(), d.title, d.directory, d.filter);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(d.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dlg.setDefaultSuffix(d.defaultSuffix);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString QtMessenger::chooseFolder(const QString& title, QObject* over)
{
    auto* window = qobject_cast<QWidget*>(over);
    return QFileDialog::getExistingDirectory(window ? window : owner(), title);
}
