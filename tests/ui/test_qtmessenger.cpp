// The real message boxes: caption, icon, buttons and the default button of each kind,
// read from the box while it is open and then answered as an operator would.
#include "Defs.h"
#include "Forms/QtMessenger.h"
#include "common/TestEnv.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Seen {
    bool found = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Waits for the modal box, records it, then answers it with `answer` (or Escape).
void inspectNextBox(Seen& seen, QMessageBox::StandardButton answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, &seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        seen.found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (auto* d = box->defaultButton())
            seen.defaultButton = box->standardButton(d);
        if (answer == QMessageBox::NoButton)
            box->reject();
        else
            box->button(answer)->click();
    });
    timer->start();
}

class QtMessengerTest : public ::testing::Test {
protected:
    QtMessenger qt;
    Seen seen;
};

} // namespace

TEST_F(QtMessengerTest, ErrorBoxHasTitleStopIconOkAndTheFullStop)
{
    inspectNextBox(seen, QMessageBox::Ok);
    qt.errorBox("Error: Missing Currency.dat file");
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, Defs::kAppTitle);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.text, "Error: Missing Currency.dat file.");
}

TEST_F(QtMessengerTest, MessageDialogsAndPlainBoxes)
{
    inspectNextBox(seen, QMessageBox::Ok);
    qt.messageDialog("Enter a rate", Messenger::Icon::Information);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.text, "Enter a rate");   // validation texts stand as given

    seen = {};
    inspectNextBox(seen, QMessageBox::Ok);
    qt.messageDialog("Bad value", Messenger::Icon::Error);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);

    seen = {};
    inspectNextBox(seen, QMessageBox::Ok);
    qt.messageBox("Error: Unable to Execute Browser Launch");
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, Defs::kAppTitle);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.text, "Error: Unable to Execute Browser Launch");
}

TEST_F(QtMessengerTest, ConfirmationDefaultsToCancel)
{
    inspectNextBox(seen, QMessageBox::Ok);
    EXPECT_TRUE(qt.confirm("Clear all folders?"));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Cancel);

    inspectNextBox(seen, QMessageBox::Cancel);
    EXPECT_FALSE(qt.confirm("Clear all folders?"));
    inspectNextBox(seen, QMessageBox::NoButton);   // Escape counts as Cancel
    EXPECT_FALSE(qt.confirm("Clear all folders?"));
}

TEST_F(QtMessengerTest, YesNoQuestion)
{
    inspectNextBox(seen, QMessageBox::No);
    EXPECT_FALSE(qt.askYesNo("Update from the web?", Messenger::Icon::Question));
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    inspectNextBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(qt.askYesNo("Update from the web?", Messenger::Icon::Question));
}

TEST_F(QtMessengerTest, InputBoxGivesTheTextOrNothing)
{
    auto answerInput = [](const QString& text, bool accept, QString* caption) {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [=] {
            auto* dlg = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            timer->stop();
            timer->deleteLater();
            *caption = dlg->windowTitle() + "|" + dlg->labelText() + "|" + dlg->textValue();
            dlg->setTextValue(text);
            accept ? dlg->accept() : dlg->reject();
        });
        timer->start();
    };
    QString caption;
    answerInput("Europe 2", true, &caption);
    EXPECT_EQ(qt.inputBox("Folder Name", "Name of the folder", "5"), std::optional<QString>("Europe 2"));
    EXPECT_EQ(caption, "Folder Name|Name of the folder|5");
    answerInput("ignored", false, &caption);
    EXPECT_EQ(qt.inputBox("Folder Name", "Name of the folder", "5"), std::nullopt);
}
