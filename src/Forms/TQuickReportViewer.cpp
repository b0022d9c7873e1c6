#include "Forms/TQuickReportViewer.h"
#include "Forms/Placement.h"
#include "Forms/PreviewArea.h"
#include "Forms/common/DialogKit.h"
#include "Forms/main/Glyphs.h"
#include "report/ReportExport.h"
#include "report/ReportFile.h"
#include "support/Translate.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {
// Restores the cursor on every path out of a long step.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
} // namespace

TQuickReportViewer::TQuickReportViewer(QWidget* owner, PrintPages print)
    : QMainWindow(owner, Qt::Window), print_(std::move(print))
{
    setObjectName(QStringLiteral("QuickReportViewer"));
    setWindowTitle(tr("Print Preview"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(760, 860);

    QRPreview = new PreviewArea(this);
    setCentralWidget(QRPreview);
    StatusBar = named(new QLabel(tr("Page ? of ?"), this), QStringLiteral("StatusBar"));
    // Permanent, so that no passing message covers the page number.
    statusBar()->addPermanentWidget(StatusBar, 1);

    buildActions();
    buildToolBar();
    buildMenus();
    connect(QRPreview, &PreviewArea::resized, this, &TQuickReportViewer::QRPreviewResize);
    SaveReport->setEnabled(false);
    pageChanged();
    FitClick(false);
}

TQuickReportViewer::~TQuickReportViewer() = default;

void TQuickReportViewer::buildActions()
{
    const auto act = [this](const char* name, const char* caption, const char* key, const char* hint) {
        QAction* a = makeAction(this, QString::fromLatin1(name), tr(caption), QString::fromLatin1(key),
                                tr(hint));
        // Hints show as tool tips; the status bar keeps the page number.
        a->setStatusTip(QString());
        return a;
    };
    FitAll = act("ActionFitAll", QT_TR_NOOP("Fit All"), "", QT_TR_NOOP("Fit to screen"));
    FitWidth = act("ActionFitWidth", QT_TR_NOOP("Fit Width"), "", QT_TR_NOOP("Fit Width"));
    Previous = act("ActionPrevious", QT_TR_NOOP("&Previous Page"), "PgUp", QT_TR_NOOP("Previous Page"));
    First = act("ActionFirst", QT_TR_NOOP("Fir&st Page"), "Ctrl+Home", QT_TR_NOOP("First Page"));
    Last = act("ActionLast", QT_TR_NOOP("&Last Page"), "Ctrl+End", QT_TR_NOOP("Last Page"));
    Next = act("ActionNext", QT_TR_NOOP("&Next Page"), "PgDown", QT_TR_NOOP("Next Page"));
    LoadReport = act("ActionLoadReport", QT_TR_NOOP("&Open"), "Ctrl+O", QT_TR_NOOP("Open"));
    SaveReport = act("ActionSaveReport", QT_TR_NOOP("Save As..."), "Ctrl+S", QT_TR_NOOP("Save"));
    Print = act("ActionPrint", QT_TR_NOOP("&Print"), "Ctrl+P", QT_TR_NOOP("Print"));
    Exit = act("ActionExit", QT_TR_NOOP("&Close"), "", QT_TR_NOOP("Done"));
    Help = act("ActionHelp", QT_TR_NOOP("Help"), "F3", QT_TR_NOOP("Help"));

    // Fit All and Fit Width: at most one down, and a click on the one down releases it.
    auto* fits = new QActionGroup(this);
    fits->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {FitAll, FitWidth}) {
        a->setCheckable(true);
        fits->addAction(a);
        connect(a, &QAction::triggered, this, [this] { FitClick(true); });
    }
    FitWidth->setChecked(true);

    const QStyle* s = style();
    First->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
    Previous->setIcon(s->standardIcon(QStyle::SP_MediaSeekBackward));
    Next->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
    Last->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
    LoadReport->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    SaveReport->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    Print->setIcon(Glyphs::printer());
    Exit->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));
    Help->setIcon(s->standardIcon(QStyle::SP_DialogHelpButton));

    connect(First, &QAction::triggered, this, &TQuickReportViewer::FirstClick);
    connect(Previous, &QAction::triggered, this, &TQuickReportViewer::PreviousClick);
    connect(Next, &QAction::triggered, this, &TQuickReportViewer::NextClick);
    connect(Last, &QAction::triggered, this, &TQuickReportViewer::LastClick);
    connect(LoadReport, &QAction::triggered, this, &TQuickReportViewer::LoadReportClick);
    connect(SaveReport, &QAction::triggered, this, &TQuickReportViewer::SaveReportClick);
    connect(Print, &QAction::triggered, this, &TQuickReportViewer::PrintClick);
    connect(Exit, &QAction::triggered, this, &TQuickReportViewer::ExitClick);
    connect(Help, &QAction::triggered, this, [] { showHelpTopic(QStringLiteral("IDH_reportviewer")); });
}

