#pragma once

#include <cstdint>

// A toolkit colour: 0x00BBGGRR for RGB colours, plus two chart markers.
using TColor = uint32_t;

constexpr TColor clTeeColor = 0x20000000; // take the colour from the context
constexpr TColor clNone = 0x1FFFFFFF;     // no colour at all
