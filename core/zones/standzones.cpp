#include "standzones.h"

#include "stand/stand.h"

namespace {

kavrel::StandRectangle standRectangle(const Stand &stand)
{
    return {double(stand.width), double(stand.length)};
}

StandZones zonesOf(std::vector<kavrel::Point> trees, kavrel::StandRectangle rectangle, int order)
{
    StandZones result;
    result.order = order;
    result.rectangle = rectangle;
    result.trees = std::move(trees);
    result.zones = kavrel::inclusionZones(result.trees, result.rectangle, order);
    return result;
}

bool hasWrittenPositions(const Stand &stand)
{
    return stand.writtenX.size() == stand.treeX.size() && stand.writtenY.size() == stand.treeY.size();
}

} // namespace

double StandZones::probability(qsizetype slot) const
{
    const double standArea = rectangle.area();
    return standArea > 0.0 ? zones.at(std::size_t(slot)).area / standArea : 0.0;
}

std::vector<kavrel::Point> writtenTreePositions(const Stand &stand)
{
    if (!hasWrittenPositions(stand))
        return mapTreePositions(stand);
    std::vector<kavrel::Point> trees;
    trees.reserve(stand.writtenX.size());
    for (std::size_t t = 0; t < stand.writtenX.size(); ++t)
        trees.push_back(kavrel::Point{stand.writtenX[t], stand.writtenY[t]});
    return trees;
}

std::vector<kavrel::Point> mapTreePositions(const Stand &stand)
{
    std::vector<kavrel::Point> trees;
    trees.reserve(std::size_t(stand.treeCount()));
    for (std::size_t t = 0; t < stand.treeX.size() && t < stand.treeY.size(); ++t)
        trees.push_back(kavrel::Point{stand.treeX[t], stand.treeY[t]});
    return trees;
}

bool treesSeparatedOnMap(const Stand &stand)
{
    return hasWrittenPositions(stand) && (stand.writtenX != stand.treeX || stand.writtenY != stand.treeY);
}

StandZones computeStandZones(const Stand &stand, int order)
{
    return zonesOf(writtenTreePositions(stand), standRectangle(stand), order);
}

StandZones computeMapZones(const Stand &stand, int order)
{
    return zonesOf(mapTreePositions(stand), standRectangle(stand), order);
}

std::vector<double> writtenZoneAreas(const Stand &stand, int order)
{
    return kavrel::inclusionZoneAreas(writtenTreePositions(stand), standRectangle(stand), order);
}
