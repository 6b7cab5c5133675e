#include "StrToDate.h"

#include "Exception.h"
#include "Text.h"

#include <vector>

namespace {
enum class Field { Year, Month, Day };

// The order of the fields in a pattern such as "yy-mm-dd" or "dd.mm.yyyy".
std::vector<Field> FieldOrder(const std::string& pattern) {
    std::vector<Field> order;
    for (char c : pattern) {
        Field f;
        if (c == 'y' || c == 'Y')
            f = Field::Year;
        else if (c == 'm' || c == 'M')
            f = Field::Month;
        else if (c == 'd' || c == 'D')
            f = Field::Day;
        else
            continue;
        bool seen = false;
        for (Field g : order)
            seen = seen || g == f;
        if (!seen)
            order.push_back(f);
    }
    if (order.size() != 3)
        order = {Field::Day, Field::Month, Field::Year};
    return order;
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

struct Number {
    int value = 0;
    int digits = 0;
};
} // namespace

bool TryStrToDate(std::string_view text, const TFormatSettings& settings, const Clock& clock,
                  Date& date) {
    size_t begin = text.find_first_not_of(' ');
    size_t end = text.find_last_not_of(' ');
    if (begin == std::string_view::npos)
        return false;
    std::string_view body = text.substr(begin, end - begin + 1);

    std::vector<Number> numbers;
    Number current;
    for (char c : body) {
        if (c >= '0' && c <= '9') {
            if (++current.digits > 4)
                return false;
            current.value = current.value * 10 + (c - '0');
        } else if (c == settings.DateSeparator && current.digits > 0 && numbers.size() < 2) {
            numbers.push_back(current);
            current = {};
        } else {
            return false;
        }
    }
    if (current.digits == 0)
        return false;
    numbers.push_back(current);
    if (numbers.size() < 2)
        return false;

    int thisYear = clock.Now().date.year;
    std::vector<Field> order = FieldOrder(settings.ShortDateFormat);
    int year = thisYear, month = 0, day = 0;
    size_t next = 0;
    for (Field field : order) {
        if (field == Field::Year && numbers.size() == 2)
            continue; // no year written: the current one
        const Number& n = numbers[next++];
        if (field == Field::Year)
            year = n.digits <= 2 ? thisYear / 100 * 100 + n.value : n.value;
        else if (field == Field::Month)
            month = n.value;
        else
            day = n.value;
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysIn(year, month))
        return false;
    date = {year, month, day};
    return true;
}

Date StrToDate(std::string_view text, const TFormatSettings& settings, const Clock& clock) {
    Date date;
    if (!TryStrToDate(text, settings, clock, date))
        throw Exception(Format("'%s' is not a valid date", std::string(text).c_str()));
    return date;
}
