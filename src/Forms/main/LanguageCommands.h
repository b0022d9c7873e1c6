#pragma once
// The language of the interface (Options > Language): System, English, Deutsch, Français,
// Español. The choice is stored with the general settings and takes effect at the next start:
// the submenu's title, each item's hint and the message after a choice all say so.
#include "Forms/main/MainContext.h"
#include "Forms/main/Commands.h"

#include <QObject>
#include <array>

class QActionGroup;

class LanguageCommands : public QObject {
    Q_OBJECT
public:
    explicit LanguageCommands(MainContext& ctx);

    // The commands of the choices, in the order of Translations::choices().
    static constexpr std::array<Command, 5> kChoices = {Command::LanguageSystem, Command::LanguageEnglish,
                                                       Command::LanguageGerman, Command::LanguageFrench,
                                                       Command::LanguageSpanish};
    // Stores the choice ("" for the system's) and tells the operator when it takes effect; a
    // store that cannot take it has told why, and the stored choice stays checked.
    void choose(const QString& language);

private:
    void checkStored();

    MainContext& ctx_;
    QActionGroup* group_ = nullptr;
};
