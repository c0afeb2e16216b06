#pragma once

namespace kavrel {

// The stand is the rectangle [0, width] x [0, length] in metres.
struct StandRectangle
{
    double width = 0.0;
    double length = 0.0;

    double area() const { return width * length; }
};

} // namespace kavrel
