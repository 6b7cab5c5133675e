#pragma once

// Toolkit colours: 0x00BBGGRR for RGB colours; 0x80000000 + a COLOR_* index
// for the system's colours, which are looked up when drawn.
//
//   COLORREF ColorToRGB(TColor)             the GDI colour to draw with
//   bool IdentToColor(name, TColor&)        "clWhite", "clBtnFace", ... for form descriptions
#include <cstdint>
#include <string_view>
#include <windows.h>

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor kSystemColor = 0x80000000;
constexpr TColor clBtnFace = kSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = kSystemColor | COLOR_BTNSHADOW;
constexpr TColor clWindow = kSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = kSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clHighlight = kSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clInfoBk = kSystemColor | COLOR_INFOBK;

COLORREF ColorToRGB(TColor color);
// Also knows the chart's two markers by name: clNone and clDefault.
bool IdentToColor(std::string_view name, TColor& color);
