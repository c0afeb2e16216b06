#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct Stand;

// One boundary piece: part of the bisector of sorted trees i < j from which
// exactly k - 1 other trees are strictly nearer.
struct EdgeRow
{
    int i = 0; // sorted index (1-based)
    int j = 0;
    // End points in map pixels at full precision (for drawing); (x1, y1) is
    // the left end.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // The same truncated to one decimal (towards minus infinity) in the general
    // number form, e.g. "48.3", "0", "-0.1".
    QString x1Text, y1Text, x2Text, y2Text;

    // i, j, x1, y1, x2, y2 as the table shows them.
    QStringList texts() const;
};

struct EdgeTable
{
    int order = 1;
    QList<EdgeRow> rows; // in computation order; may be empty
};

// Called once per outer step i (1 ... n) with i * 100 / n rounded half to even.
using EdgeProgress = std::function<void(int percent)>;

// Edge table of the given order (k >= 1) on a map of mapWidth x mapHeight
// pixels (the map the trees were placed on). First re-sorts the working
// arrays with sortTrees(), so rebuild the OrderTable afterwards. Geometry is
// done in EqualScale space; on a map with equal scales the results are those
// of plain map-pixel arithmetic bit for bit. No row ever holds NaN or infinity.
EdgeTable computeEdgeTable(Stand &stand, int order, int mapWidth, int mapHeight,
                           const EdgeProgress &progress = {});

// Text of the table line "i,j,x1,y1,x2,y2".
QString edgeRowLine(const EdgeRow &row);
