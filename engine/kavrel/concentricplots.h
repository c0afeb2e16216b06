#pragma once

#include "discdesign.h"

#include <vector>

namespace kavrel {

// One ring of a concentric plot: trees of at least `minimumDiameterCm` are
// taken within `radiusMetres`.
struct ConcentricRing
{
    double radiusMetres = 0.0;
    double minimumDiameterCm = 0.0;
};

// Concentric plots: each tree is taken within the radius of the ring with
// the largest threshold it reaches; a tree below every threshold is never
// taken (the design does not estimate it). Throws std::invalid_argument for
// no rings, a radius that is not positive or a threshold that is negative,
// and for rings whose radii do not grow with their thresholds.
DiscDesign concentricDesign(const std::vector<double> &diametersMetres, std::vector<ConcentricRing> rings);

} // namespace kavrel
