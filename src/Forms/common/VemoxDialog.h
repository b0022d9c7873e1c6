#pragma once
// The frame every dialog of the program shares: its owner, name, caption, client size, help
// topic and placement, the tool bar (Okay F7, Cancel Ctrl+Q with the hint "Clear", Help F3),
// and Okay as a save that closes the dialog only when it succeeded.
//
// A dialog derives from it, builds its controls below toolBar(), overrides save() and is
// shown with VemoxDialog::run<D>(args...), which goes through runModal so that tests drive it:
//
//     class Tbanner : public VemoxDialog {
//         explicit Tbanner(QWidget* owner)
//             : VemoxDialog(owner, {"bannerform", "Print Options", {300, 200}, "IDH_banner"}) {...}
//         bool save() override;   // false keeps the dialog open; it has said why
//     };
//     VemoxDialog::run<Tbanner>(this);
#include "Forms/common/DialogKit.h"

#include <QDialog>
#include <QSize>
#include <utility>

class QVBoxLayout;

class VemoxDialog : public QDialog {
    Q_OBJECT
public:
    enum class Placement { OwnerCentre, ScreenCentre };
    struct Frame {
        QString name;         // the objectName
        QString caption;      // the window title, exactly
        QSize clientSize;     // fixed; empty lets the layout choose
        QString helpTopic;    // "IDH_currency"; empty when Help has none
        Placement placement = Placement::OwnerCentre;
        int buttons = DialogToolBar::Okay | DialogToolBar::Cancel | DialogToolBar::Help;
        int helpContext = 0;
    };

    VemoxDialog(QWidget* owner, const Frame& frame);

    DialogToolBar* toolBar() const { return toolBar_; }
    const Frame& frame() const { return frame_; }
    // Whether the dialog could be filled; one that could not has said so and is not shown.
    bool ready() const { return ready_; }

    // Okay saves, and closes with the result OK only when the save succeeded; Cancel closes
    // with the result Cancel and stores nothing; Help opens the dialog's topic.
    void ActionOkayExecute();
    void ActionCancelExecute() { reject(); }
    void ActionHelpExecute() { showHelpTopic(frame_.helpTopic); }

    // Creates the dialog, shows it modally through runModal when it is ready, destroys it,
    // and gives its result (Rejected when it was not shown).
    template <typename D, typename... Args>
    static int run(Args&&... args)
    {
        D dialog(std::forward<Args>(args)...);
        return dialog.ready() ? runModal(dialog) : int(QDialog::Rejected);
    }

protected:
    // Stores what the dialog shows. On failure it tells the operator why and gives false;
    // the dialog then stays open with everything typed. What the store reports meanwhile is
    // held back (ZYMAPI::HeldReports) and shown after the save, unless the dialog forgot it
    // because its own message tells the failure.
    virtual bool save() { return true; }
    void setReady(bool ready) { ready_ = ready; }
    // A column layout with the tool bar at its top, for dialogs built from layouts.
    QVBoxLayout* columnWithToolBar(int bottomMargin = 0);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Frame frame_;
    DialogToolBar* toolBar_ = nullptr;
    bool ready_ = true;
};

// Names a field for a screen reader by its label and, where labels repeat, its groups:
// ("Commission", "Cash", "Buy(%)") reads "Commission, Cash, Buy (%)". Accelerator marks and
// trailing colons are left out.
void describeField(QWidget* field, const QStringList& parts);
