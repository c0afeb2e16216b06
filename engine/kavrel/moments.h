#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kavrel {

// Mean and spread of a stream of values (Welford's update).
class Moments
{
public:
    void add(double value)
    {
        ++m_count;
        const double delta = value - m_mean;
        m_mean += delta / double(m_count);
        m_squares += delta * (value - m_mean);
    }
    std::int64_t count() const { return m_count; }
    double mean() const { return m_count > 0 ? m_mean : std::numeric_limits<double>::quiet_NaN(); }
    double standardDeviation() const
    {
        return m_count > 1 ? std::sqrt(m_squares / double(m_count - 1))
                           : std::numeric_limits<double>::quiet_NaN();
    }

private:
    std::int64_t m_count = 0;
    double m_mean = 0.0;
    double m_squares = 0.0;
};

} // namespace kavrel
