#pragma once

// Reading a date with private format settings, as the runtime does it.
//
//   TFormatSettings fileNames{'-', "yy-mm-dd"};
//   Date d = StrToDate("26-12-08", fileNames, clock);
//
// The text is two or three numbers split by DateSeparator; their order is the
// order of y, m and d in ShortDateFormat. With two numbers the year is the
// clock's. A year of one or two digits is put in the clock's current century
// (08 in 2026 is 2008, 99 is 2099); three or four digits are taken as
// written. Blanks around the text are allowed. Anything else, or a day the
// month does not have, raises "'%s' is not a valid date" with the text.
#include "Clock.h"

#include <string>
#include <string_view>

struct TFormatSettings {
    char DateSeparator = '/';
    std::string ShortDateFormat = "dd/mm/yyyy";
};

[[nodiscard]] Date StrToDate(std::string_view text, const TFormatSettings& settings,
                             const Clock& clock);
[[nodiscard]] bool TryStrToDate(std::string_view text, const TFormatSettings& settings,
                                const Clock& clock, Date& date);
