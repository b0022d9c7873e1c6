// The keypad wiring of the main window, its key preview, and the log window and save.
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "Forms/THelpWindow.h"
#include "Forms/TTransLog.h"
#include "common/Controls.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
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
    QStringList log() const { return form->session().log().Lines(); }
    QToolButton* key(const char* name) const { return testenv::control<QToolButton>(form.get(), name); }
    QLabel* label(const char* name) const { return testenv::control<QLabel>(form.get(), name); }
    TTransLog* logWindow() const { return form->findChild<TTransLog*>("TransLog"); }
    THelpWindow* helpWindow() const { return form->findChild<THelpWindow*>("HelpWindow"); }

    ScriptedMessenger msgs;
    MessengerScope scope{&msgs};
    QString work;
    std::unique_ptr<TForm1> form;
};
} // namespace

TEST_F(KeypadTest, StartsClearedWithAnEmptyLog)
{
    EXPECT_EQ(label("calcdisplay")->text(), "0");
    EXPECT_TRUE(log().isEmpty());   // the Clear of the start is not kept
    EXPECT_EQ(form->session().calculator().LastAction, "cancel");
}

TEST_F(KeypadTest, OnScreenKeysDriveTheCalculator)
{
    click(key("key1"));
    click(key("key2"));
    EXPECT_EQ(label("calcdisplay")->text(), "12");
    click(key("keytimes"));
    click(key("key3"));
    click(key("keyequals"));
    EXPECT_EQ(label("calcdisplay")->text(), "36.00");
    EXPECT_EQ(log(), QStringList({"12", "x", "3", "---- Equals: 36.00"}));
    click(key("plusminus"));
    EXPECT_EQ(label("calcdisplay")->text(), "(36.00)");
}

TEST_F(KeypadTest, KeyPreviewMapsCharactersAndLocksUntilClear)
{
    type("5.");
    EXPECT_EQ(label("calcdisplay")->text(), "5.");
    EXPECT_FALSE(key("keydecimal")->isEnabled());
    type(".");   // the keyboard reaches the handler even with the key disabled
    EXPECT_EQ(label("calcdisplay")->text(), "Error ");
    EXPECT_FALSE(key("key5")->isEnabled());
    EXPECT_FALSE(key("rmode")->isEnabled());
    EXPECT_TRUE(key("keyclear")->isEnabled());
    EXPECT_TRUE(key("QuickPrint")->isEnabled());
    click(key("key5"));          // a locked key does nothing
    EXPECT_EQ(label("calcdisplay")->text(), "Error ");
    type("c");
    EXPECT_EQ(label("calcdisplay")->text(), "0");
    EXPECT_TRUE(key("key5")->isEnabled());
    EXPECT_EQ(log().last(), "----- CLEAR ------");
    type("8/0\r");
    EXPECT_EQ(label("calcdisplay")->text(), "Infinity Error");
    EXPECT_TRUE(key("keydecimal")->isEnabled());
    EXPECT_FALSE(key("keyplus")->isEnabled());
}

TEST_F(KeypadTest, KeypadHasNoFocusSoEnterIsOnlyEquals)
{
    click(key("key7"));
    type("+");
    click(key("key7"));
    QTest::keyClick(form.get(), Qt::Key_Return);
    EXPECT_EQ(label("calcdisplay")->text(), "14.00");   // a focused 7 would have typed again
    for (QToolButton* k : form->findChildren<QToolButton*>(QRegularExpression("^key\\d$")))
        EXPECT_EQ(k->focusPolicy(), Qt::NoFocus);
}

TEST_F(KeypadTest, LogWindowFollowsTheLogAndIsSingle)
{
    type("2+");
    form->command(Command::ViewTransactionLog)->trigger();
    TTransLog* first = logWindow();
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
    EXPECT_TRUE(logWindow());
    EXPECT_FALSE(first->isVisible());
    type("c");
    QCoreApplication::processEvents();
    EXPECT_TRUE(first->Memo1->toPlainText().endsWith("----- CLEAR ------"));

    QPointer<TTransLog> old = first;
    form->command(Command::ViewTransactionLog)->trigger();   // opening again replaces the window
    EXPECT_FALSE(old);
    EXPECT_EQ(form->findChildren<TTransLog*>().size(), 1);

    logWindow()->ActionClearExecute();
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(logWindow()->Memo1->toPlainText().isEmpty());
    type("4");
    type("+");
    QCoreApplication::processEvents();
    EXPECT_EQ(logWindow()->Memo1->toPlainText(), "4\n+");
}

