#include "ChartMath.h"

#include <cmath>
#include <cstdint>

int MulDivRound(int a, int b, int c) {
    if (c == 0)
        return -1;
    int64_t product = int64_t(a) * b;
    bool negative = (product < 0) != (c < 0);
    int64_t num = product < 0 ? -product : product;
    int64_t den = c < 0 ? -int64_t(c) : c;
    int64_t q = (num + den / 2) / den;
    return int(negative ? -q : q);
}

int RoundHalfEven(double value) {
    // Beyond int the conversion would be undefined; no pixel or readout
    // value comes near, so the ends of the range stand in.
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    // Explicit rather than nearbyint: the result must not depend on the
    // floating-point rounding mode a plug-in or driver may leave behind.
    double r = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        r = 2.0 * std::round(value / 2.0);
    return int(r);
}
