#include "vistaprogtwips.h"

#include <cmath>

namespace VistaProgTwips {

double roundHalfEven(double value)
{
    const double nearest = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

double perPixel(int logicalDpi)
{
    constexpr int FallbackDpi = 96;
    return PerInch / (logicalDpi > 0 ? logicalDpi : FallbackDpi);
}

int toPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(roundHalfEven(twips / twipsPerPixel));
}

} // namespace VistaProgTwips
