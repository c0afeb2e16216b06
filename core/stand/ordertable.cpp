#include "ordertable.h"

#include "numberformat.h"
#include "stand.h"

#include <algorithm>

QStringList OrderRow::texts() const
{
    const bool matched = treeNumber > 0;
    return {matched ? QString::number(treeNumber) : QString(),
            matched ? QString::number(position) : QString(),
            mapXText,
            mapYText,
            diameterText,
            cornerDistanceText};
}

OrderTable OrderTable::build(const Stand &stand)
{
    OrderTable table;
    const qsizetype n = qsizetype(std::min({stand.sortX.size(), stand.sortY.size(), stand.sortKey.size()}));
    const qsizetype trees = qsizetype(std::min(stand.treeMapX.size(), stand.treeMapY.size()));
    table.rows.reserve(n);
    for (qsizetype k = 0; k < n; ++k) {
        OrderRow row;
        row.position = int(k) + 1;
        row.mapXText = format0000(stand.sortX[k]);
        row.mapYText = format0000(stand.sortY[k]);
        row.cornerDistanceText = format00(stand.sortKey[k]);
        for (qsizetype j = 0; j < trees; ++j) {
            if (stand.sortX[k] == stand.treeMapX[j] && stand.sortY[k] == stand.treeMapY[j]) {
                row.treeNumber = int(j) + 1;
                if (std::size_t(j) < stand.treeD.size())
                    row.diameterText = format0(stand.treeD[j]);
            }
        }
        table.rows.append(row);
    }
    return table;
}

int OrderTable::treeNumberAt(int sortedIndex) const
{
    if (sortedIndex < 1 || sortedIndex > rows.size())
        return 0;
    return rows[sortedIndex - 1].treeNumber;
}

int OrderTable::sortedIndexOf(int treeNumber) const
{
    for (const OrderRow &row : rows) {
        if (treeNumber > 0 && row.treeNumber == treeNumber)
            return row.position;
    }
    return 0;
}
