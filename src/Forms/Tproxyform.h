#pragma once
// The firewall settings: whether the update goes through a proxy, and its address, user id,
// password and port. The dialog only reads and writes the stored settings (ProxySettings);
// the update applies them to each request.
#include <QDialog>

class DialogToolBar;
class QCheckBox;
class QLabel;
class QLineEdit;

class Tproxyform : public QDialog {
    Q_OBJECT
public:
    explicit Tproxyform(QWidget* owner = nullptr);

    static constexpr int kClientWidth = 252;
    static constexpr int kClientHeight = 159;

    DialogToolBar* ToolBar1 = nullptr;
    QCheckBox* useproxy = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit *address = nullptr, *id = nullptr, *password = nullptr, *port = nullptr;

    void useproxyClick();
    void ActionOkayExecute();
    void ActionCancelExecute();
    void ActionHelpExecute();
};
