#pragma once
// The content of the country selector's tree, as plain data: the regions and sub-regions in
// their fixed order, and one node per currency under the exact region of its record. The
// window turns it into tree items; drags carry a node's country name, never the record.
#include "data/CurrencyTable.h"

#include <QString>
#include <QStringList>
#include <vector>

struct CountryNode {
    // The node pictures of the tree's picture list (3 is not used by the selector).
    enum Picture { Region = 0, SubRegion = 1, Country = 2, Spare = 3, NoRate = 4, UserRegion = 5 };
    static constexpr int kPictures = 6;

    QString text;
    int picture = Region;
    QString country;                    // the record's CountryName; empty for a region
    std::vector<CountryNode> children;

    bool draggable() const { return picture == Country; }
};

namespace CountryTree {

inline const QString kLocationError = QStringLiteral("Error on Location: ");
inline const QString kBuildError = QStringLiteral("Error: Unable to initialise Currency Changer");
inline const QString kNoRateMessage = QStringLiteral(
    "This Country has no defined currency value.\nIt cannot be dragged onto an exchange pane\nor button.");

// The text of a currency's node: "France (1.1 EUR)" with the current decimal separator, or
// the bare name when the currency has no rate.
QString nodeText(const CCurrencyData& record);

// The regions and sub-regions, each with its picture, and no countries yet.
std::vector<CountryNode> skeleton();

// Builds the whole tree from the table, in table order. A record of a region outside the
// tree is reported ("Error on Location: " and the region) and left out; any other failure
// is reported once and the nodes built so far are kept.
std::vector<CountryNode> build(const CurrencyTable& table);

} // namespace CountryTree
