#include "Forms/TCurrencyEditor.h"
#include "Defs.h"
#include "Forms/TAddCurrency.h"
#include "Forms/common/DialogKit.h"
#include "components/CountryTreeItems.h"
#include "support/DataFolder.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"
#include "support/Translate.h"
#include "support/Trap.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace UserCurrencies;

namespace {
const QString kHelpTopic = QStringLiteral("IDH_CurrencyChanger");
const char* const kNoSelection = QT_TRANSLATE_NOOP("TCurrencyEditor", "No Currency has been selected.");
const char* const kOnlyUserDefined =
    QT_TRANSLATE_NOOP("TCurrencyEditor", "Can only delete from User Defined currencies");
} // namespace

TCurrencyEditor::TCurrencyEditor(const CurrencyTable& table, QWidget* owner)
    : VemoxDialog(owner, {QStringLiteral("CurrencyEditor"), tr("Currency Changer"), {}, kHelpTopic}),
      session_(table)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);
    buildControls();
    resize(kClientWidth, kClientHeight);

    const EditorSettings settings = EditorSettings::load();
    ExpandCheckBox->setChecked(settings.expandTree);
    DisableCurrencyButtonCheckBox->setChecked(settings.disableUpdateButton);
    keepFile_ = !session_.fileWhole();
    trapped(QString(), [&] {
        ResourceLibrary library;
        // Without the library the editor cannot tell its currencies apart: the file stays.
        const bool keep = std::exchange(keepFile_, true);
        library.Open(tr("Unable to load dll - TCE"));
        keepFile_ = keep;
        buildTree(table);
    });
    if (keepFile_ && userNode_)
        messenger().messageDialog(translated(kNotReadWhole), Messenger::Icon::Information);
    // Without the whole file, or without the tree, the list cannot be changed.
    for (QAction* a : {ActionAdd, ActionEdit, ActionDelete})
        a->setEnabled(!keepFile_);
}

