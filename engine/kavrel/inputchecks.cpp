#include "inputchecks.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace kavrel {

namespace {

bool withinRange(double value)
{
    return std::isfinite(value) && std::abs(value) <= MaxCoordinate;
}

std::string numberText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Inf" : "-Inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

} // namespace

void checkPoints(const std::vector<Point> &points, const std::string &what)
{
    for (std::size_t p = 0; p < points.size(); ++p) {
        if (!withinRange(points[p].x) || !withinRange(points[p].y)) {
            throw std::invalid_argument(what + " " + std::to_string(p + 1) + " has the coordinates (" +
                                        numberText(points[p].x) + ", " + numberText(points[p].y) +
                                        "); coordinates must be finite numbers within +-1e15");
        }
    }
}

void checkStand(StandRectangle stand)
{
    if (!withinRange(stand.x0) || !withinRange(stand.y0))
        throw std::invalid_argument("the stand's lower-left corner (" + numberText(stand.x0) + ", " +
                                    numberText(stand.y0) + ") must be finite and within +-1e15");
    if (!(stand.width > 0.0 && stand.width <= MaxCoordinate) ||
        !(stand.length > 0.0 && stand.length <= MaxCoordinate))
        throw std::invalid_argument("the stand's width and length (" + numberText(stand.width) + ", " +
                                    numberText(stand.length) + ") must be positive and finite");
}

void checkOrder(int k)
{
    if (k < 1)
        throw std::invalid_argument("the order k is " + std::to_string(k) + "; it must be at least 1");
}

} // namespace kavrel
