#pragma once

#include "point.h"

#include <cstdint>
#include <string>
#include <vector>

// Stands drawn from the point processes of simulation studies, with
// diameters from a stated distribution. All intensities are per hectare,
// lengths in metres; the stand is [0, width] x [0, length].

namespace kavrel {

enum class PatternProcess
{
    Poisson,       // homogeneous Poisson
    Thomas,        // Poisson parents, Poisson offspring with normal displacement
    MaternCluster, // Poisson parents, Poisson offspring uniform in a disc
    Inhibition,    // simple sequential inhibition: a fixed count, no pair nearer than the radius
    MaternHardCore // Matérn's second hard-core process
};

struct DiameterDistribution
{
    enum class Kind
    {
        Constant, // first
        Uniform,  // between first and second
        Normal,   // mean first, standard deviation second, redrawn until positive
        Weibull   // shape first, scale second
    };
    Kind kind = Kind::Constant;
    double first = 30.0;
    double second = 0.0;
};

struct PatternParameters
{
    PatternProcess process = PatternProcess::Poisson;
    double width = 100.0;
    double length = 100.0;
    double intensity = 400.0;       // expected trees per hectare (the fixed count for inhibition)
    std::int64_t count = -1;        // Poisson: exactly this many trees when not negative (binomial pattern)
    double parentIntensity = 20.0;  // clusters per hectare (Thomas, Matérn cluster)
    double clusterScale = 5.0;      // Thomas: standard deviation; Matérn cluster: disc radius
    double hardCoreRadius = 2.0;    // inhibition, Matérn hard-core
    DiameterDistribution diameters; // in the unit the stand file states
    std::uint64_t seed = 1;
};

struct GeneratedStand
{
    std::vector<Point> positions;
    std::vector<double> diameters;
};

// Returns an error text, empty when the parameters describe a process that
// can be drawn (for example a hard core that still leaves room for the
// intensity asked for).
std::string checkPatternParameters(const PatternParameters &parameters);

// Draws one stand. Throws std::invalid_argument when the parameters fail the
// check, and std::runtime_error when simple sequential inhibition cannot place
// its count of trees.
GeneratedStand generatePattern(const PatternParameters &parameters);

// The process's name as the command line and the stand's description give it.
std::string patternProcessName(PatternProcess process);

} // namespace kavrel
