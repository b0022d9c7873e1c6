// A settings dialog whose save fails on a full disk: one message each time Okay is pressed,
// the dialog's own (the store's where it has none), and the dialog stays open as typed.
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
    const QString folder = testenv::freshWorkDir(), store = "Settings cannot be saved to " + testenv::storeFile();
    CommissionTable table;
    const struct {
        std::function<VemoxDialog*()> open;
        const char* edit;   // a box typed in before Okay, if any
        QString says;       // how the one message starts
    } dialogs[] = {
        {[] { return new TPrintOptions(); }, "EditTitle", TPrintOptions::kWriteError},
        {[&] { return new TCurrencyForm({QPixmap(), "Unt. Kingdom", "GBP"}, table); }, "", TCurrencyForm::kWriteError},
        {[] { return new Tproxyform(); }, "address", "Incorrect Server or Port settings"},
        {[] { return new TPrintGo(nullptr); }, "", store},
        {[] { return new Tdateform(nullptr); }, "", store},
        {[&] { return new TAccountForm(nullptr, folder); }, "EditFileName", store},
    };
    for (const auto& d : dialogs) {
        testenv::resetStore();
        ScriptedMessenger shown;
        MessengerScope scope(&shown);
        std::unique_ptr<VemoxDialog> dialog(d.open());
        SCOPED_TRACE(dialog->objectName().toStdString());
        auto* edit = *d.edit ? testenv::control<QLineEdit>(dialog.get(), d.edit) : nullptr;
        if (edit)
            edit->setText("typed");
        for (int press = 0; press < 2; ++press) {
            testenv::FullDisk full;
            testenv::control<QAction>(dialog.get(), "ActionOkay")->trigger();
        }
        ASSERT_EQ(shown.shown.size(), 2u);
        for (const auto& message : shown.shown)
            EXPECT_TRUE(message.text.startsWith(d.says)) << message.text.toStdString();
        EXPECT_NE(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(!edit || edit->text() == "typed");
    }
    testenv::resetStore();
}
