#include "Forms/TAccountForm.h"

#include "Forms/common/DialogKit.h"
#include "data/AccountingExport.h"
#include "support/FileUtils.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TAccountForm::TAccountForm(QWidget* owner, const QString& dataFolder) : QDialog(owner)
{
    setObjectName(QStringLiteral("AccountForm"));
    setWindowTitle(QStringLiteral("Set Accounting Export File"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 4);
    ToolBar1 = new DialogToolBar(this);
    ToolBar1->setHelpTopic(kHelpTopic);
    column->addWidget(ToolBar1);

    auto* grid = new QGridLayout();
    grid->setContentsMargins(8, 4, 8, 0);
    CBUse = named(new QCheckBox(QStringLiteral("Use Account Export File"), this), QStringLiteral("CBUse"));
    grid->addWidget(CBUse, 0, 0, 1, 3);
    FilePathLabel = named(new QLabel(QStringLiteral("File Path/Directory"), this), QStringLiteral("FilePathLabel"));
    EditBrowse = named(new QLineEdit(this), QStringLiteral("EditBrowse"));
    Browse = named(new QToolButton(this), QStringLiteral("Browse"));
    Browse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    Browse->setToolTip(QStringLiteral("Browse"));
    Browse->setAccessibleName(QStringLiteral("Browse"));
    FileNameLabel = named(new QLabel(QStringLiteral("File Name"), this), QStringLiteral("FileNameLabel"));
    EditFileName = named(new QLineEdit(this), QStringLiteral("EditFileName"));
    Select = named(new QPushButton(QStringLiteral("&Select"), this), QStringLiteral("Select"));
    New = named(new QPushButton(QStringLiteral("&New"), this), QStringLiteral("New"));
    FilePathLabel->setBuddy(EditBrowse);
    FileNameLabel->setBuddy(EditFileName);
    grid->addWidget(FilePathLabel, 1, 0);
    grid->addWidget(EditBrowse, 1, 1);
    grid->addWidget(Browse, 1, 2);
    grid->addWidget(FileNameLabel, 2, 0);
    grid->addWidget(EditFileName, 2, 1, 1, 2);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(Select);
    buttons->addWidget(New);
    grid->addLayout(buttons, 3, 0, 1, 3);
    column->addLayout(grid);
    column->addStretch(1);

    const auto settings = AccountingExport::FileSettings::load(dataFolder);
    CBUse->setChecked(settings.use);
    EditBrowse->setText(QDir::toNativeSeparators(settings.folder));
    EditFileName->setText(settings.fileName);
    CBUseClick();

    connect(CBUse, &QCheckBox::clicked, this, &TAccountForm::CBUseClick);
    connect(Browse, &QToolButton::clicked, this, &TAccountForm::BrowseClick);
    connect(Select, &QPushButton::clicked, this, &TAccountForm::SelectClick);
    connect(New, &QPushButton::clicked, this, &TAccountForm::NewClick);
    connect(ToolBar1->okay(), &QAction::triggered, this, &TAccountForm::ActionOkayExecute);
    connect(ToolBar1->cancel(), &QAction::triggered, this, &TAccountForm::ActionCancelExecute);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAccountForm::CBUseClick()
{
    const bool on = CBUse->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{FilePathLabel, EditBrowse, Browse, FileNameLabel, EditFileName,
                                                      Select, New})
        w->setEnabled(on);
}

void TAccountForm::showFile(const QString& path)
{
    const QFileInfo file(path);
    EditBrowse->setText(QDir::toNativeSeparators(file.absolutePath()));
    EditFileName->setText(file.fileName());
}

void TAccountForm::BrowseClick()
{
    trapped(QStringLiteral("Error: Unable to Select Directory"), [this] {
        const QString folder = BrowseFolders(this, QStringLiteral("Select a Startup Folder"));
        if (!folder.isEmpty())
            EditBrowse->setText(folder);
    });
}

void TAccountForm::SelectClick()
{
    trapped(QStringLiteral("Error: Unable to Open to select signature file"), [this] {
        if (const auto file = AccountingExport::selectAccountFile(EditBrowse->text()))
            showFile(*file);
    });
}

void TAccountForm::NewClick()
{
    trapped(QStringLiteral("Error: Unable to create new signature file"), [this] {
        if (const auto file = AccountingExport::newAccountFile(EditBrowse->text()))
            showFile(*file);
    });
}

void TAccountForm::ActionOkayExecute()
{
    AccountingExport::FileSettings settings;
    settings.use = CBUse->isChecked();
    settings.folder = QDir::fromNativeSeparators(EditBrowse->text().trimmed());
    settings.fileName = EditFileName->text().trimmed();
    if (settings.use && !QFileInfo(settings.folder).isDir()) {
        messenger().messageDialog(QStringLiteral("The folder %1 does not exist. Choose the folder of the account file.")
                                      .arg(EditBrowse->text()),
                                  Messenger::Icon::Error);
        return;
    }
    // A store that cannot take the settings has told the operator; the dialog stays open.
    if (settings.save())
        accept();
}

void TAccountForm::ActionCancelExecute() { reject(); }
