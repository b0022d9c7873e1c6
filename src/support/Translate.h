#pragma once
// The texts the core composes for the operator: marked where they are defined with
// QT_TRANSLATE_NOOP("Vemox", "...") and passed through shown() where they are put together for
// the operator, in the interface's language. The English text is the key, so whatever goes to
// a file, the log or the store is taken before shown() and stays English.
#include <QCoreApplication>
#include <QString>

inline QString shown(const char* english) { return QCoreApplication::translate("Vemox", english); }
inline QString shown(const QString& english) { return shown(english.toUtf8().constData()); }
