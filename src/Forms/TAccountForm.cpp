#include "Forms/TAccountForm.h"

#include "data/AccountingExport.h"
#include "support/FileUtils.h"
#include "support/Messenger.h"
#include "support/Trap.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TAccountForm::TAccountForm(QWidget* owner, const QString& dataFolder)
    : VemoxDialog(owner, {QStringLiteral("AccountForm"), tr("Set Accounting Export File"), {397, 168},
                          kHelpTopic, Placement::ScreenCentre})
{
    auto* column = columnWithToolBar(4);
    ToolBar1 = toolBar();

    auto* grid = new QGridLayout();
    grid->setContentsMargins(8, 4, 8, 0);
    CBUse = named(new QCheckBox(tr("Use Account Export File"), this), QStringLiteral("CBUse"));
    grid->addWidget(CBUse, 0, 0, 1, 3);
    FilePathLabel = named(new QLabel(tr("File Path/Directory"), this), QStringLiteral("FilePathLabel"));
    EditBrowse = named(new QLineEdit(this), QStringLiteral("EditBrowse"));
    Browse = named(new QToolButton(this), QStringLiteral("Browse"));
    Browse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    Browse->setToolTip(tr("Browse"));
    Browse->setAccessibleName(tr("Browse"));
    FileNameLabel = named(new QLabel(tr("File Name"), this), QStringLiteral("FileNameLabel"));
    EditFileName = named(new QLineEdit(this), QStringLiteral("EditFileName"));
    Select = named(new QPushButton(tr("&Select"), this), QStringLiteral("Select"));
    New = named(new QPushButton(tr("&New"), this), QStringLiteral("New"));
    // Return in a box is not a press of Select: the dialog's keys are on its tool bar.
    Select->setAutoDefault(false);
    New->setAutoDefault(false);
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
    trapped(tr("Error: Unable to Select Directory"), [this] {
        const QString folder = BrowseFolders(this, tr("Select a Startup Folder"));
        if (!folder.isEmpty())
            EditBrowse->setText(folder);
    });
}

void TAccountForm::SelectClick()
{
    trapped(tr("Error: Unable to Open to select signature file"), [this] {
        if (const auto file = AccountingExport::selectAccountFile(EditBrowse->text()))
            showFile(*file);
    });
}

void TAccountForm::NewClick()
{
    trapped(tr("Error: Unable to create new signature file"), [this] {
        if (const auto file = AccountingExport::newAccountFile(EditBrowse->text()))
            showFile(*file);
    });
}

bool TAccountForm::save()
{
    AccountingExport::FileSettings settings;
    settings.use = CBUse->isChecked();
    settings.folder = QDir::fromNativeSeparators(EditBrowse->text().trimmed());
    settings.fileName = EditFileName->text().trimmed();
    if (settings.use && !QFileInfo(settings.folder).isDir()) {
        messenger().messageDialog(tr("The folder %1 does not exist. Choose the folder of the account file.")
                                      .arg(EditBrowse->text()),
                                  Messenger::Icon::Error);
        return false;
    }
    return settings.save();
}
