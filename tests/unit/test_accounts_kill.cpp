// An exporter killed at any moment leaves whole records only, each once and in order, and at
// most a piece of the record it was writing, which the next export cuts off: the exporter
// (tests/afe_writer) appends record 1, 2, ... until this test kills it.
#include "Defs.h"
#include "common/TestEnv.h"
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
            ::execl(AFE_WRITER, AFE_WRITER, std::to_string(records + 1).c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        // Once the first record is in, the kill comes at a random moment of the next ones.
        pollfd ready{fds[0], POLLIN, 0};
        char tick;
        ASSERT_TRUE(::poll(&ready, 1, 10000) == 1 && ::read(fds[0], &tick, 1) == 1);
        ::usleep(random() % 3000);
        ::kill(pid, SIGKILL);
        ::close(fds[0]);
        ::waitpid(pid, nullptr, 0);

        const QList<QByteArray> parts = testenv::readBytes("ZyMAccount.afe").split('\r');
        ASSERT_GT(parts.size() - 1, records);
        for (int i = 0; i + 1 < parts.size(); ++i)
            ASSERT_EQ(parts[i].split(',').mid(4), QByteArrayList(7, QByteArray::number(i + 1)) << QByteArray(400, 'x'))
                << "record " << i + 1 << " is torn or repeated";
        records = int(parts.size()) - 1;
    }
}
