#include "DayChartRules.h"

#include "toolkit/Conversions.h"

#include <cmath>

std::string HourLabel(const std::string& minuteLabel) {
    if (minuteLabel.empty())
        return minuteLabel;
    int32_t minutes = 0;
    if (!TryStrToInt(minuteLabel, minutes))
        return minuteLabel;
    return std::to_string(minutes / 60);
}

bool AllowDayScroll(bool bottomAxis, double aMin, double aMax) {
    if (aMin < 0.1)
        return false;
    if (bottomAxis && std::nearbyint(aMax) > 1440)
        return false;
    return true;
}
