#pragma once
// The content of the country tree of the selector and of the currency editor, as plain data:
// the regions and sub-regions in their fixed order, and one node per currency under the exact
// region of its record. The windows turn it into tree items. A node refers to its record,
// which is valid only until the table is reloaded; the selector's drags therefore carry the
// country name, which is looked up again at the drop.
#include "data/CurrencyTable.h"

#include <QString>
#include <QStringList>
#include <vector>

struct CountryNode {
    // The node pictures of the tree's picture list (3, a currency added in the currency
    // editor, is not used by the selector).
    enum Picture { Region = 0, SubRegion = 1, Country = 2, Added = 3, NoRate = 4, UserRegion = 5 };
    static constexpr int kPictures = 6;

    QString text;
    int picture = Region;
    QString country;                    // the record's CountryName; empty for a region
    const CCurrencyData* record = nullptr;   // the currency; none for a region
    std::vector<CountryNode> children;

    bool draggable() const { return picture == Country; }
};

namespace CountryTree {

// In English; shown through translated().
inline const char* const kLocationError = QT_TRANSLATE_NOOP("Vemox", "Error on Location: %1");
inline const char* const kBuildError = QT_TRANSLATE_NOOP("Vemox", "Error: Unable to initialise Currency Changer");
inline const char* const kNoRateMessage = QT_TRANSLATE_NOOP(
    "Vemox", "This Country has no defined currency value.\nIt cannot be dragged onto an exchange pane\nor button.");

// Who shows the tree: the selector names a currency without a rate by its bare name and
// reports a failed build in a message dialog; the currency editor always shows the rate and
// reports a failure in the standard error box.
enum class Use { Selector, Editor };

// The text of a currency's node: "France (1.1 EUR)" with the current decimal separator; the
// selector shows the bare name when the currency has no rate.
QString nodeText(const CCurrencyData& record, Use use = Use::Selector);

// The regions and sub-regions, each with its picture, and no countries yet.
std::vector<CountryNode> skeleton();

// Builds the whole tree from the table, in table order. The selector offers each country
// name once, the currency that lookups find. A record of a region outside the
// tree is reported ("Error on Location: " and the region) and left out; any other failure
// is reported once and the nodes built so far are kept.
std::vector<CountryNode> build(const CurrencyTable& table, Use use = Use::Selector);

} // namespace CountryTree