TEST_F(KeypadTest, LogWindowKeepsEveryLineOfABurstInOrder)
{
    form->command(Command::ViewTransactionLog)->trigger();
    QPlainTextEdit* memo = logWindow()->Memo1;
    QStringList burst;
    for (int i = 0; i < 500; ++i) {
        burst << QString::number(i);
        form->session().log().AppendLine(burst.last());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(memo->toPlainText(), burst.join('\n'));
    EXPECT_EQ(memo->document()->blockCount(), 500);
    // Follows the newest line: the view ends at the bottom.
    EXPECT_EQ(memo->verticalScrollBar()->value(), memo->verticalScrollBar()->maximum());

    // Lines still waiting when the log is emptied are gone with it.
    form->session().log().AppendLine("dropped");
    logWindow()->ActionClearExecute();
    form->session().log().AppendLine("kept");
    QCoreApplication::processEvents();
    EXPECT_EQ(memo->toPlainText(), "kept");

    // A hidden window stays current as well.
    logWindow()->ActionOkayExecute();
    form->session().log().AppendLine("later");
    QCoreApplication::processEvents();
    EXPECT_EQ(memo->toPlainText(), "kept\nlater");
}

TEST_F(KeypadTest, SavingTheLogWritesLatin1WithCrLf)
{
    form->session().log().AppendLine("A");
    form->session().log().AppendLine(QString::fromLatin1("B\xe9"));
    msgs.files.push_back(work + "/day.tlg");
    form->command(Command::SaveTransactionLog)->trigger();
    ASSERT_EQ(msgs.texts(ScriptedMessenger::Kind::SaveFile), QStringList({"Save Transaction Log"}));
    EXPECT_EQ(testenv::readBytes(work + "/day.tlg"), QByteArray("A\r\nB\xe9\r\n"));

    form->command(Command::ViewTransactionLog)->trigger();
    logWindow()->ActionClearExecute();
    msgs.files.push_back(work + "/empty.tlg");
    form->command(Command::SaveTransactionLog)->trigger();
    QFile empty(work + "/empty.tlg");
    EXPECT_TRUE(empty.exists());
    EXPECT_EQ(empty.size(), 0);

    // Cancelled: nothing written, nothing said.
    form->command(Command::SaveTransactionLog)->trigger();
    EXPECT_TRUE(msgs.errors().isEmpty());
}

TEST_F(KeypadTest, AFailedSaveKeepsWhatWasThereAndSaysSo)
{
    // The chosen name is taken by a folder holding a file: the save fails, nothing is lost.
    QDir().mkpath(work + "/keep.tlg");
    testenv::writeBytes(work + "/keep.tlg/inside", "old");
    form->session().log().AppendLine("new");
    msgs.files.push_back(work + "/keep.tlg");
    form->command(Command::SaveTransactionLog)->trigger();
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_EQ(msgs.errors().at(0), "Cannot create file " + work + "/keep.tlg.");
    EXPECT_EQ(testenv::readBytes(work + "/keep.tlg/inside"), "old");
    EXPECT_EQ(log(), QStringList({"new"}));
}

TEST_F(KeypadTest, SaveIntoAMissingFolderFails)
{
    form->session().log().AppendLine("x");
    msgs.files.push_back(work + "/no/such/folder/x.tlg");
    form->command(Command::SaveTransactionLog)->trigger();
    ASSERT_EQ(msgs.errors().size(), 1);
    EXPECT_TRUE(msgs.errors().at(0).startsWith("Cannot create file "));
}

TEST_F(KeypadTest, KeypadIsTwentyFlatKeysOnRaisedPanelsWithTheirHints)
{
    const std::pair<QToolButton*, const char*> keys[] = {
        {key("key1"), "1"}, {key("key2"), "2"}, {key("key3"), "3"},
        {key("key4"), "4"}, {key("key5"), "5"}, {key("key6"), "6"},
        {key("key7"), "7"}, {key("key8"), "8"}, {key("key9"), "9"},
        {key("key0"), "0"}, {key("keydecimal"), "."}, {key("keyequals"), "="},
        {key("keyplus"), "+"}, {key("keyminus"), "-"}, {key("keytimes"), "x"}, {key("keydivide"), "/"},
        {key("plusminus"), "0"}, {key("rmode"), "Reverse Mode"}, {key("QuickPrint"), "Quick Print"},
        {key("keyclear"), "Clear"}};
    QSet<QToolButton*> distinct;
    for (const auto& [k, hint] : keys) {
        ASSERT_NE(k, nullptr) << hint;
        distinct.insert(k);
        EXPECT_EQ(k->toolTip(), hint) << k->objectName().toStdString();
        EXPECT_EQ(k->size(), QSize(34, 34)) << k->objectName().toStdString();
        EXPECT_TRUE(k->autoRaise()) << k->objectName().toStdString();
        auto* cell = qobject_cast<QFrame*>(k->parentWidget());
        ASSERT_NE(cell, nullptr) << k->objectName().toStdString();
        EXPECT_EQ(cell->frameShadow(), QFrame::Raised) << k->objectName().toStdString();
        EXPECT_EQ(cell->findChildren<QToolButton*>().size(), 1) << k->objectName().toStdString();
    }
    EXPECT_EQ(distinct.size(), 20);

    EXPECT_EQ(label("calcdisplay")->size(), QSize(140, 18));
    EXPECT_TRUE(label("calcdisplay")->autoFillBackground());
    EXPECT_EQ(label("calcdisplay")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(label("calcdisplay")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_NE(label("calcdisplay")->frameShape(), QFrame::NoFrame);
    const QPoint display = label("calcdisplay")->mapTo(form.get(), QPoint(0, 0));
    const QPoint code = label("displaycurrency")->mapTo(form.get(), QPoint(0, 0));
    EXPECT_GE(code.x(), display.x() + label("calcdisplay")->width());   // right of the display
}

TEST_F(KeypadTest, RLabelIsRedOnlyInReverseMode)
{
    form->session().state().reverseMode = true;
    form->session().state().announce();
    EXPECT_EQ(label("R")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    form->session().state().reverseMode = false;
    form->session().state().announce();
    EXPECT_EQ(label("R")->palette().color(QPalette::WindowText), form->palette().color(QPalette::Button));
}

TEST_F(KeypadTest, TypedCharactersStillReachTheFocusedControl)
{
    auto* edit = new QLineEdit(form->centralWidget());
    edit->show();
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "12+");
    EXPECT_EQ(edit->text(), "12+");
    EXPECT_EQ(label("calcdisplay")->text(), "12.00");
    EXPECT_EQ(log(), QStringList({"12", "+"}));   // each character reaches the map once
}

TEST_F(KeypadTest, AltWithALetterIsAMenuKeyNotACharacter)
{
    type("5");
    QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
    QTest::keyClick(form.get(), Qt::Key_7, Qt::AltModifier);
    EXPECT_EQ(label("calcdisplay")->text(), "5");
    EXPECT_TRUE(log().isEmpty());
    QTest::keyClick(form.get(), Qt::Key_P);
    EXPECT_EQ(label("calcdisplay")->text(), "(5.00)");
}

TEST_F(KeypadTest, LogWindowIsCentredWithItsToolBarPopupAndHelp)
{
    const QString help = work + "/help";
    QDir().mkpath(help);
    for (const QString& f : QDir(testenv::sourceDir() + "/share/help").entryList({"*.html"}))
        QFile::copy(testenv::sourceDir() + "/share/help/" + f, help + "/" + f);

    form->command(Command::ViewTransactionLog)->trigger();
    TTransLog* w = logWindow();
    ASSERT_TRUE(w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_FALSE(w->isModal());
    const QPoint offset = w->frameGeometry().center() - form->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);

    const QList<QAction*> order = {w->ActionClear, w->ActionPrint, w->ActionOkay, w->ActionHelp};
    EXPECT_EQ(w->ToolBar3->actions(), order);
    QStringList names;
    for (QAction* a : order)
        names << w->ToolBar3->widgetForAction(a)->objectName();
    EXPECT_EQ(names, QStringList({"Cancel", "TBHelp", "Okay", "ToolButton1"}));
    auto labels = [&] {
        QStringList out;
        for (QAction* a : order)
            out << static_cast<QToolButton*>(w->ToolBar3->widgetForAction(a))->text();
        return out;
    };
    EXPECT_EQ(labels(), QStringList({"Clear", "Print", "Okay", "Help"}));
    QStringList captions, hints;
    for (QAction* a : order) {
        captions << a->text();
        hints << a->toolTip();
    }
    EXPECT_EQ(captions, QStringList({"Clear", "ActionPrint", "ActionOkay", "ActionHelp"}));
    EXPECT_EQ(hints, QStringList({"Clear", "Print", "Okay", "Help"}));
    EXPECT_EQ(w->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const QList<QAction*> items = w->PopupMenu1->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->objectName(), "Clear1");
    EXPECT_EQ(items[1]->objectName(), "ActionPrint1");
    // The items run their actions and follow their state.
    form->session().log().AppendLine("x");
    items[0]->trigger();
    EXPECT_TRUE(log().isEmpty());
    w->ActionPrint->setEnabled(true);
    EXPECT_TRUE(items[1]->isEnabled());
    w->ActionPrint->setEnabled(false);
    EXPECT_FALSE(items[1]->isEnabled());
    EXPECT_EQ(labels(), QStringList({"Clear", "Print", "Okay", "Help"}));   // kept through the change

    w->ActionHelp->trigger();
    ASSERT_TRUE(helpWindow());
    EXPECT_EQ(helpWindow()->currentTopic(), "IDH_transactionlog");
}

namespace {
// Keeps what the save dialog was asked to show.
class DialogRecorder : public ScriptedMessenger {
public:
    QString saveFileName(const FileDialog& dialog) override
    {
        asked.push_back(dialog);
        return ScriptedMessenger::saveFileName(dialog);
    }
    std::vector<FileDialog> asked;
};
} // namespace

TEST_F(KeypadTest, SaveDialogAsksForATlgFileInTheCurrentFolder)
{
    DialogRecorder rec;
    MessengerScope use(&rec);
    form->command(Command::SaveTransactionLog)->trigger();   // cancelled
    ASSERT_EQ(rec.asked.size(), 1u);
    const Messenger::FileDialog& d = rec.asked.front();
    EXPECT_EQ(d.title, "Save Transaction Log");
    EXPECT_EQ(d.filter, "Transaction Log (*.tlg *.TLG)");
    EXPECT_EQ(d.defaultSuffix, "tlg");
    EXPECT_TRUE(d.confirmOverwrite);
    EXPECT_EQ(QDir(d.directory).canonicalPath(), QDir::current().canonicalPath());
    EXPECT_TRUE(rec.errors().isEmpty());
}
