#pragma once

#include <QList>
#include <QPointF>

struct Stand;
struct EdgeTable;
struct OrderTable;

// The tree nearest to a map point, with what bounds its zone.
struct TreeSelection
{
    bool valid = false;    // false: the stand has no trees ("no selection")
    int sortedIndex = 0;   // 1-based index into the sorted working arrays
    int treeNumber = 0;    // file tree number (tree table row)
    QList<int> edgeRows;   // indices into EdgeTable::rows with i or j == sortedIndex
    QList<int> neighbours; // sorted indices of the other trees on those rows, ascending, no duplicates
};

// Nearest tree to mapPoint (map pixels), distances measured in the EqualScale
// space of that map; on ties the lowest sorted index wins. Use the same map
// size as for the edge table, and tables built from the stand's current order.
TreeSelection selectNearestTree(const Stand &stand, const OrderTable &order, const EdgeTable &edges,
                                QPointF mapPoint, int mapWidth, int mapHeight);
