#include "TreeLabels.h"

#include "recording/DayFileName.h"
#include "toolkit/DateFormat.h"
#include "toolkit/Text.h"

#include <optional>
#include <string_view>

std::string MonthLabel(const Date& date) {
    return FormatDate("yyyy.mmmm", date);
}

std::string DayLabel(const Date& date) {
    return FormatDate("yyyy-mm-dd", date);
}

bool LabelShowsDate(const std::string& label, const Date& date) {
    return label == MonthLabel(date) || label == DayLabel(date);
}

MonthOfLabelResult MonthOfLabel(const std::string& label) {
    MonthOfLabelResult result;
    result.year = label.substr(0, 4);
    result.shortYear = label.size() > 2 ? label.substr(2, 2) : std::string();
    const std::string name = label.size() > 5 ? label.substr(5) : std::string();
    for (int month = 1; month <= 12; ++month) {
        if (name == LongMonthName(month)) {
            result.month = Format("%02d", month);
            break;
        }
    }
    return result;
}

namespace {
// The number that a text of decimal digits only spells.
std::optional<int> DigitsValue(std::string_view text) {
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The date of a day label "yyyy-mm-dd".
std::optional<Date> DateOfDayLabel(const std::string& label) {
    if (label.size() != 10 || label[4] != '-' || label[7] != '-')
        return std::nullopt;
    const std::string_view text = label;
    const std::optional<int> year = DigitsValue(text.substr(0, 4));
    const std::optional<int> month = DigitsValue(text.substr(5, 2));
    const std::optional<int> day = DigitsValue(text.substr(8, 2));
    if (!year || !month || !day)
        return std::nullopt;
    return Date{*year, *month, *day};
}

struct YearAndMonth {
    int year;
    int month;
};

// The year and the month number of a month label.
std::optional<YearAndMonth> YearAndMonthOfLabel(const std::string& label) {
    const MonthOfLabelResult m = MonthOfLabel(label);
    const std::optional<int> year = DigitsValue(m.year);
    const std::optional<int> month = DigitsValue(m.month);
    if (m.year.size() != 4 || !year || !month)
        return std::nullopt;
    return YearAndMonth{*year, *month};
}
} // namespace

std::string DayFileOfLabel(const std::string& historyDir, const std::string& label) {
    const std::optional<Date> date = DateOfDayLabel(label);
    return date ? DayFileName(historyDir, *date) : std::string();
}

std::string MonthDayFile(const std::string& historyDir, const std::string& monthLabel, int day) {
    const std::optional<YearAndMonth> m = YearAndMonthOfLabel(monthLabel);
    return m ? DayFileName(historyDir, {m->year, m->month, day}) : std::string();
}

std::string MonthFilePattern(const std::string& monthLabel) {
    const std::optional<YearAndMonth> m = YearAndMonthOfLabel(monthLabel);
    return m ? MonthDayFilesPattern(m->year, m->month) : std::string();
}
