#pragma once
// The texts the core composes for the operator: marked where they are defined with
// QT_TRANSLATE_NOOP("Vemox", "...") and passed through translated() where they are put together for
// the operator, in the interface's language. The English text is the key, so whatever goes to
// a file, the log or the store is taken before translated() and stays English.
#include <QCoreApplication>
#include <QString>

inline QString translated(const char* english) { return QCoreApplication::translate("Vemox", english); }
inline QString translated(const QString& english) { return translated(english.toUtf8().constData()); }
