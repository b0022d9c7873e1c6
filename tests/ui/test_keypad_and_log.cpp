// The keypad wiring of the main window, its key preview, and the log window and save.
#include "Forms/TForm1.h"
#include "Forms/TTransLog.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class KeypadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetStore();
        work = testenv::freshWorkDir();
        testenv::installSampleData();
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void click(QToolButton* k) { QTest::mouseClick(k, Qt::LeftButton); }
    void type(const char* keys) { QTest::keyClicks(form.get(), QString::fromLatin1(keys)); }
    QStringList log() const { return form->TransactionLog->Lines(); }

    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    QString work;
    std::unique_ptr<TForm1> form;
};
} // namespace

TEST_F(KeypadTest, StartsClearedWithAnEmptyLog)
{
    EXPECT_EQ(form->calcdisplay->text(), "0");
    EXPECT_TRUE(log().isEmpty());   // the Clear of the start is not kept
    EXPECT_EQ(form->Calc->LastAction, "cancel");
}

TEST_F(KeypadTest, OnScreenKeysDriveTheCalculator)
{
    click(form->keyDigits[1]);
    click(form->keyDigits[2]);
    EXPECT_EQ(form->calcdisplay->text(), "12");
    click(form->keytimes);
    click(form->keyDigits[3]);
    click(form->keyequals);
    EXPECT_EQ(form->calcdisplay->text(), "36.00");
    EXPECT_EQ(log(), QStringList({"12", "x", "3", "---- Equals: 36.00"}));
    click(form->plusminus);
    EXPECT_EQ(form->calcdisplay->text(), "(36.00)");
}

TEST_F(KeypadTest, KeyPreviewMapsCharactersAndLocksUntilClear)
{
    type("5.");
    EXPECT_EQ(form->calcdisplay->text(), "5.");
    EXPECT_FALSE(form->keydecimal->isEnabled());
    type(".");   // the keyboard reaches the handler even with the key disabled
    EXPECT_EQ(form->calcdisplay->text(), "Error ");
    EXPECT_FALSE(form->keyDigits[5]->isEnabled());
    EXPECT_FALSE(form->rmode->isEnabled());
    EXPECT_TRUE(form->keyclear->isEnabled());
    EXPECT_TRUE(form->QuickPrint->isEnabled());
    click(form->keyDigits[5]);          // a locked key does nothing
    EXPECT_EQ(form->calcdisplay->text(), "Error ");
    type("c");
    EXPECT_EQ(form->calcdisplay->text(), "0");
    EXPECT_TRUE(form->keyDigits[5]->isEnabled());
    EXPECT_EQ(log().last(), "----- CLEAR ------");
    type("8/0\r");
    EXPECT_EQ(form->calcdisplay->text(), "Infinity Error");
    EXPECT_TRUE(form->keydecimal->isEnabled());
    EXPECT_FALSE(form->keyplus->isEnabled());
}

TEST_F(KeypadTest, KeypadHasNoFocusSoEnterIsOnlyEquals)
{
    click(form->keyDigits[7]);
    type("+");
    click(form->keyDigits[7]);
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(form->calcdisplay->text(), "14.00");   // a focused 7 would have typed again
    for (QToolButton* k : form->keyDigits)
        EXPECT_EQ(k->focusPolicy(), Qt::NoFocus);
}

