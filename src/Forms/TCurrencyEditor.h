#pragma once
// The currency editor: every currency of the table in a tree by region, with its rate. The
// operator adds currencies of their own, derives a new country from an existing one and
// deletes user-defined ones; Okay writes them to "UserDefined.dat" and the editor's two
// options to the store, Cancel writes nothing. The main window reloads the currency data
// after it closes, whatever the result.
#include "data/UserCurrencies.h"

#include "Forms/common/VemoxDialog.h"

class CurrencyTable;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

class TCurrencyEditor : public VemoxDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 434;
    static constexpr int kClientHeight = 334;

    TCurrencyEditor(const CurrencyTable& table, QWidget* owner);

    QLabel* Label1 = nullptr;
    QTreeWidget* TV = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction *ActionAdd = nullptr, *ActionEdit = nullptr, *ActionDelete = nullptr;
    QAction* EditCurrencyValue = nullptr;
    QCheckBox *ExpandCheckBox = nullptr, *DisableCurrencyButtonCheckBox = nullptr;

    void ToolButton1Click();
    void ActionEditExecute();
    void ActionDeleteExecute();
    void ExpandCheckBoxClick();
    void PopupMenu1Popup();
    // Writes the user-defined currencies; false after the operator has been told why.
    bool SaveClick();

protected:
    // Stores the two options and writes the user-defined currencies; what could not be
    // written keeps the window open, to be tried again or cancelled.
    bool save() override;

private:
    void buildControls();
    void buildTree(const CurrencyTable& table);
    // The add dialog over a blank record; on Okay the record goes under "User Defined".
    void addFrom(const CCurrencyData& templ);
    QTreeWidgetItem* selectedNode() const;

    UserCurrencies::Session session_;
    QTreeWidgetItem* userNode_ = nullptr;   // the "User Defined" region
    // The file is kept as it is: it was not read whole, or the tree could not be built.
    bool keepFile_ = false;
};