void TQuickReportViewer::buildToolBar()
{
    ToolBar = named(new QToolBar(this), QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    addToolBar(ToolBar);

    Zoom = named(new QSlider(Qt::Horizontal, ToolBar), QStringLiteral("Zoom"));
    Zoom->setRange(Report::PreviewState::kMinZoom, Report::PreviewState::kMaxZoom);
    Zoom->setSingleStep(5);
    Zoom->setPageStep(20);
    Zoom->setTickInterval(20);
    Zoom->setTickPosition(QSlider::TicksBelow);
    Zoom->setValue(100);
    Zoom->setToolTip(tr("Zoom"));
    Zoom->setAccessibleName(tr("Zoom"));
    Zoom->setFixedWidth(150);
    Zoom->installEventFilter(this);
    connect(Zoom, &QSlider::valueChanged, this, &TQuickReportViewer::ZoomChange);
    ToolBar->addWidget(Zoom);
    Zoom_Label = named(new QLabel(QStringLiteral("100 %"), ToolBar), QStringLiteral("Zoom_Label"));
    Zoom_Label->setMinimumWidth(Zoom_Label->fontMetrics().horizontalAdvance(QStringLiteral(" 200 % ")));
    ToolBar->addWidget(Zoom_Label);

    const auto button = [this](QAction* a, const char* name, bool withText) {
        ToolBar->addAction(a);
        auto* b = static_cast<QToolButton*>(ToolBar->widgetForAction(a));
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(a->toolTip());
        b->setToolButtonStyle(withText ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    };
    button(FitAll, "FitAll", true);
    button(FitWidth, "FitWidth", true);
    ToolBar->addSeparator();
    button(Previous, "Previous", false);
    button(First, "First", false);
    button(Last, "Last", false);
    button(Next, "Next", false);
    ToolBar->addSeparator();
    button(LoadReport, "LoadReport", false);
    button(SaveReport, "SaveReport", false);
    button(Print, "Print", false);
    ToolBar->addSeparator();
    button(Exit, "Exit", false);
    button(Help, "TBHelp", true);
}

void TQuickReportViewer::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    mirrorItem(file, QStringLiteral("Print1"), Print);
    mirrorItem(file, QStringLiteral("Open1"), LoadReport);
    mirrorItem(file, QStringLiteral("SaveAs1"), SaveReport);
    mirrorItem(file, QStringLiteral("Close1"), Exit);
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    for (auto [name, act, caption] : {std::tuple{"FittoScreen1", FitAll, QT_TR_NOOP("&Fit to Screen")},
                                      std::tuple{"FitWidth1", FitWidth, QT_TR_NOOP("Fit &Width")}}) {
        QAction* it = mirrorItem(options, QString::fromLatin1(name), act, tr(caption));
        // The item shows whether its button is down; choosing it works as a click of the button.
        it->setCheckable(true);
        it->setChecked(act->isChecked());
        connect(act, &QAction::toggled, it, &QAction::setChecked);
    }
    mirrorItem(options, QStringLiteral("FirstPage1"), First);
    mirrorItem(options, QStringLiteral("PreviousPage1"), Previous);
    mirrorItem(options, QStringLiteral("NextPage1"), Next);
    mirrorItem(options, QStringLiteral("LastPage1"), Last);
}

void TQuickReportViewer::showEvent(QShowEvent* event)
{
    // Centred on the desktop the first time it shows, with the page display focused.
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = this->screen()) {
            const QRect desk = screen->availableGeometry();
            // Frame and title included, the window stays on a small screen.
            const QSize frame = frameGeometry().size() - size();
            resize(size().boundedTo(desk.size() * 0.92 - frame));
            centreWindowOn(*this, desk.center());
        }
    }
    QMainWindow::showEvent(event);
    QRPreview->setFocus();
}

