#include "standzones.h"

#include "stand/stand.h"

double StandZones::probability(qsizetype slot) const
{
    const double standArea = rectangle.area();
    return standArea > 0.0 ? zones.at(std::size_t(slot)).area / standArea : 0.0;
}

StandZones computeStandZones(const Stand &stand, int order)
{
    StandZones result;
    result.order = order;
    result.rectangle = {double(stand.width), double(stand.length)};
    result.trees.reserve(std::size_t(stand.treeCount()));
    for (int t = 0; t < stand.treeCount(); ++t)
        result.trees.push_back(kavrel::Point{stand.treeX[std::size_t(t)], stand.treeY[std::size_t(t)]});
    result.zones = kavrel::inclusionZones(result.trees, result.rectangle, order);
    return result;
}
