// The print options dialog offscreen, driven through its named controls: what it shows
// from the store, its warnings for the 40-column layout and what Okay stores.
#include "Defs.h"
#include "Forms/TPrintOptions.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/BannerSettings.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>
#include <optional>
#include <gtest/gtest.h>

namespace {

const char* const kEdits[] = {"EditTitle", "EditName",  "EditStreet1", "EditStreet2", "EditCity",
                              "EditState", "EditZip",   "EditCountry", "EditEmail",   "EditPhone",
                              "EditFax",   "EditWeb",   "EditInfo",    "Branch"};

QString warning(const char* field)
{
    return QString::fromLatin1(field) + " is larger than 40 characters long. Truncation will apply.";
}

TEST(PrintOptionsTest, ShowsTheStoredBannerWarnsForTheNarrowLayoutAndStoresEveryText)
{
    using Dialog = TPrintOptions;
    struct Row {
        const char* name;
        QStringList stored;                      // the Banner key's values, in order
        std::function<void(Dialog&)> act;        // before Okay; null: Okay is not pressed
        std::function<void(Dialog&)> check;
        QStringList warnings;
        bool storeFails = false;
    };
    auto edit = [](Dialog& d, const char* name) { return testenv::control<QLineEdit>(&d, name); };
    auto check = [](Dialog& d, const char* name) { return testenv::control<QCheckBox>(&d, name); };
    auto narrow = [](Dialog& d) { testenv::control<QRadioButton>(&d, "RGPrintCols0")->setChecked(true); };
    const Row rows[] = {
        {"new installation", {}, nullptr,
         [&](Dialog& d) {
             EXPECT_TRUE(check(d, "CheckTitle")->isChecked() && check(d, "CheckDate")->isChecked());
             EXPECT_FALSE(check(d, "CheckName")->isChecked() || check(d, "CheckAddress")->isChecked());
             EXPECT_EQ(edit(d, "EditTitle")->text(), "Foreign Exchange Purchase");
             EXPECT_TRUE(testenv::control<QRadioButton>(&d, "RGPrintCols1")->isChecked());
             EXPECT_FALSE(edit(d, "EditName")->isEnabled() || edit(d, "EditInfo")->isEnabled());
             check(d, "CheckAddress")->click();
             EXPECT_TRUE(edit(d, "EditStreet1")->isEnabled() && edit(d, "EditInfo")->isEnabled());
             EXPECT_TRUE(edit(d, "Branch")->isEnabled());
         },
         {}},
        {"fewer than fourteen stored values", {"T", "N", "S1"}, nullptr,
         [&](Dialog& d) {
             EXPECT_EQ(edit(d, "EditTitle")->text(), "T");
             EXPECT_EQ(edit(d, "EditStreet1")->text(), "S1");
             EXPECT_EQ(edit(d, "EditStreet2")->text(), "");
             EXPECT_EQ(edit(d, "Branch")->text(), "");
         },
         {}},
        {"41-character name at 40 columns, 40-character zip",
         {},
         [&](Dialog& d) {
             narrow(d);
             edit(d, "EditName")->setText(QString(41, 'n'));
             edit(d, "EditZip")->setText(QString(40, 'z'));
         },
         [&](Dialog&) {
             BannerSettings s;
             s.loadForReport();
             EXPECT_EQ(s.text(BannerSettings::Name), QString(41, 'n'));
             EXPECT_EQ(s.printCols, 0);
         },
         {warning("Company")}},
        {"every warning in order, none at full width",
         {},
         [&](Dialog& d) {
             for (const char* name : kEdits)
                 edit(d, name)->setText(QString(45, 'x'));
             narrow(d);
         },
         nullptr,
         {warning("Title"), warning("Company"), warning("Branch"), warning("Address 1"), warning("Address 2"),
          warning("City"), warning("State"), warning("Country"), warning("Email"), warning("Web site"),
          warning("Info")}},
        {"a store that cannot be written", {}, [](Dialog&) {}, nullptr, {}, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testenv::resetStore();
        if (!r.stored.isEmpty())
            ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyBanner, r.stored, KEY_WRITE);
        ScriptedMessenger messages;
        MessengerScope scope{&messages};
        Dialog d;
        d.show();
        if (r.act) {
            r.act(d);
            {
                std::optional<testenv::FullDisk> full;
                if (r.storeFails)
                    full.emplace();
                testenv::control<QAction>(&d, "ActionOkay")->trigger();
            }
            EXPECT_EQ(d.result() == QDialog::Accepted, !r.storeFails);
            QStringList names, values;
            ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyBanner, names, values, KEY_READ);
            EXPECT_EQ(names.size(), r.storeFails ? 0 : 14);
            EXPECT_EQ(messages.texts(ScriptedMessenger::Kind::MessageDialog),
                      r.storeFails ? QStringList{TPrintOptions::kWriteError} : r.warnings);
        }
        if (r.check)
            r.check(d);
    }
}

} // namespace
