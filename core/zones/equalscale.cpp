#include "equalscale.h"

#include "stand/stand.h"

EqualScale EqualScale::forMap(const Stand &stand, int mapWidth, int mapHeight)
{
    EqualScale scale;
    if (mapWidth < 1 || mapHeight < 1 || stand.width < 1 || stand.length < 1)
        return scale;
    // Pixels per metre along X and along Y are equal exactly when these
    // products are; in 64 bits they are exact.
    const qint64 xScaled = qint64(mapWidth) * stand.length;
    const qint64 yScaled = qint64(mapHeight) * stand.width;
    if (xScaled == yScaled)
        return scale;
    scale.identity = false;
    scale.yFactor = double(xScaled) / double(yScaled);
    return scale;
}
