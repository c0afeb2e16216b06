#pragma once

// floor(value * 10^decimals) / 10^decimals: truncates towards minus infinity,
// so -0.05 with one decimal becomes -0.1.
double truncateDecimals(double value, int decimals);
