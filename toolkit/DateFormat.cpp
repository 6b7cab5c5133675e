#include "DateFormat.h"

#include "LocaleInfo.h"
#include "Text.h"

#include <windows.h>

namespace {
std::string TwoDigits(int value) {
    return Format("%02d", value % 100 < 0 ? -(value % 100) : value % 100);
}

size_t RunLength(const std::string& s, size_t i) {
    size_t n = 0;
    while (i + n < s.size() && (s[i + n] | 0x20) == (s[i] | 0x20))
        ++n;
    return n;
}
} // namespace

std::string LongMonthName(int month) {
    if (month < 1 || month > 12)
        return {};
    return LocaleText(LCTYPE(LOCALE_SMONTHNAME1 + (month - 1)));
}

int DayOfWeek(const Date& date) {
    // Sakamoto's method on the proleptic Gregorian calendar.
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = date.year - (date.month < 3 ? 1 : 0);
    return (y + y / 4 - y / 100 + y / 400 + offsets[(date.month - 1) % 12] + date.day) % 7;
}

std::string ShortDayName(const Date& date) {
    // LOCALE_SABBREVDAYNAME1 is Monday.
    int index = (DayOfWeek(date) + 6) % 7;
    return LocaleText(LCTYPE(LOCALE_SABBREVDAYNAME1 + index));
}

std::string FormatDate(const std::string& pattern, const Date& date) {
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        char c = char(pattern[i] | 0x20);
        size_t n = (c == 'y' || c == 'm' || c == 'd') ? RunLength(pattern, i) : 1;
        if (c == 'y') {
            out += n <= 2 ? TwoDigits(date.year) : Format("%04d", date.year);
        } else if (c == 'm') {
            if (n >= 4)
                out += LongMonthName(date.month);
            else if (n == 3)
                out += LocaleText(LCTYPE(LOCALE_SABBREVMONTHNAME1 + (date.month - 1)));
            else
                out += n == 2 ? TwoDigits(date.month) : std::to_string(date.month);
        } else if (c == 'd') {
            if (n >= 3)
                out += ShortDayName(date);
            else
                out += n == 2 ? TwoDigits(date.day) : std::to_string(date.day);
        } else {
            out += pattern[i];
        }
        i += n;
    }
    return out;
}
