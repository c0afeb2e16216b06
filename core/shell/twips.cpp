#include "twips.h"

#include <cmath>
#include <limits>

int roundHalfToEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    // A geometry value never gets near these; clamping keeps a broken input
    // from turning into undefined behaviour.
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

double twipsPerPixelForDpi(double dotsPerInch)
{
    if (!(dotsPerInch > 0.0))
        return 15.0; // the classic 96 dpi
    return 1440.0 / dotsPerInch;
}

int twipsToPixels(double twips, double twipsPerPixel)
{
    return roundHalfToEven(twips / twipsPerPixel);
}

double pixelsToTwips(int pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}
