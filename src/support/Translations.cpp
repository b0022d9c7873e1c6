#include "support/Translations.h"
#include "Defs.h"
#include "support/Zymregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace Translations {

namespace {

const QString kEnglish = QStringLiteral("en");

QString fileName(const QString& language) { return QStringLiteral("vemox_") + language + QStringLiteral(".qm"); }

// The translators in place, the program's and Qt's; replaced together.
std::unique_ptr<QTranslator>& installed(int which)
{
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

void removeInstalled()
{
    for (int i = 0; i < 2; ++i)
        if (auto& t = installed(i)) {
            QCoreApplication::removeTranslator(t.get());
            t.reset();
        }
}

bool load(int which, const QString& file, const QString& folder)
{
    auto t = std::make_unique<QTranslator>();
    if (!t->load(file, folder) || !QCoreApplication::installTranslator(t.get()))
        return false;
    installed(which) = std::move(t);
    return true;
}

} // namespace

const QStringList& choices()
{
    static const QStringList all{QString(), kEnglish, QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
    return all;
}

QString storedLanguage()
{
    QString language;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValLanguage, language, KEY_READ);
    return choices().contains(language) ? language : QString();
}

bool storeLanguage(const QString& language)
{
    return ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValLanguage, language, KEY_WRITE);
}

QString folder(const QString& exeDir)
{
    const QString installedFolder = QDir::cleanPath(exeDir + QStringLiteral("/../share/vemox/translations"));
    return QFileInfo(installedFolder).isDir() ? installedFolder
                                              : QDir::cleanPath(exeDir + QStringLiteral("/translations"));
}

QString resolve(const QString& choice, const QStringList& uiLanguages, const QString& folder)
{
    const QStringList wanted = choice.isEmpty() ? uiLanguages : QStringList{choice};
    for (const QString& tag : wanted) {
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX"))
            return kEnglish;
        const QLocale locale(tag);
        if (locale.language() == QLocale::English)
            return kEnglish;
        if (locale.language() == QLocale::C)
            continue;
        const QString code = QLocale::languageToCode(locale.language());
        if (QFileInfo::exists(QDir(folder).filePath(fileName(code))))
            return code;
    }
    return kEnglish;
}

QString install(const QString& language, const QString& folder)
{
    removeInstalled();
    if (language.isEmpty() || language == kEnglish || !load(0, fileName(language), folder))
        return {};
    // Qt's own texts (the standard buttons, the file dialogs) in the same language, where Qt has them.
    load(1, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

QString installedLanguage()
{
    return installed(0) ? installed(0)->language().section(QLatin1Char('_'), 0, 0) : QString();
}

QString installForStart(const QString& exeDir)
{
    const QString where = folder(exeDir);
    return install(resolve(storedLanguage(), QLocale::system().uiLanguages(), where), where);
}

} // namespace Translations
