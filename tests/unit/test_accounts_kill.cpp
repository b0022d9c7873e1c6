// An exporter killed at any moment leaves the account file holding whole records only, each
// once and in order: the exporter (tests/afe_writer) appends record 1, 2, ... and this test
// kills it with SIGKILL at random moments, then reads the file.
#include "common/TestEnv.h"
#include "Defs.h"
#include "support/Zymregistry.h"

#include <gtest/gtest.h>
#include <csignal>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

TEST(AccountsKill, AKilledExportLeavesWholeRecordsOnly)
{
    testenv::freshWorkDir();
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValAddToAccountFile, true, KEY_WRITE);
    std::mt19937 random(20);
    int records = 0;
    for (int round = 0; round < 40; ++round) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(fds[1], STDOUT_FILENO);
            const std::string first = std::to_string(records + 1);
            ::execl(AFE_WRITER, AFE_WRITER, first.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        // Once the first record is in, the kill comes at a random moment of the next ones.
        char tick;
        pollfd ready{fds[0], POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 10000), 1);
        ASSERT_EQ(::read(fds[0], &tick, 1), 1);
        ::usleep(random() % 3000);
        ::kill(pid, SIGKILL);
        ::close(fds[0]);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the exporter stopped by itself";

        const QList<QByteArray> parts = testenv::readBytes("ZyMAccount.afe").split('\r');
        ASSERT_TRUE(parts.back().isEmpty()) << "a torn record at the end, round " << round;
        ASSERT_GE(parts.size() - 1, records) << "records were lost";
        for (int i = 0; i + 1 < parts.size(); ++i) {
            const QList<QByteArray> fields = parts[i].split(',');
            ASSERT_EQ(fields.size(), 12) << parts[i].constData();
            for (int f = 4; f < 11; ++f)
                ASSERT_EQ(fields[f].toInt(), i + 1) << "record " << i + 1 << " is torn or repeated";
            ASSERT_EQ(fields[11], QByteArray(400, 'x'));
        }
        records = int(parts.size()) - 1;
    }
    EXPECT_GT(records, 40);
}
