#include "ChartColor.h"

#include <windows.h>

TColor ChartColorToRGB(TColor color, TColor fallback) {
    if (color == clTeeColor)
        color = fallback;
    if (color & 0x80000000)
        return TColor(GetSysColor(int(color & 0xFF)));
    return color & 0xFFFFFF;
}
