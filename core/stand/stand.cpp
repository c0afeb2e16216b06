#include "stand.h"

#include "zones/hsort.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double TieFactor = 1.0001;
// Used where the factor leaves a coordinate unchanged (0, or so close to 0
// that the product rounds back): the same step the factor makes at 1 pixel.
constexpr double TieStepAtZero = 1e-4;

double nudged(double coordinate)
{
    const double moved = coordinate * TieFactor;
    return moved != coordinate ? moved : coordinate + TieStepAtZero;
}

void updateCorner(Stand &stand, std::size_t tree)
{
    stand.treeCornerDistance[tree] = pointDistance(0, 0, stand.treeMapX[tree], stand.treeMapY[tree]);
    stand.sortKey[tree] = stand.treeCornerDistance[tree];
}

void nudgeX(Stand &stand, std::size_t tree, double tiedValue)
{
    stand.treeMapX[tree] = nudged(tiedValue);
    stand.sortX[tree] = stand.treeMapX[tree];
    updateCorner(stand, tree);
    stand.treeX[tree] = stand.treeMapX[tree] * stand.width / stand.mapWidth;
}

void nudgeY(Stand &stand, std::size_t tree, double tiedValue)
{
    stand.treeMapY[tree] = nudged(tiedValue);
    stand.sortY[tree] = stand.treeMapY[tree];
    updateCorner(stand, tree);
    stand.treeY[tree] = stand.length - stand.treeMapY[tree] * stand.length / stand.mapHeight;
}

// One nudge for the first tied pair in scan order; false when there is none.
bool separateFirstTie(Stand &stand)
{
    const std::size_t n = stand.treeMapX.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (i == j)
                continue;
            if (stand.treeMapX[j] == stand.treeMapX[i]) {
                nudgeX(stand, j, stand.treeMapX[i]);
                return true;
            }
            if (stand.treeMapY[j] == stand.treeMapY[i]) {
                nudgeY(stand, j, stand.treeMapY[i]);
                return true;
            }
        }
    }
    return false;
}

} // namespace

double Stand::areaHectares() const
{
    return double(qint64(width) * qint64(length)) / 10000.0;
}

double pointDistance(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

bool placeTrees(Stand &stand, int mapWidth, int mapHeight)
{
    if (mapWidth < 1 || mapHeight < 1 || stand.width < 1 || stand.length < 1)
        return false;
    const std::size_t n = stand.treeX.size();
    if (stand.treeY.size() != n)
        return false;

    std::vector<double> mapX(n), mapY(n), corner(n);
    for (std::size_t t = 0; t < n; ++t) {
        mapX[t] = stand.treeX[t] * mapWidth / stand.width;
        mapY[t] = (stand.length - stand.treeY[t]) * mapHeight / stand.length;
        corner[t] = pointDistance(0, 0, mapX[t], mapY[t]);
        if (!std::isfinite(corner[t]))
            return false;
    }
    stand.mapWidth = mapWidth;
    stand.mapHeight = mapHeight;
    stand.treeMapX = mapX;
    stand.treeMapY = mapY;
    stand.treeCornerDistance = corner;
    stand.sortX = std::move(mapX);
    stand.sortY = std::move(mapY);
    stand.sortKey = std::move(corner);
    return true;
}

// Every nudge moves one coordinate strictly away from zero (or off zero to the
// positive side) onto a value another tree holds times the factor; the values
// only grow, so the scan cannot cycle.
void separateTies(Stand &stand)
{
    if (stand.mapWidth < 1 || stand.mapHeight < 1 || stand.sortX.size() != stand.treeMapX.size())
        return;
    while (separateFirstTie(stand)) {
    }
}

void sortTrees(Stand &stand)
{
    const std::size_t n = std::min({stand.sortKey.size(), stand.sortX.size(), stand.sortY.size()});
    hSort(int(n), stand.sortKey, stand.sortX, stand.sortY);
}

bool prepareStand(Stand &stand, int mapWidth, int mapHeight)
{
    if (!placeTrees(stand, mapWidth, mapHeight))
        return false;
    separateTies(stand);
    sortTrees(stand);
    return true;
}
