#pragma once

// The mouse cursors a control can show over its client area.
//   HCURSOR LoadCursorOf(TCursor)   the shared system cursor; nullptr for crDefault
//   bool IdentToCursor(name, TCursor&)
#include <string_view>
#include <windows.h>

enum TCursor {
    crDefault = 0,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crHourGlass = -11,
    crHSplit = -14,
    crVSplit = -15,
    crNo = -18,
    crHandPoint = -21,
    crSizeAll = -22,
};

HCURSOR LoadCursorOf(TCursor cursor);
bool IdentToCursor(std::string_view name, TCursor& cursor);
