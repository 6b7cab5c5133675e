#pragma once

#include <string>

// The day chart's bottom axis counts minutes; its labels show the hour a
// value lies in: "90" becomes "1", "1440" becomes "24". Empty text stays.
std::string HourLabel(const std::string& minuteLabel);

// Whether a pan step may move a day-chart axis to aMin..aMax: never below
// 0.1, and the bottom axis never past minute 1440 (rounded half to even).
bool AllowDayScroll(bool bottomAxis, double aMin, double aMax);
