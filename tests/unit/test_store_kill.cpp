// A writer killed at any moment leaves the store file whole: the old file or the new one.
// The writer (tests/store_writer) writes Counter = n, then Payload and the list Rows made of
// n, for n = 1, 2, ...; this test kills it with SIGKILL at random moments and reads the file
// after each kill.
#include "common/TestEnv.h"
#include "support/Messenger.h"
#include "support/RegStore.h"
#include "support/Zymregistry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <QtEndian>
#include <csignal>
#include <cstring>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRounds = 250;

struct Snapshot {
    int counter = -1;
    int payload = -1;
    int rows = -1;
};

// The three values as the file holds them; a failure when any is missing or malformed.
::testing::AssertionResult snapshotOf(const QByteArray& bytes, Snapshot* out,
                                      const QString& key = QStringLiteral("Software\\VEMOX\\Kill"))
{
    QString why;
    const auto store = regstore::Store::parse(bytes, &why);
    if (!store)
        return ::testing::AssertionFailure() << "the file does not parse: " << why.toStdString();
    const regstore::Key* k = store->findKey(key);
    const regstore::Key* rows = store->findKey(key + QStringLiteral("\\Rows"));
    if (!k || !rows)
        return ::testing::AssertionFailure() << "a key is missing";
    const regstore::Value* c = k->find("Counter");
    const regstore::Value* p = k->find("Payload");
    if (!c || c->type != regstore::RegDword || c->data.size() != 4 || !p)
        return ::testing::AssertionFailure() << "Counter or Payload is missing";
    out->counter = qFromLittleEndian<qint32>(c->data.constData());

    // Payload: one number, 1000 times, each followed by '|'.
    const QByteArray text = p->data.chopped(1);
    const QList<QByteArray> parts = text.split('|');
    if (parts.size() != 1001 || !parts.back().isEmpty())
        return ::testing::AssertionFailure() << "Payload is torn: " << parts.size() << " parts";
    for (const QByteArray& part : parts.first(1000))
        if (part != parts.front())
            return ::testing::AssertionFailure() << "Payload mixes " << part.constData() << " and " << parts.front().constData();
    out->payload = parts.front().toInt();

    if (rows->values().size() != 8)
        return ::testing::AssertionFailure() << "Rows has " << rows->values().size() << " entries";
    const QByteArray first = rows->values().front().data;
    for (const regstore::Value& v : rows->values())
        if (v.data != first)
            return ::testing::AssertionFailure() << "Rows mixes two lists";
    out->rows = first.chopped(1).toInt();
    return ::testing::AssertionSuccess();
}

// Starts the writer with its output on a pipe; returns its pid and the pipe's read end.
pid_t startWriter(int* readEnd, const char* key = nullptr, const char* mode = nullptr)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        ::execl(STORE_WRITER, STORE_WRITER, key, mode, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    *readEnd = fds[0];
    return pid;
}

// Waits until the writer has printed at least one byte: one write has gone through.
bool waitForFirstWrite(int fd)
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 10000) != 1)
        return false;
    char c;
    return ::read(fd, &c, 1) == 1;
}

// The bytes still in the pipe of a writer that has ended: the writes it finished since.
long remainingTicks(int fd)
{
    long ticks = 0;
    char buffer[4096];
    for (ssize_t r; (r = ::read(fd, buffer, sizeof buffer)) > 0;)
        ticks += r;
    return ticks;
}

// What the file must hold after a writer that started from `from` finished `ticks` writes:
// writes go Counter, Payload, Rows for n = from.counter + 1, + 2, ...; one more write may
// have gone through just before its tick.
::testing::AssertionResult holdsTheFinishedWrites(const Snapshot& from, long ticks, const Snapshot& now)
{
    const auto check = [&](const char* what, int value, int old, long done) -> ::testing::AssertionResult {
        const int expected = done > 0 ? from.counter + int(done) : old;
        const int next = from.counter + int(done) + 1;
        if (value == expected || value == next)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << what << " is " << value << " after " << ticks
                                             << " writes from " << from.counter << "; expected "
                                             << expected << " or " << next;
    };
    auto r = check("Counter", now.counter, from.counter, (ticks + 2) / 3);
    if (r)
        r = check("Payload", now.payload, from.payload, (ticks + 1) / 3);
    if (r)
        r = check("Rows", now.rows, from.rows, ticks / 3);
    return r;
}

} // namespace

