#include "support/DataFolder.h"

#include <QDir>

namespace DataFolder {

namespace {
QString& folder()
{
    static QString path;
    return path;
}
} // namespace

void capture() { set(QDir::currentPath()); }

void set(const QString& path) { folder() = QDir::cleanPath(QDir(path).absolutePath()); }

QString path()
{
    if (folder().isEmpty())
        capture();
    return folder();
}

QString file(const QString& name) { return path() + QLatin1Char('/') + name; }

} // namespace DataFolder
