// The account file dialog offscreen, by its named controls: the file chosen or made in it
// is where the next export goes.
#include "Defs.h"
#include "Forms/TAccountForm.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "data/AccountingExport.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using testenv::control;

TEST(AccountForm, TheFileChosenOrMadeIsWhereTheNextExportGoes)
{
    testenv::resetStore();
    const QString data = testenv::freshWorkDir(), other = testenv::root() + "/books";
    QDir().mkpath(other);
    ScriptedMessenger shown;
    MessengerScope scope(&shown);
    TAccountForm form(nullptr, data);
    control<QCheckBox>(&form, "CBUse")->click();
    // New with "Ledger.txt"; Select of a new file, Yes; Select of a new file, No; New cancelled.
    shown.inputs = {"Ledger.txt", std::nullopt};
    shown.files = {other + "/Year.afe", other + "/No.afe"};
    shown.answers = {true, false};
    for (const char* button : {"New", "Select", "Select", "New"}) {
        control<QPushButton>(&form, button)->click();
        if (QByteArray(button) == "New" && shown.inputs.size() == 1) {
            EXPECT_EQ(control<QLineEdit>(&form, "EditFileName")->text(), "Ledger.afe");
        }
    }
    EXPECT_TRUE(QFileInfo::exists(data + "/Ledger.afe") && !QFileInfo::exists(other + "/No.afe"));
    EXPECT_EQ(control<QLineEdit>(&form, "EditBrowse")->text() + "/" + control<QLineEdit>(&form, "EditFileName")->text(),
              other + "/Year.afe");
    control<QAction>(&form, "ActionOkay")->trigger();
    ZYMAPI::WriteGeneral(Defs::kValAddToAccountFile, true);
    QString pending = "x\r", panel;
    AccountingExport::AppendToAccounts(pending, "Buy", "Cash", data, panel, QDateTime::currentDateTime());
    EXPECT_TRUE(testenv::readBytes(other + "/Year.afe").endsWith(",Buy,Cash,x\r"));
    EXPECT_TRUE(shown.errors().isEmpty());
}
