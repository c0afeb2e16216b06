#include "randomnumbers.h"

#include <cmath>

namespace kavrel {

namespace {

// SplitMix64's finaliser: neighbouring inputs give unrelated outputs.
std::uint64_t mix(std::uint64_t value)
{
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

// exp(-mean) must stay well above the smallest double for the product method.
constexpr double LargestDirectPoissonMean = 256.0;

} // namespace

std::uint64_t RandomNumbers::streamSeed(std::uint64_t seed, std::uint64_t stream)
{
    return mix(mix(seed) ^ mix(stream + 0x632be59bd9b4e019ULL));
}

double RandomNumbers::uniform()
{
    return double(m_engine() >> 11) * 0x1.0p-53;
}

double RandomNumbers::standardNormal()
{
    if (m_haveSpareNormal) {
        m_haveSpareNormal = false;
        return m_spareNormal;
    }
    // Marsaglia's polar method: no trigonometric functions, whose last bit
    // may differ between C libraries.
    double u = 0.0;
    double v = 0.0;
    double s = 0.0;
    do {
        u = 2.0 * uniform() - 1.0;
        v = 2.0 * uniform() - 1.0;
        s = u * u + v * v;
    } while (s >= 1.0 || s == 0.0);
    const double factor = std::sqrt(-2.0 * std::log(s) / s);
    m_spareNormal = v * factor;
    m_haveSpareNormal = true;
    return u * factor;
}

std::int64_t RandomNumbers::smallPoisson(double mean)
{
    const double limit = std::exp(-mean);
    std::int64_t count = 0;
    double product = uniform();
    while (product > limit) {
        ++count;
        product *= uniform();
    }
    return count;
}

std::int64_t RandomNumbers::poisson(double mean)
{
    if (!(mean > 0.0))
        return 0;
    // A sum of independent Poisson counts is Poisson with the summed mean,
    // so large means are drawn in parts the product method handles exactly.
    std::int64_t count = 0;
    while (mean > LargestDirectPoissonMean) {
        count += smallPoisson(LargestDirectPoissonMean);
        mean -= LargestDirectPoissonMean;
    }
    return count + smallPoisson(mean);
}

} // namespace kavrel
