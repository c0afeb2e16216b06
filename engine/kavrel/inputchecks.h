#pragma once

#include "point.h"
#include "standrectangle.h"

#include <string>
#include <vector>

// The checks every engine function makes on its input, so that a caller from
// R or Python gets a clear std::invalid_argument instead of a wrong number.
namespace kavrel {

// Largest coordinate accepted: squared distances of coordinates this far apart
// stay far from overflow and keep millimetres distinct.
inline constexpr double MaxCoordinate = 1e15;

// Throws unless every point has finite coordinates within MaxCoordinate;
// `what` names the points in the message ("tree", "sample point").
void checkPoints(const std::vector<Point> &points, const std::string &what);

// Throws unless the stand has finite corners and positive sides.
void checkStand(StandRectangle stand);

// Throws unless k >= 1.
void checkOrder(int k);

} // namespace kavrel
