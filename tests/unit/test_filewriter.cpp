// The checked file writer on a disk that fills up and in a folder that cannot be written:
// the earlier file always stays whole and the failure is always raised. A full disk is a
// file-size limit in a child process (its signal ignored as at program start, so writes fail
// with an error just as on a full disk); a read-only folder is one the child, no longer root, may not write.
#include "calc/TransactionLog.h"
#include "common/TestEnv.h"
#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/FileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    bool raised = false;
    QString message;
};

enum class Limit { FullDisk, ReadOnlyFolder };

// Runs the write in a child process under the limit and brings back what it raised.
Outcome inChild(Limit limit, const std::function<void()>& body)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (limit == Limit::FullDisk) {
            FileWriter::ignoreFileSizeSignal();
            const rlimit fsize{1000, 1000};
            setrlimit(RLIMIT_FSIZE, &fsize);
        } else if (getuid() == 0 && setuid(65534) != 0) {
            _exit(3);
        }
        int code = 0;
        try {
            body();
        } catch (const VemoxError& e) {
            const QByteArray text = e.message().toUtf8();
            code = ::write(fds[1], text.constData(), size_t(text.size())) == ssize_t(text.size()) ? 1 : 4;
        }
        _exit(code);
    }
    close(fds[1]);
    QByteArray text;
    char buf[512];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        text.append(buf, n);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status)) << "the child died of a signal";
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    EXPECT_TRUE(code == 0 || code == 1) << "child exit " << code;
    return {code == 1, QString::fromUtf8(text)};
}

const QByteArray kOld = "the earlier content\r\n";
const QByteArray kBig(5000, 'x'); // larger than the child may write

// A folder the child may not write once it is no longer root; the work folder moves into it.
QString readOnlyWorkDir()
{
    const QString dir = testenv::freshWorkDir();
    if (getuid() == 0 && chown(QFile::encodeName(dir).constData(), 65534, 65534) != 0)
        ADD_FAILURE() << "cannot hand the folder over";
    testenv::writeBytes(dir + "/old.dat", kOld);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    return dir;
}

} // namespace

TEST(FileWriter, OnAFullDiskTheEarlierFileStaysWholeAndTheReasonIsRaised)
{
    const QString dir = testenv::freshWorkDir();
    testenv::writeBytes(dir + "/old.dat", kOld);
    const Outcome o = inChild(Limit::FullDisk, [] { FileWriter::replace("old.dat", kBig); });
    EXPECT_TRUE(o.raised);
    EXPECT_EQ(o.message, "Cannot write file old.dat: File too large");
    EXPECT_EQ(testenv::readBytes(dir + "/old.dat"), kOld);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"old.dat"}) << "a temporary file was left behind";

    // The caller's own text replaces the default one; a file that was not there stays absent.
    const Outcome own = inChild(Limit::FullDisk, [] { FileWriter::replace("new.dat", kBig, "Disk full"); });
    EXPECT_EQ(own.message, "Disk full");
    EXPECT_FALSE(QFile::exists(dir + "/new.dat"));

    // Under the limit the same writer succeeds.
    EXPECT_FALSE(inChild(Limit::FullDisk, [] { FileWriter::replace("old.dat", "short\r\n"); }).raised);
    EXPECT_EQ(testenv::readBytes(dir + "/old.dat"), "short\r\n");
}

TEST(FileWriter, AnAppendThatDoesNotFitIsCutBackToTheEarlierSize)
{
    const QString dir = testenv::freshWorkDir();
    testenv::writeBytes(dir + "/log.txt", kOld);
    const Outcome o = inChild(Limit::FullDisk, [] { FileWriter::append("log.txt", kBig); });
    EXPECT_TRUE(o.raised);
    EXPECT_EQ(o.message, "Cannot write file log.txt: File too large");
    EXPECT_EQ(testenv::readBytes(dir + "/log.txt"), kOld);

    EXPECT_EQ(inChild(Limit::FullDisk, [] { FileWriter::append("fresh.txt", kBig, "No room"); }).message, "No room");
    EXPECT_FALSE(QFile::exists(dir + "/fresh.txt"));

    FileWriter::append("log.txt", "more\r\n");
    FileWriter::append("fresh.txt", "first\r\n");
    EXPECT_EQ(testenv::readBytes(dir + "/log.txt"), kOld + "more\r\n");
    EXPECT_EQ(testenv::readBytes(dir + "/fresh.txt"), "first\r\n");
}

