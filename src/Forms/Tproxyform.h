#pragma once
// The firewall settings: whether the update goes through a proxy, and its address, user id,
// password and port. The dialog only reads and writes the stored settings (ProxySettings);
// the update applies them to each request.
#include "Forms/common/VemoxDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class Tproxyform : public VemoxDialog {
    Q_OBJECT
public:
    explicit Tproxyform(QWidget* owner = nullptr);

    static constexpr int kClientWidth = 252;
    static constexpr int kClientHeight = 159;

    QCheckBox* useproxy = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit *address = nullptr, *id = nullptr, *password = nullptr, *port = nullptr;

    void useproxyClick();

protected:
    // Every value is written, ticked or not, in one change.
    bool save() override;
};
