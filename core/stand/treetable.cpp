#include "treetable.h"

#include "numberformat.h"
#include "stand.h"

#include <algorithm>

// X and Y come from the map position so that a nudged tree shows where it is
// now drawn, not where the file put it.
QList<QStringList> treeTableRows(const Stand &stand)
{
    QList<QStringList> rows;
    if (stand.mapWidth < 1 || stand.mapHeight < 1)
        return rows;
    const std::size_t n = std::min({stand.treeMapX.size(), stand.treeMapY.size(), stand.treeD.size()});
    rows.reserve(qsizetype(n));
    for (std::size_t t = 0; t < n; ++t) {
        const double x = stand.treeMapX[t] * stand.width / stand.mapWidth;
        const double y = stand.length - stand.treeMapY[t] * stand.length / stand.mapHeight;
        rows.append({QString::number(t + 1), format00(x), format00(y), format0(stand.treeD[t])});
    }
    return rows;
}
