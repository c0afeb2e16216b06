#include "treeselection.h"

#include "edgetable.h"
#include "equalscale.h"
#include "stand/ordertable.h"
#include "stand/stand.h"

#include <algorithm>

TreeSelection selectNearestTree(const Stand &stand, const OrderTable &order, const EdgeTable &edges,
                                QPointF mapPoint, int mapWidth, int mapHeight)
{
    TreeSelection selection;
    const std::size_t n = std::min(stand.sortX.size(), stand.sortY.size());
    if (n == 0)
        return selection;

    const EqualScale scale = EqualScale::forMap(stand, mapWidth, mapHeight);
    const double px = mapPoint.x();
    const double py = scale.toSpaceY(mapPoint.y());
    std::size_t nearest = 0;
    double nearestDistance = pointDistance(px, py, stand.sortX[0], scale.toSpaceY(stand.sortY[0]));
    for (std::size_t t = 1; t < n; ++t) {
        const double distance = pointDistance(px, py, stand.sortX[t], scale.toSpaceY(stand.sortY[t]));
        if (distance < nearestDistance) {
            nearest = t;
            nearestDistance = distance;
        }
    }

    selection.valid = true;
    selection.sortedIndex = int(nearest) + 1;
    selection.treeNumber = order.treeNumberAt(selection.sortedIndex);
    for (qsizetype r = 0; r < edges.rows.size(); ++r) {
        const EdgeRow &row = edges.rows[r];
        if (row.i != selection.sortedIndex && row.j != selection.sortedIndex)
            continue;
        selection.edgeRows.append(int(r));
        const int other = row.i == selection.sortedIndex ? row.j : row.i;
        if (!selection.neighbours.contains(other))
            selection.neighbours.append(other);
    }
    std::sort(selection.neighbours.begin(), selection.neighbours.end());
    return selection;
}
