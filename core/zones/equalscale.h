#pragma once

#include <QPointF>

struct Stand;

// The map is stretched independently along X and Y, so geometry (distances,
// bisectors) is done in a space where a metre is as long along Y as along X:
// map X unchanged, map Y multiplied by yFactor. On a map whose two scales are
// equal yFactor is exactly 1 and the space is the map itself.
struct EqualScale
{
    double yFactor = 1.0;
    bool identity = true;

    static EqualScale forMap(const Stand &stand, int mapWidth, int mapHeight);

    double toSpaceY(double mapY) const { return identity ? mapY : mapY * yFactor; }
    double toMapY(double spaceY) const { return identity ? spaceY : spaceY / yFactor; }
    QPointF toSpace(QPointF map) const { return {map.x(), toSpaceY(map.y())}; }
    QPointF toMap(QPointF space) const { return {space.x(), toMapY(space.y())}; }
};