TEST_F(KeypadTest, LogWindowFollowsTheLogAndIsSingle)
{
    type("2+");
    form->TransactionLog1Click();
    TTransLog* first = form->TransLog;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Transaction Log");
    EXPECT_EQ(first->size(), QSize(608, 399));
    EXPECT_TRUE(first->Memo1->isReadOnly());
    EXPECT_EQ(first->Memo1->toPlainText(), "2\n+");
    type("3\r");
    // The lines of one key reach the memo together on the next event-loop turn.
    QCoreApplication::processEvents();
    EXPECT_EQ(first->Memo1->toPlainText(), "2\n+\n3\n---- Equals: 5.00");
    EXPECT_EQ(first->ActionClear->shortcut(), QKeySequence("Ctrl+Alt+C"));
    EXPECT_EQ(first->ActionPrint->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(first->ActionOkay->shortcut(), QKeySequence("F7"));
    EXPECT_EQ(first->ActionHelp->shortcut(), QKeySequence("F3"));

    first->ActionOkayExecute();     // closing only hides
    EXPECT_TRUE(form->TransLog);
    EXPECT_FALSE(first->isVisible());
    type("c");
    QCoreApplication::processEvents();
    EXPECT_TRUE(first->Memo1->toPlainText().endsWith("----- CLEAR ------"));

    QPointer<TTransLog> old = first;
    form->TransactionLog1Click();   // opening again replaces the window
    EXPECT_FALSE(old);
    EXPECT_EQ(form->findChildren<TTransLog*>().size(), 1);

    form->TransLog->ActionClearExecute();
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(form->TransLog->Memo1->toPlainText().isEmpty());
    type("4");
    type("+");
    QCoreApplication::processEvents();
    EXPECT_EQ(form->TransLog->Memo1->toPlainText(), "4\n+");
}

TEST_F(KeypadTest, LogWindowKeepsEveryLineOfABurstInOrder)
{
    form->TransactionLog1Click();
    QPlainTextEdit* memo = form->TransLog->Memo1;
    QStringList burst;
    for (int i = 0; i < 500; ++i) {
        burst << QString::number(i);
        form->AppendLine(burst.last());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(memo->toPlainText(), burst.join('\n'));
    EXPECT_EQ(memo->document()->blockCount(), 500);
    // Follows the newest line: the view ends at the bottom.
    EXPECT_EQ(memo->verticalScrollBar()->value(), memo->verticalScrollBar()->maximum());

    // Lines still waiting when the log is emptied are gone with it.
    form->AppendLine("dropped");
    form->TransLog->ActionClearExecute();
    form->AppendLine("kept");
    QCoreApplication::processEvents();
    EXPECT_EQ(memo->toPlainText(), "kept");

    // A hidden window stays current as well.
    form->TransLog->ActionOkayExecute();
    form->AppendLine("later");
    QCoreApplication::processEvents();
    EXPECT_EQ(memo->toPlainText(), "kept\nlater");
}

TEST_F(KeypadTest, SavingTheLogWritesLatin1WithCrLf)
{
    form->AppendLine("A");
    form->AppendLine(QString::fromLatin1("B\xe9"));
    msgs.files.push_back(work + "/day.tlg");
    form->SaveTransactionLog1Click();
    ASSERT_EQ(msgs.texts(ScriptedMessenger::Kind::SaveFile), QStringList({"Save Transaction Log"}));
    EXPECT_EQ(testenv::readBytes(work + "/day.tlg"), QByteArray("A\r\nB\xe9\r\n"));

    form->TransactionLog->Clear();
    msgs.files.push_back(work + "/empty.tlg");
    form->SaveTransactionLog1Click();
    QFile empty(work + "/empty.tlg");
    EXPECT_TRUE(empty.exists());
    EXPECT_EQ(empty.size(), 0);

    // Cancelled: nothing written, nothing said.
    form->SaveTransactionLog1Click();
    EXPECT_TRUE(msgs.errors().isEmpty());
}

TEST_F(KeypadTest, AFailedSaveKeepsWhatWasThereAndSaysSo)
{
    // The chosen name is taken by a folder holding a file: the save fails, nothing is lost.
    QDir().mkpath(work + "/keep.tlg");
    testenv::writeBytes(work + "/keep.tlg/inside", "old");
    form->AppendLine("new");
    msgs.files.push_back(work + "/keep.tlg");
    form->SaveTransactionLog1Click();
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_EQ(msgs.errors().at(0), "Cannot create file " + work + "/keep.tlg.");
    EXPECT_EQ(testenv::readBytes(work + "/keep.tlg/inside"), "old");
    EXPECT_EQ(log(), QStringList({"new"}));
}

TEST_F(KeypadTest, SaveIntoAMissingFolderFails)
{
    form->AppendLine("x");
    msgs.files.push_back(work + "/no/such/folder/x.tlg");
    form->SaveTransactionLog1Click();
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_TRUE(msgs.errors().at(0).startsWith("Cannot create file "));
}
