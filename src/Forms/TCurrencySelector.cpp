#include "Forms/TCurrencySelector.h"
#include "Forms/common/DialogKit.h"
#include "components/ZYMTreeView.h"
#include "components/CountryTreeItems.h"
#include "data/CountryTree.h"

#include <QAction>
#include <QLabel>
#include <QVBoxLayout>

TCurrencySelector::TCurrencySelector(const CurrencyTable& table, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CurrencySelector"));
    setWindowTitle(tr("Currency Selector"));
    setFixedSize(kWidth, kHeight);

    ToolBar1 = new DialogToolBar(this, DialogToolBar::Okay | DialogToolBar::Help);
    ToolBar1->setHelpTopic(QStringLiteral("IDH_region"));
    connect(ToolBar1->okay(), &QAction::triggered, this, &TCurrencySelector::ActionOkayExecute);

    TV = named(new ZYMTreeView(this), QStringLiteral("TV"));
    Label1 = named(new QLabel(tr("Left Click Drag your choice of country"), this), QStringLiteral("Label1"));
    Label2 = named(new QLabel(tr("onto an exchange panel or button."), this), QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2})
        l->setAlignment(Qt::AlignHCenter);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 4);
    col->setSpacing(2);
    col->addWidget(ToolBar1);
    col->addWidget(TV, 1);
    col->addWidget(Label1);
    col->addWidget(Label2);

    buildTree(table);
}

void TCurrencySelector::buildTree(const CurrencyTable& table)
{
    CountryItems::fill(*TV, CountryTree::build(table));
}
