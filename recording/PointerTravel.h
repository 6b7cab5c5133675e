#pragma once

#include <cstdint>

struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// Pixels between two polled positions: each axis distance taken as an
// unsigned 16-bit number, the straight length rounded half to even, so a
// one-pixel diagonal step counts 1.
uint32_t PointerStep(ScreenPoint from, ScreenPoint to);

// Whole decimetres nearest to pixels / ppi * 0.254, halves to even.
uint32_t PixelsToDecimetres(uint32_t pixels, int pixelsPerInch);

// The first minute tick falls on the next wall-clock minute: (60 - s) s.
unsigned AlignedMinuteInterval(int seconds);
