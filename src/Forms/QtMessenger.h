#pragma once
// The Messenger that shows real Qt dialogs, owned by the main window's process.
#include "support/Messenger.h"

class QWidget;

class QtMessenger : public Messenger {
public:
    void errorBox(const QString& message) override;
    void messageDialog(const QString& message, Icon icon) override;
    bool confirm(const QString& message) override;
    bool confirmTitled(const QString& message, const QString& title) override;
    void messageBox(const QString& message) override;
    void messageBoxTitled(const QString& message, const QString& title) override;
    bool askYesNo(const QString& message, Icon icon) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    QString saveFileName(const FileDialog& dialog) override;
    FileChoice saveFileChoice(const FileDialog& dialog) override;
    QString openFileName(const FileDialog& dialog) override;
    void messageOnTop(const QString& message, const QString& title, Icon icon) override;
    QString chooseFolder(const QString& title, QObject* owner = nullptr) override;
};
