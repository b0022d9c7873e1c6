// Every settings dialog whose save fails on a store that cannot be written: one message,
// the dialog's own (or the store's, for a dialog that has none), each time Okay is pressed,
// and the dialog stays open with what was typed.
#include "Forms/TAccountForm.h"
#include "Forms/TCurrencyForm.h"
#include "Forms/TPrintGo.h"
#include "Forms/TPrintOptions.h"
#include "Forms/Tdateform.h"
#include "Forms/Tproxyform.h"
#include "calc/CommissionTable.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"

#include <QAction>
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>

TEST(DialogSaves, AFailedSaveIsToldOnceInTheDialogsWordsAndTheDialogStaysOpen)
{
    const QString folder = testenv::freshWorkDir();
    CommissionTable table;
    const QString store = "Settings cannot be saved to " + testenv::storeFile();
    const struct {
        const char* name;
        std::function<VemoxDialog*()> open;
        const char* edit;   // a box typed in before Okay; null: none
        QString says;       // the start of the one message
    } dialogs[] = {
        {"banner", [] { return new TPrintOptions(); }, "EditTitle", TPrintOptions::kWriteError},
        {"commission", [&] { return new TCurrencyForm({QPixmap(), "Unt. Kingdom", "GBP"}, table); }, nullptr,
         TCurrencyForm::kWriteError},
        {"proxy", [] { return new Tproxyform(); }, "address", "Incorrect Server or Port settings"},
        {"print or export", [] { return new TPrintGo(nullptr); }, nullptr, store},
        {"date and number formats", [] { return new Tdateform(nullptr); }, nullptr, store},
        {"account file", [&] { return new TAccountForm(nullptr, folder); }, "EditFileName", store},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        testenv::resetStore();
        ScriptedMessenger shown;
        MessengerScope scope(&shown);
        std::unique_ptr<VemoxDialog> dialog(d.open());
        dialog->show();
        if (d.edit)
            testenv::control<QLineEdit>(dialog.get(), d.edit)->setText("typed");
        // Twice: a second failure is told as the first was.
        for (int press = 0; press < 2; ++press) {
            {
                testenv::FullDisk full;
                testenv::control<QAction>(dialog.get(), "ActionOkay")->trigger();
            }
            QStringList texts;
            for (const auto& e : shown.shown)
                texts << e.text;
            ASSERT_EQ(texts.size(), 1) << texts.join(" | ").toStdString();
            EXPECT_TRUE(texts.front().startsWith(d.says)) << texts.front().toStdString();
            shown.clear();
        }
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        if (d.edit) {
            EXPECT_EQ(testenv::control<QLineEdit>(dialog.get(), d.edit)->text(), "typed");
        }
    }
    testenv::resetStore();
}
