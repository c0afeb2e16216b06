#pragma once

#include "point.h"

#include <vector>

namespace kavrel {

// An axis-parallel rectangle given by its sides, in metres.
struct Extent
{
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;

    double width() const { return right - left; }
    double length() const { return top - bottom; }
    double area() const { return width() * length(); }
    bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top; }
};

// Exact area of the part of the disc of `radius` around `centre` that lies
// in `extent` (0 for a radius that is not positive).
double discAreaInExtent(Point centre, double radius, Extent extent);

// The fixed-area plot zone of each tree: the disc of the plot radius around
// it, within the region the sample points come from.
std::vector<double> plotZoneAreas(const std::vector<Point> &trees, double radius, Extent region);

} // namespace kavrel
