#pragma once
// The country selector: a small window listing every currency of the table in a tree by
// region, from which countries are dragged onto the main window. It is built from the
// table as it stands when the window is created; Okay and the close box only hide it.
#include <QWidget>

class CurrencyTable;
class DialogToolBar;
class QLabel;
class ZYMTreeView;

class TCurrencySelector : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 352;
    static constexpr int kHeight = 232;

    TCurrencySelector(const CurrencyTable& table, QWidget* owner);

    DialogToolBar* ToolBar1 = nullptr;
    ZYMTreeView* TV = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;

    void ActionOkayExecute() { hide(); }

private:
    void buildTree(const CurrencyTable& table);
};