TEST(FileWriter, AReadOnlyFolderIsReportedAndChangesNothing)
{
    const QString dir = readOnlyWorkDir();
    const Outcome o = inChild(Limit::ReadOnlyFolder, [] { FileWriter::replace("old.dat", "new\r\n"); });
    EXPECT_TRUE(o.raised);
    EXPECT_TRUE(o.message.startsWith("Cannot create file old.dat: ")) << o.message.toStdString();
    const Outcome a = inChild(Limit::ReadOnlyFolder, [] { FileWriter::append("other.dat", "new\r\n"); });
    EXPECT_TRUE(a.message.startsWith("Cannot open file other.dat: ")) << a.message.toStdString();
    EXPECT_EQ(testenv::readBytes(dir + "/old.dat"), kOld);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"old.dat"});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The writers built on it: the rollback copy made at start-up and the saved log.
TEST(FileWriter, TheRollbackCopyAndTheSavedLogSurviveAFullDisk)
{
    const QString dir = testenv::freshWorkDir();
    QByteArray rates;
    for (int i = 0; i < 100; ++i)
        rates += "<KRTISO>USD</KRTISO><KRTDATA>1.0</KRTDATA>\r\n";
    testenv::writeBytes(dir + "/currency.dat", rates);
    testenv::writeBytes(dir + "/RollBackCurrency.dat", kOld);
    const Outcome copy = inChild(Limit::FullDisk, [] { DataFiles::copyLines("currency.dat", "RollBackCurrency.dat"); });
    EXPECT_TRUE(copy.message.startsWith("Cannot write file RollBackCurrency.dat: ")) << copy.message.toStdString();
    EXPECT_EQ(testenv::readBytes(dir + "/RollBackCurrency.dat"), kOld);

    testenv::writeBytes(dir + "/day.tlg", kOld);
    const QStringList log(200, QStringLiteral("100.00 USD x 0.9000 = 90.00 EUR"));
    const Outcome save = inChild(Limit::FullDisk, [&] { SaveTransactionLogFile(log, "day.tlg"); });
    EXPECT_EQ(save.message, "Stream write error");
    EXPECT_EQ(testenv::readBytes(dir + "/day.tlg"), kOld);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 3) << "a temporary file was left behind";

    const Outcome create = inChild(Limit::FullDisk, [&] { SaveTransactionLogFile(log, "no/such/day.tlg"); });
    EXPECT_EQ(create.message, "Cannot create file no/such/day.tlg");
}

// Only a regular file, or a link to one, is appended to; anything else is refused at once.
// The pipe is held open here, so that no open can wait for it.
TEST(FileWriter, AnAppendGoesOnlyIntoARegularFile)
{
    const QString dir = testenv::freshWorkDir();
    testenv::writeBytes("target", kOld);
    ASSERT_TRUE(::mkfifo("pipe", 0600) == 0 && QDir().mkdir("folder") && QFile::link("/dev/full", "device") &&
                QFile::link("target", "link"));
    const int pipeEnds = ::open("pipe", O_RDWR | O_NONBLOCK);
    for (const char* name : {"pipe", "folder", "device"}) {
        try {
            FileWriter::append(name, "record\r");
            ADD_FAILURE() << name << " was written";
        } catch (const VemoxError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Cannot open file %1: it is not a regular file").arg(name));
        }
    }
    ::close(pipeEnds);
    FileWriter::append("link", "record\r");
    EXPECT_EQ(testenv::readBytes(dir + "/target"), kOld + "record\r");
}
