#pragma once
// The fixture of the rate update tests: the sample library and data in a fresh working
// folder, the table loaded from them, the rollback file written as at start-up, a scripted
// messenger and the update under test, pointed at loopback servers.
#include "Defs.h"
#include "calc/MainState.h"
#include "common/LoopbackHttp.h"
#include "common/TestEnv.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "data/DataFiles.h"
#include "data/RateUpdate.h"
#include "support/Messenger.h"
#include "support/Trap.h"
#include "support/Zymregistry.h"

#include <gmock/gmock.h>
#include <functional>

// Records what the third panel showed when each error box came up.
struct PanelWatchingMessenger : ScriptedMessenger {
    std::function<void()> onErrorBox;
    void errorBox(const QString& message) override
    {
        if (onErrorBox)
            onErrorBox();
        ScriptedMessenger::errorBox(message);
    }
};

class RateUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::freshWorkDir();
        testenv::resetStore();
        testenv::installSampleData();
        ASSERT_TRUE(LoadCurrencyData(table));
        ASSERT_TRUE(update.KeepStartData(true));
        state.follow(update);
        startData = testenv::readBytes(Defs::kCurrencyFile);
        update.readTimeoutMs = 5000;
        update.onCancel = [this] { ++cancels; };
        update.now = [] { return QDateTime(QDate(2026, 12, 9), QTime(15, 30)); };
        QObject::connect(&state, &MainState::changed, [this] {
            if (panel2Seen.isEmpty() || panel2Seen.back() != state.panel[2])
                panel2Seen << state.panel[2];
        });
        messages.onErrorBox = [this] { panel2AtBox << state.panel[2]; };
        messages.clear();
    }

    static void store(const QString& name, const QString& value)
    {
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, value, KEY_WRITE);
    }
    static void setFirstHost(const QString& host)
    {
        ZYMAPI::DeleteRegistryKey(HKEY_CURRENT_USER, Defs::kKeyHosts, KEY_ALL_ACCESS);
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, QStringList{host}, KEY_WRITE);
    }
    static QStringList storedHosts()
    {
        QStringList names, values;
        ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, names, values, KEY_READ);
        return values;
    }
    static bool lastUpdateStored()
    {
        QDateTime when;
        return ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValLastUpdate, when, KEY_READ);
    }
    // A reply with LF line ends: the saved file must have CR LF.
    static QByteArray replyBody(const QByteArray& gbp = "0.81")
    {
        return "<KRTDATE>9 Dec 2026</KRTDATE>\n<KRTHOST>next.example/cgi-bin/DownLoad.cgi</KRTHOST>\n"
               "<KRTHOST>next.example</KRTHOST>\n<KRTHOST>spare.example</KRTHOST>\n"
               "<KRTISO>USD</KRTISO><KRTDATA>1</KRTDATA>\n<KRTISO>GBP</KRTISO><KRTDATA>" +
               gbp + "</KRTDATA>\n<KRTISO>EUR</KRTISO><KRTDATA>0.95</KRTDATA>\n";
    }
    double rateOf(const QString& country) const
    {
        const CCurrencyData* c = table.FindByCountry(country);
        return c ? c->GetRate() : -1;
    }
    // The rollback as its command runs it: what goes wrong is told in the error box.
    static void rollback(RateUpdate& u)
    {
        trapped(QString(), [&] { u.Rollback(); });
    }
    // The data file, the table, the hosts and the last update as they were at the start.
    void expectNothingChanged()
    {
        EXPECT_EQ(testenv::readBytes(Defs::kCurrencyFile), startData);
        EXPECT_EQ(table.Count(), 3);
        EXPECT_DOUBLE_EQ(rateOf(QStringLiteral("Unt. Kingdom")), 0.79);
        EXPECT_FALSE(lastUpdateStored());
        EXPECT_EQ(cancels, 0);
        EXPECT_FALSE(state.busy);
        EXPECT_FALSE(update.busy());
    }
    // The update failed with one error box holding `text`, and changed nothing.
    void expectFailure(const QString& text)
    {
        const QStringList errors = messages.errors();
        ASSERT_EQ(errors.size(), 1) << errors.join(QLatin1Char('|')).toStdString();
        EXPECT_THAT(errors.first().toStdString(), ::testing::HasSubstr(text.toStdString()));
        // No progress text stands behind a failure box.
        EXPECT_THAT(panel2AtBox, ::testing::Each(QString()));
        expectNothingChanged();
    }

    PanelWatchingMessenger messages;
    MessengerScope scope{&messages};
    MainState state;
    CurrencyTable table;
    RateUpdate update{table};
    QByteArray startData;
    QStringList panel2Seen, panel2AtBox;
    int cancels = 0;
};
