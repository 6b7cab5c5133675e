#include "TreeLabels.h"

#include "toolkit/DateFormat.h"
#include "toolkit/Text.h"

std::string MonthLabel(const Date& date) {
    return FormatDate("yyyy.mmmm", date);
}

std::string DayLabel(const Date& date) {
    return FormatDate("yyyy-mm-dd", date);
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

std::string DayFileOfLabel(const std::string& historyDir, const std::string& label) {
    return historyDir + (label.size() > 2 ? label.substr(2) : std::string()) + ".dat";
}

std::string MonthDayFile(const std::string& historyDir, const std::string& monthLabel, int day) {
    MonthOfLabelResult m = MonthOfLabel(monthLabel);
    return historyDir + m.shortYear + "-" + m.month + "-" + Format("%02d", day) + ".dat";
}

std::string MonthFilePattern(const std::string& monthLabel) {
    MonthOfLabelResult m = MonthOfLabel(monthLabel);
    return m.shortYear + "-" + m.month + "-" + "*.dat";
}
