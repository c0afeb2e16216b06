#include "anglecount.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace kavrel {

double limitingDistance(double diameterMetres, double basalAreaFactor)
{
    // A negative diameter is refused by the readers; a tree of no diameter is never counted.
    return std::max(diameterMetres, 0.0) * 50.0 / std::sqrt(basalAreaFactor);
}

std::string angleCountName(double basalAreaFactor)
{
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), basalAreaFactor).ptr;
    return "angle_count_baf" + std::string(buffer.data(), end);
}

DiscDesign angleCountDesign(const std::vector<double> &diametersMetres, double basalAreaFactor)
{
    if (!(basalAreaFactor > 0.0) || !std::isfinite(basalAreaFactor))
        throw std::invalid_argument("the basal area factor must be a positive number of m2/ha");
    DiscDesign design;
    design.name = angleCountName(basalAreaFactor);
    design.radii.reserve(diametersMetres.size());
    for (const double d : diametersMetres)
        design.radii.push_back(limitingDistance(d, basalAreaFactor));
    return design;
}

} // namespace kavrel
