#include "Forms/TPrintGo.h"

#include "data/AccountingExport.h"
#include "support/Translate.h"

#include <QCheckBox>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

TPrintGo::TPrintGo(QWidget* owner)
    : VemoxDialog(owner, {QStringLiteral("PrintGo"), tr("Print/Accounts"), {220, 170}, kHelpTopic})
{
    auto* column = columnWithToolBar();
    ToolBar1 = toolBar();
    // This dialog's tool bar names its Cancel button TBHelp and its Help button ToolButton1.
    ToolBar1->widgetForAction(ToolBar1->help())->setObjectName(QStringLiteral("ToolButton1"));
    ToolBar1->widgetForAction(ToolBar1->cancel())->setObjectName(QStringLiteral("TBHelp"));

    auto* boxes = new QVBoxLayout();
    boxes->setContentsMargins(12, 12, 8, 0);
    boxes->setSpacing(10);
    auto box = [&](const char* name, const char* caption) {
        auto* b = named(new QCheckBox(tr(caption), this), QString::fromLatin1(name));
        boxes->addWidget(b);
        return b;
    };
    CBPrint = box("CBPrint", QT_TR_NOOP("Print"));
    CBAccount = box("CBAccount", QT_TR_NOOP("Add to Account File"));
    CBShowDialog = box("CBShowDialog", QT_TR_NOOP("Do not show this dialog again"));
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
        panel->setText(translated(AccountingExport::kUndefined));
    }
}

bool TPrintGo::save()
{
    AccountingExport::PrintChoices choices;
    choices.hideDialog = CBShowDialog->isChecked();
    choices.print = CBPrint->isChecked();
    choices.addToAccount = CBAccount->isChecked();
    return choices.save();
}
