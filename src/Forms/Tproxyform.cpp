#include "Forms/Tproxyform.h"
#include "support/Errors.h"
#include "support/Messenger.h"
#include "support/ProxySettings.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <QRegularExpression>

namespace {
const QString kHelpTopic = QStringLiteral("IDH_firewall");
}

Tproxyform::Tproxyform(QWidget* owner)
    : VemoxDialog(owner, {QStringLiteral("proxyform"), tr("Firewall Settings"),
                          {kClientWidth, kClientHeight}, kHelpTopic, Placement::ScreenCentre})
{
    auto* column = columnWithToolBar(4);
    auto* grid = new QGridLayout();
    grid->setContentsMargins(8, 4, 8, 0);
    grid->setVerticalSpacing(3);
    useproxy = named(new QCheckBox(tr("&Use Firewall"), this), QStringLiteral("useproxy"));
    grid->addWidget(useproxy, 0, 0, 1, 2);
    auto row = [&](int r, const QString& caption, const QString& labelName, const QString& editName) {
        auto* label = named(new QLabel(caption, this), labelName);
        auto* edit = named(new QLineEdit(this), editName);
        label->setBuddy(edit);
        describeField(edit, {caption});
        grid->addWidget(label, r, 0);
        grid->addWidget(edit, r, 1);
        return std::pair{label, edit};
    };
    std::tie(Label1, address) = row(1, tr("&Proxy Address:"), QStringLiteral("Label1"), QStringLiteral("address"));
    std::tie(Label2, id) = row(2, tr("U&ser ID:"), QStringLiteral("Label2"), QStringLiteral("id"));
    std::tie(Label3, password) = row(3, tr("&Pwd:"), QStringLiteral("Label3"), QStringLiteral("password"));
    std::tie(Label4, port) = row(4, tr("P&ort:"), QStringLiteral("Label4"), QStringLiteral("port"));
    // The password is stored as typed and shown as one "#" for each character.
    password->setEchoMode(QLineEdit::Password);
    password->setStyleSheet(QStringLiteral("lineedit-password-character: 35"));
    // Four positions, each a digit or left blank.
    port->setMaxLength(4);
    port->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]{0,4}")), port));
    port->setFixedWidth(port->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    column->addLayout(grid);
    column->addStretch(1);

    connect(useproxy, &QCheckBox::toggled, this, &Tproxyform::useproxyClick);

    ProxySettings settings;
    settings.load();
    useproxy->setChecked(settings.useProxy);
    address->setText(settings.address);
    id->setText(settings.userId);
    password->setText(settings.password);
    port->setText(QString::number(settings.port));
    useproxyClick();
}

void Tproxyform::useproxyClick()
{
    const bool on = useproxy->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3, Label4, address, id, password, port})
        w->setEnabled(on);
}

bool Tproxyform::save()
{
    // An address the update could not use as it stands is told before anything is written.
    // With the firewall off its boxes are not used, and cannot be edited, so they are kept.
    if (useproxy->isChecked()) {
        int typedPort = 0;
        try {
            typedPort = ProxySettings::portFromText(port->text());
        } catch (const VemoxError&) {
        }
        const QString problem = ProxySettings::addressProblem(address->text(), typedPort);
        if (!problem.isEmpty()) {
            messenger().messageDialog(problem, Messenger::Icon::Error);
            return false;
        }
    }
    ProxySettings settings;
    settings.address = address->text();
    settings.userId = id->text();
    settings.password = password->text();
    settings.port = ProxySettings::portFromText(port->text());
    settings.useProxy = useproxy->isChecked();
    ZYMAPI::HeldReports store;   // a failed save is told in the dialog's words alone
    if (settings.save())
        return true;
    store.forget();
    messenger().messageBox(tr("Incorrect Server or Port settings"));
    return false;
}
