#include "support/Help.h"
#include "Defs.h"
#include "support/Errors.h"
#include "support/DataFolder.h"
#include "support/Translate.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString Help::topicFile(const QString& topic)
{
    // Only plain identifiers: a topic never reaches outside the help folder.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (!plain.match(topic).hasMatch())
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Help topic '%1' does not exist")).arg(topic));
    const QString file = DataFolder::file(Defs::kHelpFolder + QLatin1Char('/') + topic + QStringLiteral(".html"));
    if (!QFileInfo::exists(file)) {
        if (topic == kContents)
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The help file %1 is missing")).arg(file));
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "Help topic '%1' is not in the help file (%2 is missing)"))
                .arg(topic, file));
    }
    return file;
}
