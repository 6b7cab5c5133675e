#pragma once

#include "DayTotals.h"
#include "toolkit/Clock.h"

#include <optional>
#include <string>

// The texts of the hover readouts, from plain values. Values are rounded to
// the nearest whole number, halves to even (1234.5 gives 1234, 1235.5 1236).

// "Total keys pressed: 1 234; Total mouse: 1234.50 m": the keys in digit
// groups, the travel in metres with two decimals and the given separator.
std::string TreeHintText(const DayTotals& totals, const std::string& decimalSeparator);

// "Mouse distance, dm per minute [09:41 - 57]": a point of the day chart,
// x a minute of the day, y its value, both rounded.
std::string DayReadoutText(const std::string& title, double x, double y);

// The short weekday name of day `day` of month `month` ("12") of year
// `year` ("2026"), the date read as "dd.mm.yyyy" whatever the user's date
// settings; nothing when the month has no such day.
std::optional<std::string> WeekdayOf(const std::string& year, const std::string& month, int day,
                                     const Clock& clock);

// "Keys pressed, count per day [2026.12.08 (Tue) - 12 345]": a point of the
// month chart, y rounded and in digit groups.
std::string MonthReadoutText(const std::string& title, const std::string& year,
                             const std::string& month, int day, const std::string& weekday,
                             double y);
