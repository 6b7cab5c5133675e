#include "DayFileName.h"

#include "toolkit/DateFormat.h"

namespace {
constexpr char kExtension[] = ".dat";
}

std::string DayFileName(const std::string& historyDir, const Date& date) {
    return historyDir + FormatDate("yy-mm-dd", date) + kExtension;
}

std::string MonthDayFilesPattern(int year, int month) {
    return FormatDate("yy-mm-", Date{year, month, 1}) + "*" + kExtension;
}
