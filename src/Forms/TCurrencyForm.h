#pragma once
// The commission settings dialog: the shop's retail margins, commissions and duties, thirty
// masked fields whose tags are their entries in the commission table. Nothing is stored
// until Okay, which writes the list and loads the table from it.
#include <QDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QStringList>
#include <array>

class CommissionTable;
class DialogToolBar;
class QAction;
class QLabel;
class QMenu;

// A masked field of the form "999.999": the integer part right-aligned, blanks shown as
// zeros, so typing 4.5 reads 004.500.
class CommissionField : public QLineEdit {
    Q_OBJECT
public:
    static inline const QString kEditMask = QStringLiteral("!999.999;1;0");
    CommissionField(QWidget* parent, const QString& name, int tag);
    // The text as the field shows it, mask characters included.
    QString maskedText() const { return displayText(); }
    // Shows a number's text in the mask: "4" and "4.5" read 004.000 and 004.500.
    void setMaskedText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// What the header shows: the pane whose picture it takes, and the ISO code of the fees.
struct CommissionHeader {
    QPixmap picture;
    QString country;
    QString iso;
};

class TCurrencyForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFields = 30;
    static inline const QString kLoadError = QStringLiteral("Error: Unable to Load Currency Values from Registry");
    static inline const QString kWriteError = QStringLiteral("Error: Unable to Write Currency Values to Registry");

    TCurrencyForm(const CommissionHeader& header, CommissionTable& table, QWidget* parent = nullptr);

    // Whether the fields could be filled; a dialog that could not is not to be shown.
    bool loaded() const { return loaded_; }
    // Creates the dialog, shows it modally when it could be filled, and destroys it.
    static void Run(const CommissionHeader& header, CommissionTable& table, QWidget* parent);

    void ActionDefaultsExecute();
    void ActionClearExecute();
    void ActionOkayExecute();
    void ActionCancelExecute();
    void ActionHelpExecute();

    CommissionField* field(int tag) const { return fields_.at(size_t(tag)); }

private:
    void buildToolBar(const CommissionHeader& header);
    QWidget* buildRetail();
    QWidget* buildCharges(const QString& iso);
    // Fills the fields from the working list; an entry missing for a field raises.
    void fillFields();

    CommissionTable& table_;
    QStringList working_;
    std::array<CommissionField*, kFields> fields_{};
    DialogToolBar* toolBar_ = nullptr;
    QAction *ActionDefaults = nullptr, *ActionClear = nullptr;
    QMenu* PopupMenu1 = nullptr;
    bool loaded_ = false;
};
