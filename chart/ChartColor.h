#pragma once

#include <cstdint>

// A toolkit colour: 0x00BBGGRR for RGB colours, plus two chart markers.
using TColor = uint32_t;

constexpr TColor clTeeColor = 0x20000000; // take the colour from the context
constexpr TColor clNone = 0x1FFFFFFF;     // no colour at all

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBtnFace = 0x8000000F;   // system colour: face of 3-D elements
constexpr TColor clBtnShadow = 0x80000010; // system colour: shadow of 3-D elements
constexpr TColor clBtnHighlight = 0x80000014;

// A colour as plain RGB for drawing: system colours looked up, the default
// colour replaced by `fallback`.
TColor ChartColorToRGB(TColor color, TColor fallback = clBlack);