bool TQuickReportViewer::eventFilter(QObject* watched, QEvent* event)
{
    // The focused zoom bar keeps its page keys: they zoom by a page step rather than turn pages.
    if (watched == Zoom && event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TQuickReportViewer::ShowReport(const Report::PageSet& pages)
{
    detach();
    PrepareViewer(pages);
    show();
    raise();
    activateWindow();
    // The preview ends when the window closes; until then events of every window go on.
    QEventLoop loop;
    loop_ = &loop;
    if (isVisible())
        loop.exec();
    loop_ = nullptr;
    // The window the preview came from takes the keys again, also where no window manager
    // hands them back: otherwise the next command typed, and a screen reader, find no window.
    if (QWidget* owner = parentWidget(); owner && owner->window()->isVisible())
        owner->window()->activateWindow();
}

void TQuickReportViewer::PrepareViewer(const Report::PageSet& pages)
{
    connectPages(&pages);
    SaveReport->setEnabled(true);
    FitAll->setChecked(false);
    FitWidth->setChecked(true);
    FitClick(false);
}

void TQuickReportViewer::closeEvent(QCloseEvent* event)
{
    detach();
    if (loop_)
        loop_->quit();
    QMainWindow::closeEvent(event);
}

void TQuickReportViewer::detach()
{
    connectPages(nullptr);
    SaveReport->setEnabled(false);
}

void TQuickReportViewer::connectPages(const Report::PageSet* pages)
{
    pages_ = pages;
    state_.setPageCount(pages ? int(pages->pages.size()) : 0);
    pageChanged();
}

void TQuickReportViewer::pageChanged()
{
    const bool any = pages_ && !pages_->pages.isEmpty();
    QRPreview->setPage(any ? &pages_->pages.at(state_.page() - 1) : nullptr);
    StatusBar->setText(state_.statusText());
    First->setEnabled(state_.canGoBack());
    Previous->setEnabled(state_.canGoBack());
    Next->setEnabled(state_.canGoOn());
    Last->setEnabled(state_.canGoOn());
}

void TQuickReportViewer::zoomChanged()
{
    QRPreview->setZoom(state_.zoom());
    Zoom_Label->setText(state_.zoomText());
    Zoom->setValue(state_.zoom());
}

void TQuickReportViewer::FitClick(bool fromButton)
{
    using Fit = Report::PreviewState::Fit;
    state_.setFit(FitAll->isChecked() ? Fit::All : FitWidth->isChecked() ? Fit::Width : Fit::None);
    state_.applyFit(QRPreview->pageMm(), QRPreview->room(), QRPreview->pxPerMm(), fromButton);
    zoomChanged();
}

void TQuickReportViewer::ZoomChange(int position)
{
    if (position != state_.zoom()) {
        FitAll->setChecked(false);
        FitWidth->setChecked(false);
        state_.setFit(Report::PreviewState::Fit::None);
        state_.setZoom(position);
    }
    zoomChanged();
}

void TQuickReportViewer::QRPreviewResize() { FitClick(false); }

void TQuickReportViewer::FirstClick()
{
    state_.first();
    pageChanged();
}

void TQuickReportViewer::PreviousClick()
{
    state_.previous();
    pageChanged();
}

void TQuickReportViewer::NextClick()
{
    state_.next();
    pageChanged();
}

void TQuickReportViewer::LastClick()
{
    state_.last();
    pageChanged();
}

void TQuickReportViewer::PrintClick()
{
    if (!pages_ || pages_->pages.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (print_)
        trapped(QString(), [&] { print_(*pages_); });
}

void TQuickReportViewer::LoadReportClick()
{
    const QString name = messenger().openFileName(
        {tr("Open a Report"), Report::openDialogFilter(), QStringLiteral("QRP"), {}, false});
    if (name.isEmpty())
        return;
    trapped(QString(), [&] {
        WaitCursor wait;
        // Read in full before anything changes, so a file that is not a report leaves the
        // preview as it was.
        Report::PageSet loaded = Report::loadReportFile(name);
        if (!own_)
            own_ = std::make_unique<Report::PageSet>();
        *own_ = std::move(loaded);
        connectPages(own_.get());
        SaveReport->setEnabled(false);
        FitClick(true);
        show();
    });
}

void TQuickReportViewer::SaveReportClick()
{
    const auto choice = messenger().saveFileChoice(
        {tr("Save Details"), Report::saveDialogFilter(), QString(), {}, true});
    if (choice.name.isEmpty())
        return;
    auto outcome = Report::SaveOutcome::Saved;
    trapped(QString(), [&] {
        WaitCursor wait;
        outcome = Report::saveReport(pages_, choice.name, choice.filter);
    });
    if (outcome == Report::SaveOutcome::NoPages)
        QApplication::beep();
    else if (outcome == Report::SaveOutcome::WrongExtension)
        messenger().messageBoxTitled(translated(Report::kWrongExtensionText), translated(Report::kWrongExtensionTitle));
}
