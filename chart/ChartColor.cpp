#include "ChartColor.h"

TColor ChartColorToRGB(TColor color, TColor fallback) {
    if (color == clTeeColor)
        color = fallback;
    if (color == clTeeColor || color == clNone)
        return clBlack;
    return TColor(ColorToRGB(color)) & 0xFFFFFF;
}
