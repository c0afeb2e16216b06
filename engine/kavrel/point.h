#pragma once

namespace kavrel {

// A position in stand metres: X to the right, Y up.
struct Point
{
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Point &, const Point &) = default;
};

inline Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}

inline double squaredDistance(Point a, Point b)
{
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return dx * dx + dy * dy;
}

} // namespace kavrel
