#pragma once

#include "Clock.h"

#include <string>

// The locale's long month name (1..12) and abbreviated weekday name.
std::string LongMonthName(int month);
std::string ShortDayName(const Date& date);

// Writes a date with a pattern of the runtime's kind: "yyyy", "yy", "mmmm",
// "mm", "m", "dd", "d", "ddd"; any other character is copied as it stands.
// The program uses "yyyy.mmmm", "yyyy-mm-dd", "yy-mm-dd", "dd.mm.yyyy", "ddd".
std::string FormatDate(const std::string& pattern, const Date& date);

// 0 = Sunday .. 6 = Saturday.
int DayOfWeek(const Date& date);
