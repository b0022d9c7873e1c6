// The accounting export through the core: a real conversion's record appended to the export
// file, byte for byte, under the stored choices; and what a full disk or a read-only folder
// leaves behind.
#include "calc/Calculator.h"
#include "calc/Exchange.h"
#include "common/TestEnv.h"
#include "Defs.h"
#include "data/AccountingExport.h"
#include "data/CurrencyTable.h"
#include "support/Formats.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <gtest/gtest.h>
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using Kind = ScriptedMessenger::Kind;
const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 5, 9));
const QByteArray kRecord = "05/03/2024,14:05:09,Base Rate,Cash,Dollars (USD),1,234.50,0.79,"
                           "Pounds (GBP),975.25,0.00,0.00,975.25\r";

class AccountsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        data = testenv::freshWorkDir();
        testenv::installSampleData();
        table.Append(new CCurrencyData(1, "North America", "Unt. States", "USD", "Dollars", 0));
        table.Append(new CCurrencyData(0.79, "Europe", "Unt. Kingdom", "GBP", "Pounds", 1));
    }
    void store(const QString& name, const QVariant& v)
    {
        if (v.typeId() == QMetaType::Bool)
            ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, v.toBool(), KEY_WRITE);
        else
            ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, v.toString(), KEY_WRITE);
    }
    // 1234.5 dollars into pounds at the base rate.
    void convert()
    {
        calc.OnCancel();
        ex.Exchange("Unt. States");
        for (char k : QByteArray("1234.5"))
            calc.FormKeyPress(QLatin1Char(k));
        ex.Exchange("Unt. Kingdom");
    }
    AccountingExport::Outcome exportNow()
    {
        return AccountingExport::AppendToAccounts(ex.PendingAccountRecord, "Base Rate", "Cash", data, panel, kNow);
    }

    QString data, panel;
    ScriptedMessenger shown;
    MessengerScope scope{&shown};
    MainState state;
    TransactionLog log;
    CurrencyTable table;
    CommissionTable charges;
    Calculator calc{state, log, charges};
    Exchanger ex{calc, table, charges};
};

} // namespace

TEST_F(AccountsTest, RecordsGoToTheChosenFileWholeAndOnlyOnce)
{
    using O = AccountingExport::Outcome;
    struct Case {
        const char* name;
        std::vector<std::pair<QString, QVariant>> stored;
        const char* steps;     // c: convert, e: export
        QString file;          // where the records go, relative to the data folder
        QByteArray bytes;      // the file afterwards; "-" for no file at all
        O last;
        QString message;       // the last message shown, if any
    };
    const QString other = testenv::root() + "/elsewhere";
    QDir().mkpath(other);
    const QByteArray twice = kRecord + kRecord;
    const std::vector<Case> cases = {
        {"new installation", {{"PGoA", true}}, "ce", "ZyMAccount.afe", kRecord, O::Added, {}},
        {"not chosen", {}, "ce", "ZyMAccount.afe", "-", O::NotChosen, {}},
        {"exported twice", {{"PGoA", true}}, "cee", "ZyMAccount.afe", kRecord, O::Refused,
         "Messenger\nNo Transaction to Save to File."},
        {"two conversions", {{"PGoA", true}}, "cece", "ZyMAccount.afe", twice, O::Added, {}},
        {"bare name in the folder", {{"PGoA", true}, {"FP", other}, {"FN", "Ledger.afe"}}, "ce",
         "../elsewhere/Ledger.afe", kRecord, O::Added, {}},
        {"full path", {{"PGoA", true}, {"FP", "/nowhere"}, {"FN", other + "/Full.afe"}}, "ce",
         "../elsewhere/Full.afe", kRecord, O::Added, {}},
        {"folder gone", {{"PGoA", true}, {"FP", other + "/gone"}}, "ce", "../elsewhere/gone/ZyMAccount.afe", "-",
         O::Refused, AccountingExport::missingFolderText(other + "/gone/")},
        {"use switched off", {{"PGoA", true}, {"UA", false}}, "ce", "ZyMAccount.afe", "-", O::Refused, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        QFile::remove(other + "/Ledger.afe");
        QFile::remove(other + "/Full.afe");
        for (const auto& [name, value] : c.stored)
            store(name, value);
        shown.clear();
        panel.clear();
        O last = O::NotChosen;
        for (const char* s = c.steps; *s; ++s)
            *s == 'c' ? convert() : void(last = exportNow());
        EXPECT_EQ(last, c.last);
        const QString path = data + "/" + c.file;
        EXPECT_EQ(QString::fromLatin1(QFileInfo::exists(path) ? testenv::readBytes(path) : "-"),
                  QString::fromLatin1(c.bytes));
        EXPECT_EQ(panel, QString(c.name) == "use switched off" ? AccountingExport::kUndefined
                         : c.bytes != "-"                    ? AccountingExport::kAdded
                                                             : QString());
        EXPECT_EQ(ex.PendingAccountRecord.isEmpty(), last == O::Added || QString(c.steps).endsWith("ee"));
        if (c.message.isEmpty())
            EXPECT_TRUE(shown.shown.empty()) << shown.shown.front().text.toStdString();
        else if (!shown.shown.empty())
            EXPECT_EQ(shown.shown.back().text, c.message);
    }
    EXPECT_EQ(QDir::currentPath(), data);   // the export never moves the process
}

namespace {
// Root writes anywhere; this takes away that right for the life of the guard, so a read-only
// folder is read-only to the test as it is to the operator.
class WithoutOverride {
public:
    WithoutOverride()
    {
        ::syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ::syscall(SYS_capset, &header_, lowered);
    }
    ~WithoutOverride() { ::syscall(SYS_capset, &header_, saved_); }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};
} // namespace

TEST_F(AccountsTest, AFailedAppendLeavesTheFileAndKeepsTheRecord)
{
    store("PGoA", true);
    const QString path = data + "/ZyMAccount.afe";
    for (const char* failure : {"full disk", "read-only folder"}) {
        SCOPED_TRACE(failure);
        testenv::writeBytes(path, kRecord);
        convert();
        const QString pending = ex.PendingAccountRecord;
        shown.clear();
        panel.clear();
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit before = limit;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        std::optional<WithoutOverride> guard;
        if (QByteArray(failure) == "full disk") {
            limit.rlim_cur = kRecord.size() + 10;   // room for a piece of the record only
            ::setrlimit(RLIMIT_FSIZE, &limit);
        } else {
            QFile::setPermissions(path, QFile::ReadOwner);
            QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner);
            guard.emplace();
        }
        EXPECT_EQ(exportNow(), AccountingExport::Outcome::Refused);
        guard.reset();
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

        EXPECT_EQ(QString::fromLatin1(testenv::readBytes(path)), QString::fromLatin1(kRecord));
        EXPECT_EQ(ex.PendingAccountRecord, pending);
        EXPECT_TRUE(panel.isEmpty());
        ASSERT_EQ(shown.errors().size(), 1);
        EXPECT_TRUE(shown.errors().front().contains(path)) << shown.errors().front().toStdString();
        EXPECT_TRUE(shown.errors().front().contains("it is kept and can be exported again"));
        // Once the cause is gone, the kept record goes in.
        EXPECT_EQ(exportNow(), AccountingExport::Outcome::Added);
        EXPECT_EQ(QString::fromLatin1(testenv::readBytes(path)), QString::fromLatin1(kRecord + kRecord));
    }
}
