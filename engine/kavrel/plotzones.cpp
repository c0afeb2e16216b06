#include "plotzones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kavrel {

namespace {

// Antiderivative of sqrt(r^2 - x^2) on [0, r].
double circularSegmentIntegral(double x, double radius)
{
    const double clamped = std::min(x, radius);
    return 0.5 * (clamped * std::sqrt(std::max(0.0, radius * radius - clamped * clamped)) +
                  radius * radius * std::asin(clamped / radius));
}

// Area of the disc of `radius` around the origin within [0, x] x [0, y],
// for x, y >= 0.
double quadrantCornerArea(double x, double y, double radius)
{
    x = std::min(x, radius);
    y = std::min(y, radius);
    if (x * x + y * y <= radius * radius)
        return x * y;
    // Up to where the circle is higher than y the strip is y high, beyond it
    // the circle bounds it.
    const double below = std::sqrt(radius * radius - y * y);
    return below * y + circularSegmentIntegral(x, radius) - circularSegmentIntegral(below, radius);
}

// Signed area of the disc around the origin within the rectangle spanned by
// the origin and (x, y): the corner areas then add up inclusion-exclusion
// style to the area within any rectangle.
double signedCornerArea(double x, double y, double radius)
{
    const double area = quadrantCornerArea(std::abs(x), std::abs(y), radius);
    return (x < 0.0) != (y < 0.0) ? -area : area;
}

} // namespace

double discAreaInExtent(Point centre, double radius, Extent extent)
{
    if (!(radius > 0.0))
        return 0.0;
    const double left = extent.left - centre.x;
    const double right = extent.right - centre.x;
    const double bottom = extent.bottom - centre.y;
    const double top = extent.top - centre.y;
    if (left >= radius || right <= -radius || bottom >= radius || top <= -radius)
        return 0.0;
    const double area = signedCornerArea(right, top, radius) - signedCornerArea(left, top, radius) -
                        signedCornerArea(right, bottom, radius) + signedCornerArea(left, bottom, radius);
    // Rounding must not push the area past what the disc or the rectangle has.
    return std::clamp(area, 0.0, std::min(std::numbers::pi * radius * radius, extent.area()));
}

std::vector<double> plotZoneAreas(const std::vector<Point> &trees, double radius, Extent region)
{
    std::vector<double> areas;
    areas.reserve(trees.size());
    for (const Point tree : trees)
        areas.push_back(discAreaInExtent(tree, radius, region));
    return areas;
}

} // namespace kavrel
