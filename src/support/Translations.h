#pragma once
// The language of the interface. Every text the operator reads comes from the translation of
// the system's language (LANGUAGE, LC_ALL, LANG), or of the language the operator chose, stored
// as "Language" with the general settings: "" for the system's, else "en", "de", "fr" or "es".
// English is the source itself, so no translator is installed for it. What the program writes
// to its files and the store never goes through a translation.
#include <QString>
#include <QStringList>

namespace Translations {
// The languages the operator may choose, the system's ("") first.
const QStringList& choices();
// The stored choice; "" when there is none, it cannot be read, or it is no known choice.
QString storedLanguage();
// Stores the choice (one of choices()); false when the store could not take it, and has said why.
bool storeLanguage(const QString& language);
// Where the program's translations are: bin/../share/vemox/translations of an installed
// program, else the translations folder beside a program run from its build tree.
QString folder(const QString& exeDir);
// The language to show, from the choice and the system's preferred languages in order: the
// first that is English or has a translation in `folder`; "en" when none has.
QString resolve(const QString& choice, const QStringList& uiLanguages, const QString& folder);
// Installs the program's translation and Qt's own for the language, unless it is English.
// Gives the language installed ("" for none); a call replaces what an earlier one installed.
QString install(const QString& language, const QString& folder);
// The language installed last; "" while the interface speaks English.
QString installedLanguage();
// The choice and the system's languages, resolved against the program's folder and installed.
QString installForStart(const QString& exeDir);
} // namespace Translations
