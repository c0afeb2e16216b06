#pragma once

namespace kavrel {

// The stand is the rectangle [x0, x0 + width] x [y0, y0 + length] in metres;
// the lower-left corner is the origin unless said otherwise.
struct StandRectangle
{
    double width = 0.0;
    double length = 0.0;
    double x0 = 0.0;
    double y0 = 0.0;

    double area() const { return width * length; }
    double left() const { return x0; }
    double bottom() const { return y0; }
    double right() const { return x0 + width; }
    double top() const { return y0 + length; }
};

} // namespace kavrel