TEST(StoreKill, AKilledWriterLeavesTheOldFileOrTheNew)
{
    testenv::resetStore();
    ScriptedMessenger shown;
    MessengerScope scope(&shown);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    // Mostly short delays, so that most kills land inside a write, and some longer ones.
    std::uniform_int_distribution<int> shortDelay(0, 1500);
    std::uniform_int_distribution<int> longDelay(0, 8000);

    // The file as the first writer finds it: n = 0 everywhere.
    const QString key = QStringLiteral("\\Software\\VEMOX\\Kill");
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, "Counter", 0, KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, "Payload", QStringLiteral("0|").repeated(1000), KEY_WRITE));
    ASSERT_TRUE(ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key + "\\Rows", QStringList(8, "0"), KEY_WRITE));
    Snapshot before;
    ASSERT_TRUE(snapshotOf(testenv::readBytes(testenv::storeFile()), &before));
    int killed = 0;
    long writes = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        int out = -1;
        const pid_t pid = startWriter(&out);
        ASSERT_GT(pid, 0);
        const bool started = waitForFirstWrite(out);
        if (started)
            ::usleep(useconds_t(round % 4 == 0 ? longDelay(rng) : shortDelay(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        const long ticks = started ? 1 + remainingTicks(out) : 0;
        ::close(out);
        ASSERT_TRUE(started) << "the writer made no write";
        // Killed, not ended on its own by a failed write.
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
        ++killed;

        Snapshot now;
        ASSERT_TRUE(snapshotOf(testenv::readBytes(testenv::storeFile()), &now));
        // The writes go Counter, Payload, Rows for each n, each whole or not at all. (A writer
        // starts after the stored Counter, so Payload and Rows may lag by more than one.)
        EXPECT_TRUE(now.counter >= now.payload && now.payload >= now.rows)
            << now.counter << " " << now.payload << " " << now.rows;
        // Nothing goes back, and every write this writer finished is there: one at least.
        ASSERT_GT(now.counter, before.counter);
        EXPECT_GE(now.payload, before.payload);
        EXPECT_GE(now.rows, before.rows);
        // Exactly the writes it reported, or one more that it had no time to report.
        EXPECT_TRUE(holdsTheFinishedWrites(before, ticks, now));
        writes += ticks;
        before = now;
    }
    // No file was ever taken for damaged, and the program's own reader agrees.
    const QStringList left = QDir(QFileInfo(testenv::storeFile()).absolutePath()).entryList({"*damaged*"});
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
    int counter = 0;
    EXPECT_TRUE(ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, key, "Counter", counter, KEY_READ));
    EXPECT_EQ(counter, before.counter);
    EXPECT_TRUE(shown.shown.empty());
    std::printf("%d kills, %ld writes reported, Counter %d\n", killed, writes, before.counter);
}

TEST(StoreKill, TwoWritersAtOnceLoseNoWrite)
{
    // Each writer loads, changes and replaces the whole file; without the writers' lock one
    // would put back the other's older values.
    testenv::resetStore();
    ScriptedMessenger shown;
    MessengerScope scope(&shown);
    const char* keys[2] = {"\\Software\\VEMOX\\A", "\\Software\\VEMOX\\B"};
    int out[2];
    pid_t pid[2];
    for (int w = 0; w < 2; ++w) {
        pid[w] = startWriter(&out[w], keys[w]);
        ASSERT_GT(pid[w], 0);
    }
    // Let them run side by side, counting the writes each reports.
    long ticks[2] = {0, 0};
    char buffer[4096];
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 1500 && (ticks[0] < 600 || ticks[1] < 600)) {
        pollfd p[2] = {{out[0], POLLIN, 0}, {out[1], POLLIN, 0}};
        ::poll(p, 2, 100);
        for (int w = 0; w < 2; ++w)
            if (p[w].revents & POLLIN)
                ticks[w] += std::max<ssize_t>(0, ::read(out[w], buffer, sizeof buffer));
    }
    for (int w = 0; w < 2; ++w) {
        ::kill(pid[w], SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid[w], &status, 0), pid[w]);
        EXPECT_TRUE(WIFSIGNALED(status)) << "writer " << w << " ended on its own: " << status;
        ssize_t r;
        while ((r = ::read(out[w], buffer, sizeof buffer)) > 0)
            ticks[w] += r;
        ::close(out[w]);
    }
    const QByteArray bytes = testenv::readBytes(testenv::storeFile());
    for (int w = 0; w < 2; ++w) {
        SCOPED_TRACE(keys[w]);
        ASSERT_GE(ticks[w], 30) << "the writers hardly ran side by side";
        Snapshot s;
        ASSERT_TRUE(snapshotOf(bytes, &s, QString::fromLatin1(keys[w]).mid(1)));
        // Ticks 1, 4, 7, ... follow the Counter writes, 2, 5, ... Payload, 3, 6, ... Rows; a
        // write may also have gone through just before its tick.
        const int counter = int((ticks[w] + 2) / 3), payload = int((ticks[w] + 1) / 3), rows = int(ticks[w] / 3);
        EXPECT_TRUE(s.counter == counter || s.counter == counter + 1) << s.counter << " after " << ticks[w] << " writes";
        EXPECT_TRUE(s.payload == payload || s.payload == payload + 1) << s.payload;
        EXPECT_TRUE(s.rows == rows || s.rows == rows + 1) << s.rows;
    }
    EXPECT_TRUE(shown.shown.empty());
    std::printf("side by side: %ld and %ld writes\n", ticks[0], ticks[1]);
}

TEST(StoreKill, AListDeletedAndWrittenInOneChangeIsNeverMissing)
{
    testenv::resetStore();
    ScriptedMessenger shown;
    MessengerScope scope(&shown);
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> delay(0, 3000);
    const char* key = "\\Software\\VEMOX\\Hs";
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        int out = -1;
        const pid_t pid = startWriter(&out, key, "list");
        ASSERT_GT(pid, 0);
        const bool started = waitForFirstWrite(out);
        if (started)
            ::usleep(useconds_t(delay(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ::close(out);
        ASSERT_TRUE(started) << "the writer made no change";
        // The whole list of one change: n in entries 0 to n % 5, nothing else.
        const auto store = regstore::Store::parse(testenv::readBytes(testenv::storeFile()));
        ASSERT_TRUE(store);
        const regstore::Key* k = store->findKey("Software\\VEMOX\\Hs");
        ASSERT_NE(k, nullptr) << "the list is gone";
        ASSERT_FALSE(k->values().empty());
        const QByteArray n = k->values().front().data.chopped(1);
        EXPECT_EQ(k->values().size(), size_t(n.toInt() % 5 + 1)) << "list of " << n.constData();
        for (const regstore::Value& v : k->values())
            EXPECT_EQ(v.data.chopped(1), n);
    }
    EXPECT_TRUE(shown.shown.empty());
}
