#pragma once

#include <cstdint>
#include <random>

namespace kavrel {

// The random numbers of the simulations. The standard distributions may give
// other numbers with another standard library, so every variate is drawn
// here from the raw 64-bit engine: a seed gives the same stands and samples
// on every platform.
class RandomNumbers
{
public:
    explicit RandomNumbers(std::uint64_t seed) : m_engine(seed) {}

    // A seed of its own for stream `stream` of the run seeded with `seed`, so
    // that parallel parts draw independent numbers whatever thread runs them.
    static std::uint64_t streamSeed(std::uint64_t seed, std::uint64_t stream);

    // Uniform in [0, 1).
    double uniform();
    // Uniform in [low, high).
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    double standardNormal();
    // Poisson with the given mean (0 for a mean that is not positive).
    std::int64_t poisson(double mean);

private:
    std::int64_t smallPoisson(double mean);

    std::mt19937_64 m_engine;
    bool m_haveSpareNormal = false;
    double m_spareNormal = 0.0;
};

} // namespace kavrel
