// The print preview: its edge cases, its menus, and the wait for its closing.
#include "Forms/TForm1.h"
#include "Forms/TQuickReportViewer.h"
#include "Forms/main/Commands.h"
#include "common/Controls.h"
#include "common/ReportFixture.h"
#include "common/TestEnv.h"
#include "support/Messenger.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using testenv::control;

namespace {
QString status(const QWidget& v) { return control<QLabel>(&v, "StatusBar")->text(); }
bool enabled(const QWidget& v, const char* name) { return control<QToolButton>(&v, name)->isEnabled(); }
void click(const QWidget& v, const char* name) { control<QToolButton>(&v, name)->click(); }
} // namespace

TEST(ReportViewer, EdgeCases)
{
    const QString dir = testenv::freshWorkDir();
    ScriptedMessenger m;
    MessengerScope scope(&m);
    const Report::PageSet receipt = testenv::preparedPages(TQuickReport1::CustomerReceipt);
    TQuickReportViewer v(nullptr, {});
    v.PrepareViewer(receipt);
    v.show();

    EXPECT_EQ(status(v), "Page 1 of 1");
    for (const char* name : {"First", "Previous", "Next", "Last"})
        EXPECT_FALSE(enabled(v, name)) << name;

    ASSERT_TRUE(control<QToolButton>(&v, "FitWidth")->isChecked());
    control<QSlider>(&v, "Zoom")->setValue(150);
    EXPECT_FALSE(control<QToolButton>(&v, "FitWidth")->isChecked());
    EXPECT_EQ(control<QLabel>(&v, "Zoom_Label")->text(), "150 %");

    const QString refused = "Wrong file extension\nThe file extension given does not match the format selected.";
    for (auto [name, format] : {std::pair{"receipt.txt", 0}, std::pair{"log.2003.txt", 1}}) {
        m.files.push_back(dir + "/" + name);
        m.filters.push_back(format);
        click(v, "SaveReport");
        EXPECT_EQ(m.texts(ScriptedMessenger::Kind::MessageBox).value(0), refused) << name;
        EXPECT_FALSE(QFile::exists(dir + "/" + name)) << name;
        m.clear();
    }

    m.files.push_back(dir + "/receipt.QRP");
    click(v, "SaveReport");
    ASSERT_TRUE(QFile::exists(dir + "/receipt.QRP"));
    m.files.push_back(dir + "/receipt.QRP");
    click(v, "LoadReport");
    EXPECT_EQ(*v.shownPages(), receipt);
    EXPECT_FALSE(enabled(v, "SaveReport"));

    // A file that is not a report is refused, and the preview stays as it was.
    testenv::writeBytes(dir + "/other.QRP", "not a report");
    const Report::PageSet* before = v.shownPages();
    m.files.push_back(dir + "/other.QRP");
    click(v, "LoadReport");
    EXPECT_EQ(m.errors().size(), 1u);
    EXPECT_EQ(v.shownPages(), before);
}

TEST(ReportViewer, MenuItemsRunTheToolBarCommands)
{
    testenv::freshWorkDir();
    const Report::PageSet log = testenv::preparedPages(TQuickReport1::TransactionLogReport, testenv::numberedLines(200));
    ASSERT_GE(log.pages.size(), 3);
    TQuickReportViewer v(nullptr, {});
    v.PrepareViewer(log);
    const QString count = QString::number(log.pages.size());
    const struct {
        const char* item;
        QString status;
    } steps[] = {{"LastPage1", "Page " + count + " of " + count},
                 {"PreviousPage1", QStringLiteral("Page %1 of %2").arg(log.pages.size() - 1).arg(count)},
                 {"FirstPage1", "Page 1 of " + count},
                 {"NextPage1", "Page 2 of " + count}};
    for (const auto& s : steps) {
        control<QAction>(&v, s.item)->trigger();
        EXPECT_EQ(status(v), s.status) << s.item;
    }
    control<QAction>(&v, "FittoScreen1")->trigger();
    EXPECT_TRUE(control<QToolButton>(&v, "FitAll")->isChecked());
    EXPECT_FALSE(control<QToolButton>(&v, "FitWidth")->isChecked());

    // The focused zoom bar takes Page Up: it zooms a page step, the page stays.
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    auto* zoom = control<QSlider>(&v, "Zoom");
    zoom->setFocus();
    const int before = zoom->value();
    QTest::keyClick(zoom, Qt::Key_PageUp);
    EXPECT_EQ(zoom->value(), before + 20);
    EXPECT_EQ(status(v), "Page 2 of " + count);
}

TEST(ReportViewer, ShowReportReturnsWhenClosedWhileOtherWindowsWork)
{
    testenv::freshWorkDir();
    const Report::PageSet receipt = testenv::preparedPages(TQuickReport1::CustomerReceipt);
    QPushButton other;
    other.show();
    int clicks = 0;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++clicks; });
    TQuickReportViewer v(nullptr, {});
    QTimer::singleShot(0, [&] {
        other.click();
        click(v, "Exit");
    });
    v.ShowReport(receipt);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(v.shownPages(), nullptr);
}

TEST(ReportViewer, ClosingTheMainWindowEndsThePreview)
{
    testenv::resetStore();
    testenv::freshWorkDir();
    testenv::installSampleData();
    TForm1 form;
    form.show();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = form.findChild<TQuickReportViewer*>()->isVisible();
        form.close();
    });
    form.command(Command::PreviewTransactionLog)->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(form.findChild<TQuickReportViewer*>(), nullptr);
}
