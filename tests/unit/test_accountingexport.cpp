// The accounting export through the core: a real conversion's record appended to the export
// file byte for byte under the stored choices, and what a full disk or a read-only folder
// leaves behind.
#include "Defs.h"
#include "common/ConversionRig.h"
#include "common/TestEnv.h"
#include "data/AccountingExport.h"
#include "support/Zymregistry.h"

#include <gtest/gtest.h>
#include <tuple>
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
using O = AccountingExport::Outcome;
const QByteArray kRecord = "05/03/2024,14:05:09,Base Rate,Cash,Dollars (USD),1,234.50,0.79,"
                           "Pounds (GBP),975.25,0.00,0.00,975.25\r";
class AccountsTest : public ::testing::Test, protected ConversionRig {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        data = testenv::freshWorkDir();
        testenv::installSampleData();
        table.Append(new CCurrencyData(1, "North America", "Unt. States", "USD", "Dollars", 0));
        table.Append(new CCurrencyData(0.79, "Europe", "Unt. Kingdom", "GBP", "Pounds", 1));
        session.layout().assign(0, 1, "Unt. States");
        session.layout().assign(0, 2, "Unt. Kingdom");
        shown.clear();
    }
    void convert()   // 1234.5 dollars into pounds at the base rate, by the first tab's buttons
    {
        calc.OnCancel();
        session.convertSlot(0, 1);
        type("1234.5");
        session.convertSlot(0, 2);
        state.panel[0].clear();   // the clear dated it; what the export says comes after
    }
    O exportNow() { return session.appendToAccounts(QDateTime(QDate(2024, 3, 5), QTime(14, 5, 9))); }
    QString pending() const { return session.lastConversion() ? session.lastConversion()->PendingAccountRecord : ""; }
    QString data;
};
} // namespace

TEST_F(AccountsTest, RecordsGoToTheChosenFileWholeAndOnlyOnce)
{
    const QString other = testenv::root() + "/elsewhere";
    QDir().mkpath(other);
    struct Case {
        const char* name;   // "-": PGoA is not stored
        std::vector<std::pair<QString, QString>> stored;
        const char* steps;  // c: convert, e: export
        QString file;       // relative to the data folder
        QByteArray bytes;   // the file afterwards; "-" for none
        QString message;
    };
    const std::vector<Case> cases = {
        {"new installation", {}, "ce", "ZyMAccount.afe", kRecord, {}},
        {"-", {}, "ce", "ZyMAccount.afe", "-", {}},
        {"exported twice", {}, "cee", "ZyMAccount.afe", kRecord, "Messenger\nNo Transaction to Save to File."},
        {"two conversions", {}, "cece", "ZyMAccount.afe", kRecord + kRecord, {}},
        {"bare name", {{"FP", other}, {"FN", "L.afe"}}, "ce", "../elsewhere/L.afe", kRecord, {}},
        {"full path", {{"FP", "/no"}, {"FN", other + "/F.afe"}}, "ce", "../elsewhere/F.afe", kRecord, {}},
        {"folder gone", {{"FP", other + "/gone"}}, "ce", "../elsewhere/gone/ZyMAccount.afe", "-",
         AccountingExport::missingFolderText(other + "/gone/")},
        {"use switched off", {{"UA", "0"}}, "ce", "ZyMAccount.afe", "-", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        QDir(other).removeRecursively();
        QDir().mkpath(other);
        ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, QString(c.name) != "-");
        for (const auto& [name, value] : c.stored)
            name == "UA" ? ZYMAPI::WriteGeneral(name, value == "1") : ZYMAPI::WriteGeneral(name, value);
        for (const char* s = c.steps; *s; ++s)
            *s == 'c' ? convert() : void(exportNow());
        const QString path = data + "/" + c.file;
        EXPECT_EQ(QString::fromLatin1(QFileInfo::exists(path) ? testenv::readBytes(path) : "-"),
                  QString::fromLatin1(c.bytes));
        EXPECT_EQ(state.panel[0], QString(c.name) == "use switched off" ? "Account File is Undefined"
                         : c.bytes != "-"                    ? "Added to Accounts" : "");
        EXPECT_EQ(pending().isEmpty(), c.bytes != "-");
        EXPECT_EQ(shown.shown.empty() ? QString() : shown.shown.back().text, c.message);
    }
    EXPECT_EQ(QDir::currentPath(), data);   // the export never moves the process
}

