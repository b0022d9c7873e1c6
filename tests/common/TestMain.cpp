#include "common/TestEnv.h"
#include "Defs.h"
#include "support/DataFolder.h"
#include "support/ResourceLibrary.h"
#ifdef VEMOX_TEST_WIDGETS
#include <QApplication>
#include <QDialog>
#include "Forms/common/DialogKit.h"
using TestApplication = QApplication;
#else
// Tests of the core need no windows, and run without a display connection at all.
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif
#include <QStandardPaths>
#include <csignal>
#include <sys/resource.h>
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
    DataFolder::set(dir);
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
FullDisk::FullDisk()
{
    handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    soft_ = limit.rlim_cur;
    limit.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = soft_;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler_);
}

void installSampleData()
{
    struct Row { const char *region, *iso, *country, *denomination, *rate; };
    const Row rows[] = {{"North America", "USD", "Unt. States", "Dollars", "1"},
                        {"Europe", "GBP", "Unt. Kingdom", "Pounds", "0.79"},
                        {"Europe", "EUR", "France", "Euros", "0.94"}};
    ResourceLibraryWriter w;
    w.AddString(Defs::kResCount, QString::number(std::size(rows)));
    QByteArray reply = "<KRTDATE>1 Dec 2026</KRTDATE>\r\n<KRTHOST>127.0.0.1/cgi-bin/DownLoad.cgi</KRTHOST>\r\n"
                       "<KRTHOST>127.0.0.1</KRTHOST>\r\n<KRTHOST>127.0.0.1</KRTHOST>\r\n";
    for (int i = 0; i < int(std::size(rows)); ++i) {
        w.AddString(Defs::kResRegion + i, rows[i].region);
        w.AddString(Defs::kResIso + i, rows[i].iso);
        w.AddString(Defs::kResCountry + i, rows[i].country);
        w.AddString(Defs::kResDenomination + i, rows[i].denomination);
        ResourcePicture flag{35, 20, QByteArray(35 * 20 * 3, char(40 * (i + 1)))};
        w.AddPicture(ResourceLibrary::FlagId(i), flag);
        reply += QByteArray("<KRTISO>") + rows[i].iso + "</KRTISO><KRTDATA>" + rows[i].rate + "</KRTDATA>\r\n";
    }
    QDir().mkpath(QStringLiteral("dll"));
    w.Save(Defs::kResourceLibrary);
    writeBytes(Defs::kCurrencyFile, reply);
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
    TestApplication app(argc, argv);
    TestApplication::setApplicationName(QStringLiteral("Vemox"));
    testenv::freshWorkDir();
#ifdef VEMOX_TEST_WIDGETS
    // A modal dialog that a test does not drive itself is cancelled at once.
    setModalRunner([](QDialog&) { return int(QDialog::Rejected); });
#endif
    ::testing::InitGoogleMock(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    QDir::setCurrent(QDir::tempPath());
    delete rootDir;
    return rc;
}
