#include "concentricplots.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kavrel {

DiscDesign concentricDesign(const std::vector<double> &diametersMetres, std::vector<ConcentricRing> rings)
{
    if (rings.empty())
        throw std::invalid_argument("concentric plots need at least one ring");
    for (const ConcentricRing &ring : rings) {
        if (!(ring.radiusMetres > 0.0) || !std::isfinite(ring.radiusMetres) ||
            !(ring.minimumDiameterCm >= 0.0) || !std::isfinite(ring.minimumDiameterCm))
            throw std::invalid_argument(
                "a concentric ring needs a positive radius and a diameter threshold of 0 or more");
    }
    std::sort(rings.begin(), rings.end(), [](const ConcentricRing &a, const ConcentricRing &b) {
        return a.minimumDiameterCm < b.minimumDiameterCm;
    });
    for (std::size_t r = 1; r < rings.size(); ++r) {
        if (rings[r].minimumDiameterCm == rings[r - 1].minimumDiameterCm ||
            rings[r].radiusMetres <= rings[r - 1].radiusMetres)
            throw std::invalid_argument(
                "concentric rings need different thresholds and larger radii for larger trees");
    }
    DiscDesign design;
    design.name = "concentric";
    design.radii.reserve(diametersMetres.size());
    for (const double d : diametersMetres) {
        const double centimetres = d * 100.0;
        double radius = 0.0;
        for (const ConcentricRing &ring : rings) {
            // Diameters come in metres from centimetres: 29 cm must reach the 29 cm ring.
            if (centimetres * (1.0 + 1e-12) >= ring.minimumDiameterCm)
                radius = ring.radiusMetres;
        }
        design.radii.push_back(radius);
    }
    return design;
}

} // namespace kavrel
