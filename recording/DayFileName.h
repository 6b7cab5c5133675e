#pragma once

#include "toolkit/Clock.h"

#include <string>

// The file that keeps a day's records: the history folder (with its trailing
// backslash), the date as "yy-mm-dd", and ".dat". The 8th of December 2026 is
// kept in 26-12-08.dat.
std::string DayFileName(const std::string& historyDir, const Date& date);

// The pattern that the names of all day files of a month match, without a
// folder: "yy-mm-*.dat".
std::string MonthDayFilesPattern(int year, int month);
