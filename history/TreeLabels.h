#pragma once

#include "toolkit/Clock.h"

#include <string>

// The two label forms of the history tree and the day files they stand for.

// "yyyy.mmmm": four-digit year, a full stop, the locale's long month name.
std::string MonthLabel(const Date& date);
// "yyyy-mm-dd" with literal hyphens.
std::string DayLabel(const Date& date);
// Whether a node's label stands for the date: it is the date's month label
// or its day label.
bool LabelShowsDate(const std::string& label, const Date& date);

// What a month label says: the four-digit year, the two-digit year and the
// two-digit month number, empty when the name is none of the locale's twelve
// (compared exactly, case and all).
struct MonthOfLabelResult {
    std::string year;
    std::string shortYear;
    std::string month;
};
MonthOfLabelResult MonthOfLabel(const std::string& label);

// The day file of a day label: the history folder + "yy-mm-dd" + ".dat".
std::string DayFileOfLabel(const std::string& historyDir, const std::string& label);

// The day file of day d (1..31) of a month label, and the pattern that all
// day files of that month match.
std::string MonthDayFile(const std::string& historyDir, const std::string& monthLabel, int day);
std::string MonthFilePattern(const std::string& monthLabel);

// A text that is no such label stands for no file: the three give nothing
// (an empty text) for it.
