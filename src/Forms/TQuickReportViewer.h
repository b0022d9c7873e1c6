#pragma once
// The print preview: shows prepared pages with zoom and paging, prints them, saves them as
// a report file or exports them, and opens a saved report file. A preview command creates
// one, ShowReport returns when the operator closes it, and the command then destroys it.
#include "report/PreviewState.h"
#include "report/ReportPages.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QEventLoop;
class QLabel;
class QSlider;
class QToolBar;
class PreviewArea;

class TQuickReportViewer : public QMainWindow {
    Q_OBJECT
public:
    // Prints a page set on the current printer, telling the operator of any failure.
    using PrintPages = std::function<void(const Report::PageSet& pages)>;

    TQuickReportViewer(QWidget* owner, PrintPages print);
    ~TQuickReportViewer() override;

    // Shows the pages and returns when the operator closes the viewer; the program's other
    // windows keep working meanwhile. The pages must outlive the viewer.
    void ShowReport(const Report::PageSet& pages);
    // Connects the preview to the pages: page 1, Fit Width, Save enabled.
    void PrepareViewer(const Report::PageSet& pages);

    void FitClick(bool fromButton = true);
    void ZoomChange(int position);
    void QRPreviewResize();
    void FirstClick();
    void PreviousClick();
    void NextClick();
    void LastClick();
    void PrintClick();
    void LoadReportClick();
    void SaveReportClick();
    void ExitClick() { close(); }

    const Report::PageSet* shownPages() const { return pages_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildActions();
    void buildToolBar();
    void buildMenus();
    // Detaches the page set shown, which ends the preview.
    void detach();
    void connectPages(const Report::PageSet* pages);
    // Shows the current page, its status and which way the operator can page.
    void pageChanged();
    void zoomChanged();

    PrintPages print_;
    const Report::PageSet* pages_ = nullptr;
    std::unique_ptr<Report::PageSet> own_;   // a report file opened here
    Report::PreviewState state_;
    QEventLoop* loop_ = nullptr;
    bool placed_ = false;

    PreviewArea* QRPreview = nullptr;
    QLabel* StatusBar = nullptr;
    QSlider* Zoom = nullptr;
    QLabel* Zoom_Label = nullptr;
    QToolBar* ToolBar = nullptr;
    QAction *FitAll = nullptr, *FitWidth = nullptr, *Previous = nullptr, *First = nullptr, *Last = nullptr,
            *Next = nullptr, *LoadReport = nullptr, *SaveReport = nullptr, *Print = nullptr, *Exit = nullptr,
            *Help = nullptr;
};
