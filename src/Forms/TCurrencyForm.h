#pragma once
// The commission settings dialog: the shop's retail margins, commissions and duties, thirty
// masked fields whose tags are their entries in the commission table. Nothing is stored
// until Okay, which writes the list and loads the table from it.
#include "Forms/common/MaskedNumberField.h"
#include "Forms/common/VemoxDialog.h"

#include <QPixmap>
#include <QStringList>
#include <array>

class CommissionTable;
class QAction;
class QMenu;

// What the header shows: the pane whose picture it takes, and the ISO code of the fees.
struct CommissionHeader {
    QPixmap picture;
    QString country;
    QString iso;
};

class TCurrencyForm : public VemoxDialog {
    Q_OBJECT
public:
    static constexpr int kFields = 30;
    static constexpr const char* kLoadError = QT_TR_NOOP("Error: Unable to Load Currency Values from Registry");
    static constexpr const char* kWriteError = QT_TR_NOOP("Error: Unable to Write Currency Values to Registry");

    // A dialog whose fields could not be filled has said so and is not ready to be shown.
    TCurrencyForm(const CommissionHeader& header, CommissionTable& table, QWidget* parent = nullptr);

    void ActionDefaultsExecute();
    void ActionClearExecute();

    MaskedNumberField* field(int tag) const { return fields_.at(size_t(tag)); }

protected:
    // Writes the thirty entries and loads the table from them.
    bool save() override;

private:
    void buildToolBar(const CommissionHeader& header);
    QWidget* buildRetail();
    QWidget* buildCharges(const QString& iso);
    MaskedNumberField* addField(QWidget* box, int tag, int x, int y, const QStringList& description);
    // Fills the fields from the working list; an entry missing for a field raises.
    void fillFields();

    CommissionTable& table_;
    QStringList working_;
    std::array<MaskedNumberField*, kFields> fields_{};
    QAction *ActionDefaults = nullptr, *ActionClear = nullptr;
    QMenu* PopupMenu1 = nullptr;
};
