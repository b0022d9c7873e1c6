#include "Forms/THelpWindow.h"
#include "Forms/Placement.h"
#include "support/Errors.h"
#include "support/Help.h"
#include "support/Translations.h"
#include "support/Trap.h"

#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vemox Help"));
    resize(560, 480);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("HelpBrowser"));
    Browser->setOpenLinks(false);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    // The help pages are written in English only; an operator working in another language is told so.
    auto* note = new QLabel(tr("The help pages are in English."), this);
    note->setObjectName(QStringLiteral("HelpLanguage"));
    note->setContentsMargins(6, 3, 6, 3);
    note->setVisible(!Translations::installedLanguage().isEmpty());
    col->addWidget(note);
    col->addWidget(Browser);
    // Links between topics name the topic's page, with or without a place on it; a place
    // alone moves within the page shown. A topic without a page is told, as from the menu.
    connect(Browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QString name = url.fileName().section(QLatin1Char('.'), 0, 0);
        trapped(QString(), [&] {
            if (!name.isEmpty())
                showTopic(name);
            if (url.hasFragment())
                Browser->scrollToAnchor(url.fragment());
        });
    });
}

void THelpWindow::showTopic(const QString& topic)
{
    const QString file = Help::topicFile(topic);
    Browser->setSource(QUrl::fromLocalFile(file));
    topic_ = topic;
    // The first time it opens, the help sits over the window it belongs to.
    if (!placed_ && parentWidget()) {
        centreWindowOn(*this, parentWidget()->frameGeometry().center());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}
