#include "common/TestEnv.h"
#include <QApplication>
#include <QStandardPaths>
#include <gmock/gmock.h>
#include <memory>

namespace {
QTemporaryDir* rootDir = nullptr;
int workCount = 0;
}

namespace testenv {
QString root() { return rootDir->path(); }

QString freshWorkDir()
{
    const QString dir = root() + QStringLiteral("/work%1").arg(++workCount);
    QDir().mkpath(dir);
    QDir::setCurrent(dir);
    return dir;
}

QString storeFile() { return root() + QStringLiteral("/config/vemox/registry.reg"); }

void resetStore()
{
    QFile::remove(storeFile());
    QFile::remove(storeFile() + QStringLiteral(".lock"));
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}
} // namespace testenv

int main(int argc, char** argv)
{
    rootDir = new QTemporaryDir();
    const QByteArray r = rootDir->path().toLocal8Bit();
    qputenv("XDG_CONFIG_HOME", r + "/config");
    qputenv("XDG_DATA_HOME", r + "/data");
    qputenv("XDG_RUNTIME_DIR", r + "/runtime");
    QDir().mkpath(rootDir->path() + "/runtime");
    QFile::setPermissions(rootDir->path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemox"));
    testenv::freshWorkDir();
    ::testing::InitGoogleMock(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    QDir::setCurrent(QDir::tempPath());
    delete rootDir;
    return rc;
}