void TCurrencyEditor::buildControls()
{
    auto* column = columnWithToolBar(4);
    column->setSpacing(3);
    ActionAdd = makeAction(this, QStringLiteral("ActionAdd"), tr("Add New Currency"),
                           QStringLiteral("Shift+F1"), tr("Add New Currency"));
    ActionEdit = makeAction(this, QStringLiteral("ActionEdit"), tr("Edit Currency"),
                            QStringLiteral("Ctrl+E"), tr("Edit"));
    ActionDelete = makeAction(this, QStringLiteral("ActionDelete"), tr("Delete Currency"),
                              QStringLiteral("Ctrl+Alt+D"), tr("Delete"));
    const std::pair<QAction*, const char*> buttons[] = {
        {ActionAdd, "ToolButton1"}, {ActionEdit, "Edit"}, {ActionDelete, "DeleteButton"}};
    for (const auto& [action, name] : buttons) {
        action->setIconText(action->toolTip());
        toolBar()->insertAction(toolBar()->okay(), action);
        if (QWidget* w = toolBar()->widgetForAction(action)) {
            w->setObjectName(QString::fromLatin1(name));
            w->setAccessibleName(action->toolTip());
        }
    }

    Label1 = named(new QLabel(tr("All currencies are relative to the USD"), this), QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setContentsMargins(6, 0, 0, 0);
    column->addWidget(Label1);

    TV = named(new QTreeWidget(this), QStringLiteral("TV"));
    TV->setHeaderHidden(true);
    TV->setIndentation(19);
    TV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TV->setUniformRowHeights(true);
    TV->setContextMenuPolicy(Qt::CustomContextMenu);
    column->addWidget(TV, 1);
    PopupMenu1 = named(new QMenu(TV), QStringLiteral("PopupMenu1"));
    mirrorItem(PopupMenu1, QStringLiteral("AddNewCurrency1"), ActionAdd);
    EditCurrencyValue = mirrorItem(PopupMenu1, QStringLiteral("EditCurrencyValue"), ActionEdit);
    mirrorItem(PopupMenu1, QStringLiteral("DeleteCurrency1"), ActionDelete);
    connect(TV, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(TV->viewport()->mapToGlobal(at)); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TCurrencyEditor::PopupMenu1Popup);

    ExpandCheckBox = named(new QCheckBox(tr("Expand Tree View"), this), QStringLiteral("ExpandCheckBox"));
    DisableCurrencyButtonCheckBox = named(new QCheckBox(tr("Disable Currency Update Button"), this),
                                          QStringLiteral("DisableCurrencyButtonCheckBox"));
    for (QCheckBox* box : {ExpandCheckBox, DisableCurrencyButtonCheckBox}) {
        box->setContentsMargins(6, 0, 0, 0);
        column->addWidget(box);
    }

    connect(ExpandCheckBox, &QCheckBox::clicked, this, &TCurrencyEditor::ExpandCheckBoxClick);
    // The popup's "Add New Currency" adds, as the tool bar's first button does.
    connect(ActionAdd, &QAction::triggered, this, &TCurrencyEditor::ToolButton1Click);
    connect(ActionEdit, &QAction::triggered, this, &TCurrencyEditor::ActionEditExecute);
    connect(ActionDelete, &QAction::triggered, this, &TCurrencyEditor::ActionDeleteExecute);
}

void TCurrencyEditor::buildTree(const CurrencyTable& table)
{
    CountryItems::fill(*TV, CountryTree::build(table, CountryTree::Use::Editor));
    for (int i = 0; i < TV->topLevelItemCount(); ++i)
        if (CountryItems::picture(*TV->topLevelItem(i)) == CountryNode::UserRegion)
            userNode_ = TV->topLevelItem(i);
    if (!userNode_)
        keepFile_ = true;
}

QTreeWidgetItem* TCurrencyEditor::selectedNode() const
{
    QTreeWidgetItem* node = TV->currentItem();
    return node && node->isSelected() ? node : nullptr;
}

void TCurrencyEditor::ExpandCheckBoxClick()
{
    if (ExpandCheckBox->isChecked())
        TV->expandAll();
    else
        TV->collapseAll();
}

void TCurrencyEditor::PopupMenu1Popup()
{
    if (const QTreeWidgetItem* node = selectedNode())
        EditCurrencyValue->setEnabled(CountryItems::picture(*node) == CountryNode::Country);
}

void TCurrencyEditor::addFrom(const CCurrencyData& templ)
{
    if (keepFile_)
        return;
    CCurrencyData blank;
    if (VemoxDialog::run<TAddCurrency>(this, blank, templ, session_) != QDialog::Accepted)
        return;
    const CCurrencyData* added = session_.Add(std::make_unique<CCurrencyData>(blank));
    CountryNode node;
    node.text = CountryTree::nodeText(*added, CountryTree::Use::Editor);
    node.picture = CountryNode::Added;
    node.country = added->GetCountryName();
    node.record = added;
    userNode_->addChild(CountryItems::makeItem(node));
    TV->setCurrentItem(userNode_);
}

void TCurrencyEditor::ToolButton1Click()
{
    // A blank record is both the record to fill and the template: a currency of one's own.
    addFrom(CCurrencyData());
}

void TCurrencyEditor::ActionEditExecute()
{
    const QTreeWidgetItem* node = selectedNode();
    if (!node) {
        messenger().messageDialog(tr(kNoSelection), Messenger::Icon::Information);
        return;
    }
    const int picture = CountryItems::picture(*node);
    const CCurrencyData* record = CountryItems::record(*node);
    // Only a country of the table is a template; its own record is never changed.
    if ((picture == CountryNode::Country || picture == CountryNode::NoRate) && record)
        addFrom(*record);
}

void TCurrencyEditor::ActionDeleteExecute()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node || keepFile_)
        return;
    if (node->parent() != userNode_) {
        messenger().messageDialog(tr(kOnlyUserDefined), Messenger::Icon::Information);
        return;
    }
    session_.Remove(CountryItems::record(*node));
    delete node;
}

bool TCurrencyEditor::save()
{
    EditorSettings settings;
    settings.expandTree = ExpandCheckBox->isChecked();
    settings.disableUpdateButton = DisableCurrencyButtonCheckBox->isChecked();
    return settings.save() && SaveClick();
}

bool TCurrencyEditor::SaveClick()
{
    if (keepFile_)
        return true;
    return trapped(QString(), [this] { session_.Save(DataFolder::file(Defs::kUserDefinedFile)); });
}
