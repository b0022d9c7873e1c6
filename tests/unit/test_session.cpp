// Whole flows of a counter session, without a window: a conversion, its receipt and its
// account record; an update, then a conversion at the new rates.
#include "common/ConversionRig.h"
#include "common/LoopbackHttp.h"
#include "common/TestEnv.h"
#include "Defs.h"
#include "report/QuickReport.h"
#include "support/Zymregistry.h"

#include <gtest/gtest.h>

using loopback::HttpServer;
using loopback::Response;

namespace {
const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 5, 9));

class SessionTest : public ::testing::Test, protected ConversionRig {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        testenv::freshWorkDir();
        testenv::installSampleData();   // Unt. States 1, Unt. Kingdom 0.79, France 0.94
        ASSERT_TRUE(session.start([](int) { return true; }));
        for (int slot = 1; const char* country : {"Unt. States", "Unt. Kingdom", "France"})
            session.layout().assign(0, slot++, country);
    }
    // Clear, the home currency by slot 1, the amount, then the slot converted into.
    std::optional<Conversion> convert(const char* amount, int slot)
    {
        calc.OnCancel();
        session.convertSlot(0, 1);
        type(amount);
        return session.convertSlot(0, slot);
    }
};
} // namespace

TEST_F(SessionTest, AConversionIsTheReceiptAndTheAccountRecord)
{
    ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, true);
    struct Row {
        Payment payment;
        RateKind kind;
        int slot;
        const char* amount;
        QByteArray record;   // as the account file has it
    };
    const Row rows[] = {
        {Payment::Cash, RateKind::Base, 2, "100", "05/03/2024,14:05:09,Base Rate,Cash,Dollars (USD),100.00,0.79,"
                                                  "Pounds (GBP),79.00,0.00,0.00,79.00\r"},
        {Payment::CreditCard, RateKind::Sell, 3, "50", "05/03/2024,14:05:09,Sell,Credit Card,Dollars (USD),50.00,"
                                                       "0.94,Euros (EUR),47.00,0.00,0.94,46.06\r"},
    };
    QByteArray file;
    for (const Row& r : rows) {
        state.payment = r.payment;
        state.rateKind = r.kind;
        ASSERT_TRUE(convert(r.amount, r.slot));
        TQuickReport1 receipt;
        receipt.PrepareReport(TQuickReport1::CustomerReceipt, session.reportSources(kNow));
        // The receipt shows what the account file gets.
        const Report::ReportContent& shown = receipt.content();
        const ReceiptCells& k = shown.cells;
        EXPECT_EQ(QStringList({shown.TypeLabel, shown.DescriptionLabel, k.Currency1, k.Details1, k.Details2,
                               k.Currency3, k.Details3, k.Details4, k.Details5, k.Details6})
                          .join(',') + '\r',
                  QString::fromLatin1(r.record).section(',', 2));
        EXPECT_EQ(session.appendToAccounts(kNow), AccountingExport::Outcome::Added);
        file += r.record;
        EXPECT_EQ(testenv::readBytes(AccountingExport::kDefaultFileName), file);
        EXPECT_EQ(session.lastConversion()->PendingAccountRecord, "");   // exported once only
    }
}

TEST_F(SessionTest, AnUpdateGivesTheNextConversionItsRates)
{
    HttpServer server;
    ZYMAPI::DeleteRegistryKey(HKEY_CURRENT_USER, Defs::kKeyHosts, KEY_ALL_ACCESS);
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, QStringList{server.hostPort()}, KEY_WRITE);
    const QByteArray reply = "<KRTDATE>9 Dec 2026</KRTDATE>\n<KRTISO>USD</KRTISO><KRTDATA>1</KRTDATA>\n"
                             "<KRTISO>GBP</KRTISO><KRTDATA>0.5</KRTDATA>\n";   // no rate for the euro
    server.reply(Response::ok(reply));
    ASSERT_TRUE(session.requestUpdate());
    ASSERT_TRUE(convert("100", 2));
    EXPECT_EQ(state.display, "50.00");

    // A currency the update brought no rate for stops the conversion until the operator has answered;
    // after the next update it goes on at the new rate, with the amount the update cleared.
    EXPECT_FALSE(convert("100", 3));
    ASSERT_TRUE(session.ratesMissing());
    server.reply(Response::ok(reply + "<KRTISO>EUR</KRTISO><KRTDATA>2</KRTDATA>\n"));
    ASSERT_TRUE(session.requestUpdate());
    const auto made = session.resumeConversion(true);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->CrossRate, 2.0);
    EXPECT_EQ(state.foreign.country, "France");
    EXPECT_EQ(session.lastConversion()->cells.Details2, "2.00");
}
