// The print preview of a 10,000-line transaction log, in the main window offscreen: from
// the key (Ctrl+Alt+H) to the first page painted, which takes in the preparation of the
// report, its layout over about 150 pages and the viewer's window; then paging to the
// last page, to that page painted.
#include "BenchEnv.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "Forms/TQuickReportViewer.h"
#include "support/Messenger.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// Watches for the first paint of the preview's page, then measures paging to the last page
// and closes the preview.
class Probe : public QObject {
public:
    QElapsedTimer clock;
    std::vector<double> open, last;
    QString status;   // on the last page

protected:
    bool eventFilter(QObject* obj, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || obj->objectName() != QLatin1String("QRPreviewPage") || painted_)
            return false;
        painted_ = true;
        // Queued: it runs once this paint has finished.
        QTimer::singleShot(0, this, [this, page = static_cast<QWidget*>(obj)] {
            open.push_back(clock.nsecsElapsed() / 1e6);
            auto* viewer = static_cast<TQuickReportViewer*>(page->window());
            QElapsedTimer t;
            t.start();
            viewer->LastClick();
            page->repaint();
            last.push_back(t.nsecsElapsed() / 1e6);
            status = viewer->findChild<QLabel*>(QStringLiteral("StatusBar"))->text();
            viewer->close();
        });
        return false;
    }

public:
    void arm()
    {
        painted_ = false;
        clock.start();
    }

private:
    bool painted_ = false;
};

void report(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %7.2f ms  best %7.2f ms  (%zu runs)\n", what, ms[ms.size() / 2], ms.front(),
                ms.size());
}
} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    bench::useWindowEnvironmentIn(root);
    QDir::setCurrent(root.path());
    QApplication app(argc, argv);
    ScriptedMessenger quiet;
    MessengerScope scope(&quiet);

    TForm1 form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::printf("the main window was not shown\n");
        return 1;
    }
    for (int i = 1; i <= 10000; ++i)
        form.session().log().AppendLine(QStringLiteral("%1.00 Euros(EUR) Converts to %2.00 Leke (ALL)").arg(i).arg(i * 97));

    Probe probe;
    app.installEventFilter(&probe);
    constexpr int kRuns = 15;
    for (int r = 0; r < kRuns; ++r) {
        // The closed preview took the activation with it.
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form)) {
            std::printf("the main window was not active again\n");
            return 1;
        }
        probe.arm();
        QTest::keyClick(&form, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
    }
    if (probe.open.size() != kRuns) {
        std::printf("the preview did not paint its page (%zu of %d runs)\n", probe.open.size(), kRuns);
        return 1;
    }
    std::printf("last page: %s\n", qPrintable(probe.status));
    report("10,000-line log: key to first page painted", probe.open);
    report("10,000-line log: paging to the last page", probe.last);
    return 0;
}
