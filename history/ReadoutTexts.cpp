#include "ReadoutTexts.h"

#include "GroupDigits.h"
#include "chart/ChartMath.h"
#include "recording/ActiveSpan.h"
#include "toolkit/DateFormat.h"
#include "toolkit/FloatFormat.h"
#include "toolkit/StrToDate.h"
#include "toolkit/Text.h"

std::string TreeHintText(const DayTotals& totals, const std::string& decimalSeparator) {
    return "Total keys pressed: " + GroupDigits(totals.keys) +
           "; Total mouse: " + FormatFloat("0.00 m.", totals.mouse / 10.0, decimalSeparator);
}

std::string DayReadoutText(const std::string& title, double x, double y) {
    return title + " [" + FormatMinuteOfDay(uint16_t(RoundHalfEven(x))) + " - " +
           std::to_string(RoundHalfEven(y)) + "]";
}

std::optional<std::string> WeekdayOf(const std::string& year, const std::string& month, int day,
                                     const Clock& clock) {
    // The user's date settings never apply: the text is always day.month.year.
    const TFormatSettings dayMonthYear{'.', "dd.mm.yyyy"};
    Date date;
    if (!TryStrToDate(Format("%02d", day) + "." + month + "." + year, dayMonthYear, clock, date))
        return std::nullopt;
    return FormatDate("ddd", date);
}

std::string MonthReadoutText(const std::string& title, const std::string& year,
                             const std::string& month, int day, const std::string& weekday,
                             double y) {
    return title + " [" + year + "." + month + "." + Format("%02d", day) + " (" + weekday + ") - " +
           GroupDigits(RoundHalfEven(y)) + "]";
}
