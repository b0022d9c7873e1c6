#pragma once
// The operator's own currencies: what the add dialog checks and fills, the list the currency
// editor keeps while it is open, and the file "UserDefined.dat" it writes.
//
// A user-defined currency has the region "User Defined" and no entry in the resource
// library. Its line in the file holds the ISO, rate, country and denomination tags, in that
// order, the rate in the shortest general form with "." whatever the punctuation.
#include "data/CurrencyTable.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace UserCurrencies {

inline const QString kRegion = QStringLiteral("User Defined");

// The name proposed for a currency derived from a country: the last character is kept and
// one more is appended, its digit plus one or else "1" (France1, France12, Chad910).
QString NextCountryName(const QString& name);

// Every ISO code of the table, sorted case-insensitively, each code once: a code that
// differs from an earlier one only in letter case is left out.
QStringList IsoCodes(const CurrencyTable& table);

// A rate as the rate field shows it: "0000.000000", "." as decimal separator.
QString RateFieldText(double rate);

// The rate field's text as a number, "." the decimal separator whatever the punctuation;
// blanks (empty positions) read as 0, so an empty field is 0. Raises VemoxError for text
// that is no number.
double ParseRate(const QString& text);

// One line of the file, without its line end.
QString FileLine(const CCurrencyData& record);

// What the operator typed in the add dialog.
struct AddInput {
    QString name;           // EName
    bool useIso = false;    // UseIso: an existing currency, chosen by code
    QString iso;            // EISO (in existing-currency mode, the code chosen in CBIso)
    QString rate;           // ER
    QString denomination;   // EDenom
};

// The outcome of the add dialog's checks: the record to take, or the message to show and the
// field that gets the focus.
struct AddCheck {
    enum class Field { None, EName, EISO, ER, EDenom };
    Field focus = Field::None;
    QString message;
    QString iso;   // the code as it goes into the record (upper case)
    double rate = 0.0;
    bool ok() const { return focus == Field::None; }
};

inline const QString kNoName = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "No Country Name given."));
inline const QString kNameExists = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "This country name already exists."));
inline const QString kIsoInUse =
    QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Must be your own Unique psuedo ISO value\n"
                                              "and not one in use by a given country."));
inline const QString kZeroRate =
    QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "Cannot create a new currency with 0.0 values"));
inline const QString kNoDenomination = QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "No Country Denomination given."));
inline const QString kIsoLetters =
    QStringLiteral(QT_TRANSLATE_NOOP("Vemox", "The pseudo ISO code must be three letters."));
// "%1" is the field's label: "Country Name", "Denomination".
inline const QString kUnstorable = QStringLiteral(QT_TRANSLATE_NOOP("Vemox",
    "The %1 cannot hold a line break, \"<\" or \">\", or a character outside Western European letters:\n"
    "the currency file could not be read back."));
inline const QString kCopyError =
    QStringLiteral(QT_TRANSLATE_NOOP("Vemox", " Error: Unable to complete iso/currency name set up"));
inline const QString kNotReadWhole = QStringLiteral(QT_TRANSLATE_NOOP("Vemox",
    "UserDefined.dat was not read when the currency data was loaded.\n"
    "It is kept as it is: user-defined currencies cannot be added or deleted until it loads."));

// The currencies of one session of the currency editor: the table's, and those added in the
// window. The user-defined list starts with the table's "User Defined" records in table
// order; added records are appended and owned here until the window closes.
class Session {
public:
    explicit Session(const CurrencyTable& table);

    const CurrencyTable& table() const { return table_; }

    // False when the loader did not read the file; then the file must be kept.
    bool fileWhole() const { return table_.UserFileRead(); }

    // The checks of the add dialog, in order; the first that fails gives its message and its
    // field. Names and codes are compared exactly with the table and with the currencies
    // added in this session that are still listed. In existing-currency mode the rate is
    // the chosen currency's own, not the field's rounded copy.
    AddCheck Check(const AddInput& input) const;
    // The record of input that passed the checks.
    static std::unique_ptr<CCurrencyData> Record(const AddInput& input, const AddCheck& check);

    // Appends a record filled by the add dialog; it stays valid until the session ends.
    const CCurrencyData* Add(std::unique_ptr<CCurrencyData> record);
    // Takes a record out of the user-defined list; false when it is not in it.
    bool Remove(const CCurrencyData* record);
    const std::vector<const CCurrencyData*>& UserList() const { return list_; }

    // Replaces the file with FileLines(), atomically. Raises VemoxError when the file was not
    // read at the last load, or when the write fails; the earlier file then stays whole.
    void Save(const QString& path) const;
    // One line per listed currency, in order, and every line the load could not use, as it
    // stood and where it stood among the file's currencies: nothing the operator typed is lost.
    QStringList FileLines() const;

private:
    bool Listed(const QString& name, bool byIso) const;

    const CurrencyTable& table_;
    std::vector<std::unique_ptr<CCurrencyData>> added_;
    std::vector<const CCurrencyData*> list_;
    std::vector<const CCurrencyData*> fromFile_;   // the file's currencies, as loaded
};

// The two options of the currency editor, under G_r: CCet expands the tree when ticked,
// CCdu disables the main window's update button.
struct EditorSettings {
    bool expandTree = false;            // CCet
    bool disableUpdateButton = false;   // CCdu

    // Each value; one that cannot be read keeps its default.
    static EditorSettings load();
    // Both as one change of the store; false after the operator has been told why.
    bool save() const;
};

} // namespace UserCurrencies
