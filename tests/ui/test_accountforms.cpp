// The print and accounts dialog and the account file dialog offscreen, driven by their named
// controls: what they read, what Okay and Cancel store, and that the file chosen or made in
// the account file dialog is the one the next export goes to.
#include "Defs.h"
#include "Forms/TAccountForm.h"
#include "Forms/TPrintGo.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "data/AccountingExport.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using testenv::control;

namespace {
void store(const QString& name, bool value)
{
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, value, KEY_WRITE);
}
QString flags()   // PGs, PGoP, PGoA as stored: 1, 0 or - for missing
{
    QString out;
    for (const QString& name : {Defs::kValPrintAccountingDialog, Defs::kValPrintReceipt, Defs::kValAddToAccountFile}) {
        bool v = false;
        out += ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, v, KEY_READ) ? QString::number(v)
                                                                                             : QStringLiteral("-");
    }
    return out;
}
} // namespace

TEST(PrintGo, AMissingValueTakesTheOneReadBeforeAndOkayStoresTheThreeBoxes)
{
    struct Case {
        std::vector<std::pair<QString, bool>> stored;
        const char* boxes;   // CBShowDialog, CBPrint, CBAccount
        bool defined;
    };
    const Case cases[] = {
        {{}, "000", false},
        {{{"PGs", true}}, "111", true},
        {{{"PGs", true}, {"PGoP", false}}, "100", false},
        {{{"PGoA", true}, {"UA", false}}, "001", false},
        {{{"PGoP", true}, {"PGoA", false}, {"UA", true}}, "010", true},
    };
    for (const Case& c : cases) {
        testenv::resetStore();
        for (const auto& [name, value] : c.stored)
            store(name, value);
        TPrintGo dialog(nullptr);
        QString boxes;
        for (const char* name : {"CBShowDialog", "CBPrint", "CBAccount"})
            boxes += control<QCheckBox>(&dialog, name)->isChecked() ? '1' : '0';
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(control<QCheckBox>(&dialog, "CBAccount")->isEnabled(), c.defined);
        EXPECT_EQ(control<QLabel>(&dialog, "StatusPanel0")->text(),
                  c.defined ? QString() : AccountingExport::kUndefined);
    }
    testenv::resetStore();
    TPrintGo dialog(nullptr);
    control<QCheckBox>(&dialog, "CBPrint")->click();
    control<QAction>(&dialog, "ActionCancel")->trigger();
    EXPECT_EQ(flags(), "---");
    control<QAction>(&dialog, "ActionOkay")->trigger();
    EXPECT_EQ(flags(), "010");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(AccountForm, TheFileChosenOrMadeIsWhereTheNextExportGoes)
{
    testenv::resetStore();
    const QString data = testenv::freshWorkDir();
    const QString other = testenv::root() + "/books";
    QDir().mkpath(other);
    ScriptedMessenger shown;
    MessengerScope scope(&shown);
    TAccountForm form(nullptr, data);
    EXPECT_EQ(control<QLineEdit>(&form, "EditBrowse")->text(), data);
    EXPECT_EQ(control<QLineEdit>(&form, "EditFileName")->text(), "ZyMAccount.afe");
    EXPECT_FALSE(control<QPushButton>(&form, "New")->isEnabled());
    control<QCheckBox>(&form, "CBUse")->click();
    EXPECT_TRUE(control<QPushButton>(&form, "New")->isEnabled());

    struct Step {
        const char* button;
        std::optional<QString> answer;   // the chosen file, the typed name
        bool yes;
        QString file;                    // the file shown and made afterwards
    };
    const Step steps[] = {
        {"New", "Ledger.txt", false, data + "/Ledger.afe"},
        {"Select", other + "/Year.afe", true, other + "/Year.afe"},
        {"Select", other + "/Declined.afe", false, other + "/Year.afe"},
        {"New", std::nullopt, false, other + "/Year.afe"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.button);
        if (QByteArray(s.button) == "New")
            shown.inputs.push_back(s.answer);
        else
            shown.files.push_back(*s.answer);
        shown.answers.push_back(s.yes);
        control<QPushButton>(&form, s.button)->click();
        const QString folder = control<QLineEdit>(&form, "EditBrowse")->text();
        EXPECT_EQ(folder + "/" + control<QLineEdit>(&form, "EditFileName")->text(), s.file);
        EXPECT_TRUE(QFileInfo::exists(s.file));
    }
    EXPECT_FALSE(QFileInfo::exists(other + "/Declined.afe"));
    EXPECT_TRUE(shown.errors().isEmpty());

    control<QAction>(&form, "ActionOkay")->trigger();
    store(Defs::kValAddToAccountFile, true);
    QString pending = "x\r", panel;
    EXPECT_EQ(AccountingExport::AppendToAccounts(pending, "Buy", "Cash", data, panel, QDateTime::currentDateTime()),
              AccountingExport::Outcome::Added);
    EXPECT_TRUE(testenv::readBytes(other + "/Year.afe").endsWith(",Buy,Cash,x\r"));
}
