#pragma once

#include "discdesign.h"

#include <string>
#include <vector>

namespace kavrel {

// Angle-count sampling (horizontal point sampling) with basal area factor F
// in m^2/ha: tree i is counted from every point within its limiting
// distance R_i = 50 d_i / sqrt(F), d_i in metres. Each tree then stands for
// F m^2/ha of basal area wherever its disc lies wholly inside.
double limitingDistance(double diameterMetres, double basalAreaFactor);

// "angle_count_baf4", "angle_count_baf0.5".
std::string angleCountName(double basalAreaFactor);

// Throws std::invalid_argument for a factor that is not positive and finite.
DiscDesign angleCountDesign(const std::vector<double> &diametersMetres, double basalAreaFactor);

} // namespace kavrel
