#pragma once
// The currency editor (F4). Whatever its result, the update button follows the editor's
// option and the currency data is loaded again, so that the table, the currency buttons and
// the country list show the operator's currencies at once.
#include "Forms/main/MainContext.h"

#include <QObject>

class DropCommands;
class TabCommands;

class EditorCommands : public QObject {
public:
    EditorCommands(MainContext& ctx, TabCommands& tabs, DropCommands& drops);

    void CurrencyEditor1Click();
    void ReloadCurrencyData();

private:
    MainContext& ctx_;
    TabCommands& tabs_;
    DropCommands& drops_;
};
