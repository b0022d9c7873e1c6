#include "Forms/TPrintGo.h"

#include "Forms/Placement.h"
#include "Forms/common/DialogKit.h"
#include "data/AccountingExport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

TPrintGo::TPrintGo(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("PrintGo"));
    setWindowTitle(QStringLiteral("Print/Accounts"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = new DialogToolBar(this);
    ToolBar1->setHelpTopic(kHelpTopic);
    // This dialog's tool bar names its Cancel button TBHelp and its Help button ToolButton1.
    ToolBar1->widgetForAction(ToolBar1->help())->setObjectName(QStringLiteral("ToolButton1"));
    ToolBar1->widgetForAction(ToolBar1->cancel())->setObjectName(QStringLiteral("TBHelp"));
    ToolBar1->cancel()->setText(QStringLiteral("Cancel"));
    column->addWidget(ToolBar1);

    auto* boxes = new QVBoxLayout();
    boxes->setContentsMargins(12, 6, 8, 0);
    auto box = [&](const char* name, const char* caption) {
        auto* b = named(new QCheckBox(QString::fromLatin1(caption), this), QString::fromLatin1(name));
        boxes->addWidget(b);
        return b;
    };
    CBPrint = box("CBPrint", "Print");
    CBAccount = box("CBAccount", "Add to Account File");
    CBShowDialog = box("CBShowDialog", "Do not show this dialog again");
    column->addLayout(boxes);
    column->addStretch(1);
    StatusBar1 = named(new QStatusBar(this), QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    auto* panel = named(new QLabel(StatusBar1), QStringLiteral("StatusPanel0"));
    StatusBar1->addWidget(panel, 1);
    column->addWidget(StatusBar1);

    const auto choices = AccountingExport::PrintChoices::load();
    CBShowDialog->setChecked(choices.hideDialog);
    CBPrint->setChecked(choices.print);
    CBAccount->setChecked(choices.addToAccount);
    if (!choices.fileDefined) {
        CBAccount->setEnabled(false);
        panel->setText(AccountingExport::kUndefined);
    }

    connect(ToolBar1->okay(), &QAction::triggered, this, &TPrintGo::ActionOkayExecute);
    connect(ToolBar1->cancel(), &QAction::triggered, this, &TPrintGo::ActionCancelExecute);
    if (owner)
        centreWindowOn(*this, owner->frameGeometry().center());
}

void TPrintGo::ActionOkayExecute()
{
    AccountingExport::PrintChoices choices;
    choices.hideDialog = CBShowDialog->isChecked();
    choices.print = CBPrint->isChecked();
    choices.addToAccount = CBAccount->isChecked();
    // A store that cannot take the choices has told the operator; the dialog stays open.
    if (choices.save())
        accept();
}

void TPrintGo::ActionCancelExecute() { reject(); }
