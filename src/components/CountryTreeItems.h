#pragma once
// The country tree as tree items, shared by the country selector and the currency editor: the
// six node pictures, drawn here once, and the items of the regions and currencies. An item
// keeps its picture, its country name and its record, which is valid only until the table
// is reloaded.
#include "data/CountryTree.h"

#include <QIcon>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace CountryItems {

inline constexpr int PictureRole = Qt::UserRole + 1;   // CountryNode::Picture
inline constexpr int CountryRole = Qt::UserRole + 2;   // the record's country name
inline constexpr int RecordRole = Qt::UserRole + 3;    // the record itself
inline constexpr int kPictureSize = 16;

// The node picture 0 to 5 (CountryNode::Picture). A selected node shows the same picture
// as when it is not selected.
QIcon nodePicture(int index);

// Replaces the tree's content with these nodes, in their order.
void fill(QTreeWidget& tree, const std::vector<CountryNode>& roots);

// A new item for a node (and its children), not yet in a tree.
QTreeWidgetItem* makeItem(const CountryNode& node);

int picture(const QTreeWidgetItem& item);
const CCurrencyData* record(const QTreeWidgetItem& item);

} // namespace CountryItems