namespace {
// Takes root's right to write anywhere away while it lives: a read-only folder is one.
struct WithoutOverride {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};
    WithoutOverride()
    {
        ::syscall(SYS_capget, &header, saved);
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ::syscall(SYS_capset, &header, lowered);
    }
    ~WithoutOverride() { ::syscall(SYS_capset, &header, saved); }
};
} // namespace

TEST_F(AccountsTest, AFailedAppendLeavesTheFileAndKeepsTheRecord)
{
    ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, true);
    const QString path = data + "/ZyMAccount.afe";
    for (const auto& [fullDisk, reason] : {std::pair{true, ": File too large\n"}, {false, ": Permission denied\n"}}) {
        SCOPED_TRACE(reason);
        testenv::writeBytes(path, kRecord);
        convert();
        const QString kept = pending();
        shown.clear();
        rlimit before{}, limit{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        std::optional<WithoutOverride> guard;
        if (fullDisk) {
            limit = {rlim_t(kRecord.size() + 10), before.rlim_max};   // room for a piece of the record
            ::setrlimit(RLIMIT_FSIZE, &limit);
        } else {
            QFile::setPermissions(path, QFile::ReadOwner);
            QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner);
            guard.emplace();
        }
        EXPECT_EQ(exportNow(), O::Refused);
        guard.reset();
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(QString::fromLatin1(testenv::readBytes(path)), QString::fromLatin1(kRecord));
        EXPECT_EQ(pending(), kept);
        ASSERT_EQ(shown.errors().size(), 1);
        EXPECT_TRUE(shown.errors()[0].contains(path + reason) && shown.errors()[0].contains("it is kept and can be exported"));
        // Once the cause is gone, the kept record goes in.
        EXPECT_EQ(exportNow(), O::Added);
        EXPECT_EQ(testenv::readBytes(path), kRecord + kRecord);
    }
}

TEST_F(AccountsTest, ThePrintDialogTakesAMissingChoiceFromTheOneReadBefore)
{
    // Stored PGs, PGoP, PGoA and UA ('-' when missing) give hide, print, add and file defined.
    const QString names[] = {"PGs", "PGoP", "PGoA", "UA"};
    for (const auto& [stored, read] : std::vector<std::pair<QString, QString>>{
             {"----", "0000"}, {"1---", "1111"}, {"1-0-", "1100"}, {"-1-0", "0110"}, {"0101", "0101"}}) {
        testenv::resetStore();
        for (int i = 0; i < 4; ++i)
            if (stored[i] != '-')
                ZYMAPI::WriteGeneral(names[i], stored[i] == '1');
        const auto c = AccountingExport::PrintChoices::load();
        EXPECT_EQ(QString("%1%2%3%4").arg(c.hideDialog).arg(c.print).arg(c.addToAccount).arg(c.fileDefined), read)
            << stored.toStdString();
    }
}

TEST_F(AccountsTest, NothingInTheFileIsCutAndTheRecordStartsOnItsOwn)
{
    ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, true);
    const QString path = data + "/ZyMAccount.afe", shared = testenv::root() + "/shared.afe";
    // What the file held, what stays before the new record, and whether a link leads to it.
    for (const auto& [held, kept, linked] : std::vector<std::tuple<QByteArray, QByteArray, bool>>{
             {"", "", false}, {"r1\r", "r1\r", false}, {"r1\rUSD,1.00", "r1\rUSD,1.00\r", false},
             {"notes", "notes\r", false}, {"a\r\nb", "a\r\nb\r", false}, {"a\r\n", "a\r\n\r", false},
             {"r1\rUSD,1.00", "r1\rUSD,1.00\r", true}}) {
        QFile::remove(path);
        testenv::writeBytes(linked ? shared : path, held);
        ASSERT_TRUE(!linked || QFile::link(shared, path));
        convert();
        EXPECT_EQ(exportNow(), O::Added);
        EXPECT_EQ(testenv::readBytes(linked ? shared : path), kept + kRecord) << held.toStdString() << linked;
    }
}
