// The printing commands of the main window, each reached by its shortcut: what it opens or
// asks. The pages themselves are proved in the report's own tests.
#include "Forms/TForm1.h"
#include "Forms/TTransLog.h"
#include "Forms/common/DialogKit.h"
#include "common/TestEnv.h"
#include "report/ReportPrinting.h"
#include "support/Messenger.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Notes a print preview as it shows, and closes it.
struct ShowSpy : QObject {
    explicit ShowSpy(QStringList& seen) : seen_(seen) {}
    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (e->type() == QEvent::Show && obj->objectName() == "QuickReportViewer") {
            seen_ << obj->objectName();
            QTimer::singleShot(0, static_cast<QWidget*>(obj), &QWidget::close);
        }
        return false;
    }
    QStringList& seen_;
};

TEST(PrintCommandsTest, EachShortcutOpensItsWindowOrPrintsItsReport)
{
    testenv::resetStore();
    testenv::freshWorkDir();
    testenv::installSampleData();
    ScriptedMessenger messages;
    MessengerScope scope{&messages};
    TForm1 form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QStringList opened;
    setModalRunner([&](QDialog& d) { opened << d.objectName(); return int(QDialog::Rejected); });
    // The print preview waits for its closing: it is noted and closed once it shows.
    ShowSpy previews(opened);
    qApp->installEventFilter(&previews);
    struct Row {
        const char* keys;
        QString dialog;      // the modal window it opens, if any
        bool offersPdf;      // with no printer: the offer of a PDF file
    };
    const Row rows[] = {{"Ctrl+N", "QuickReportViewer", false}, {"Ctrl+Alt+H", "QuickReportViewer", false},
                        {"Ctrl+P", "", true},               {"Ctrl+R", "", true},
                        {"Ctrl+H", "PrintOptions", false},  {"F12", "PrinterSetupDialog", false}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.keys);
        opened.clear();
        messages.shown.clear();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keySequence(&form, QKeySequence(QString::fromLatin1(r.keys)));
        EXPECT_EQ(opened, r.dialog.isEmpty() ? QStringList{} : QStringList{r.dialog});
        EXPECT_EQ(messages.texts(ScriptedMessenger::Kind::YesNo),
                  r.offersPdf ? QStringList{Report::ReportPrinter::kNoPrinter} : QStringList{});
    }
    // The log window's Print prints the log report.
    form.command(Command::ViewTransactionLog)->trigger();
    messages.shown.clear();
    form.findChild<TTransLog*>("TransLog")->ActionPrint->trigger();
    EXPECT_EQ(messages.texts(ScriptedMessenger::Kind::YesNo), QStringList{Report::ReportPrinter::kNoPrinter});
    setModalRunner([](QDialog&) { return int(QDialog::Rejected); });
    form.close();
}

struct ProposingMessenger : ScriptedMessenger {   // notes the name each file chooser proposes
    QString saveFileName(const FileDialog& d) override { proposed << d.directory; return ScriptedMessenger::saveFileName(d); }
    QStringList proposed;
};
TEST(PrintCommandsTest, WithAFileForPrinterEachPrintAsksForItsFileAndTheStatusBarSaysWhere)
{
    const QString dir = testenv::freshWorkDir(), files[] = {dir + "/chosen.pdf", dir + "/log.pdf"};
    ProposingMessenger messages;
    MessengerScope scope{&messages};
    messages.files = {files[0], files[1]};
    TForm1 form;
    setModalRunner([&](QDialog& d) {   // Printer Setup: "Print to File (PDF)"
        static_cast<QPrintDialog&>(d).printer()->setOutputFileName(files[0]);
        return int(QDialog::Accepted);
    });
    form.command(Command::PrinterSetup)->trigger();
    setModalRunner([](QDialog&) { return int(QDialog::Rejected); });
    form.command(Command::PrintCustomerReceipt)->trigger();
    EXPECT_EQ(form.findChild<QLabel*>("StatusPanel2")->text(), "Saved as " + files[0]);
    form.command(Command::PrintTransactionLog)->trigger();
    EXPECT_EQ(form.findChild<QLabel*>("StatusPanel2")->text(), "Saved as " + files[1]);
    // The second print proposes a name of its own, not the file the first one wrote.
    EXPECT_EQ(messages.proposed, QStringList({files[0], dir + "/chosen-2.pdf"}));
}

} // namespace
