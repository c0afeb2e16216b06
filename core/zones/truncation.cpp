#include "truncation.h"

#include <cmath>

double truncateDecimals(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::floor(value * scale) / scale;
}
