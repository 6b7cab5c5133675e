#include "PointerTravel.h"

#include <cmath>

uint32_t PointerStep(ScreenPoint from, ScreenPoint to) {
    // Differences in 64 bits: two 32-bit coordinates can be further apart
    // than an int holds.
    auto axis = [](int32_t a, int32_t b) {
        int64_t d = int64_t(a) - int64_t(b);
        return uint16_t(uint64_t(d < 0 ? -d : d));
    };
    uint64_t dx = axis(to.x, from.x);
    uint64_t dy = axis(to.y, from.y);
    // The sum of squares in 64 bits: two 16-bit distances overflow 32 bits,
    // and a wrapped negative sum has no root.
    double length = std::sqrt(double(dx * dx + dy * dy));
    return uint32_t(std::nearbyint(length));
}

uint32_t PixelsToDecimetres(uint32_t pixels, int pixelsPerInch) {
    if (pixelsPerInch <= 0)
        return 0;
    long double decimetres = (long double)pixels / pixelsPerInch * 0.254L;
    return uint32_t(std::nearbyintl(decimetres));
}

unsigned AlignedMinuteInterval(int seconds) {
    if (seconds < 0 || seconds > 59)
        seconds = 0;
    return unsigned(60 - seconds) * 1000u;
}
