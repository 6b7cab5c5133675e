#include "FloatFormat.h"

#include "LocaleInfo.h"
#include "Text.h"

#include <cmath>

namespace {
bool IsDigitPlaceholder(char c) {
    return c == '0' || c == '#';
}
} // namespace

std::string FormatFloat(const std::string& pattern, double value,
                        const std::string& decimalSeparator) {
    const size_t begin = pattern.find_first_of("0#");
    if (begin == std::string::npos)
        return pattern;
    // The digits: placeholders, with at most one decimal point among them.
    size_t end = begin;
    size_t point = std::string::npos;
    while (end < pattern.size() && (IsDigitPlaceholder(pattern[end]) ||
                                    (pattern[end] == '.' && point == std::string::npos))) {
        if (pattern[end] == '.')
            point = end;
        ++end;
    }
    int wholeZeros = 0, decimals = 0;
    for (size_t i = begin; i < end; ++i)
        if (IsDigitPlaceholder(pattern[i])) {
            if (point == std::string::npos || i < point)
                wholeZeros += pattern[i] == '0';
            else
                ++decimals;
        }

    std::string number = Format("%.*f", decimals, value);
    const bool negative = !number.empty() && number[0] == '-';
    if (negative)
        number.erase(0, 1);
    std::string whole = number.substr(0, number.find('.'));
    const std::string fraction = decimals > 0 ? number.substr(number.find('.') + 1) : std::string();
    if (whole == "0" && wholeZeros == 0)
        whole.clear();
    if (int(whole.size()) < wholeZeros)
        whole.insert(0, size_t(wholeZeros) - whole.size(), '0');
    // A value that rounds to zero is written without its sign.
    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;

    std::string out = pattern.substr(0, begin);
    if (negative && !zero)
        out += '-';
    out += whole;
    if (decimals > 0)
        out += decimalSeparator + fraction;
    for (size_t i = end; i < pattern.size(); ++i)
        if (pattern[i] != '.')
            out += pattern[i];
    return out;
}

std::string FormatFloat(const std::string& pattern, double value) {
    return FormatFloat(pattern, value, DecimalSeparator());
}
