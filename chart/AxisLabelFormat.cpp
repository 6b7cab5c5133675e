#include "AxisLabelFormat.h"

#include <cmath>
#include <cstdio>
#include <windows.h>

namespace {

struct PatternShape {
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

PatternShape ShapeOf(std::string_view pattern) {
    // Only the first section counts; the program's patterns have one.
    if (size_t semicolon = pattern.find(';'); semicolon != std::string_view::npos)
        pattern = pattern.substr(0, semicolon);
    PatternShape shape;
    bool fraction = false;
    for (char c : pattern) {
        if (c == '.' && !fraction)
            fraction = true;
        else if (c == ',' && !fraction)
            shape.grouping = true;
        else if (c == '0') {
            if (fraction) {
                ++shape.minDecimals;
                ++shape.maxDecimals;
            } else {
                ++shape.minIntegerDigits;
            }
        } else if (c == '#' && fraction) {
            ++shape.maxDecimals;
        }
    }
    return shape;
}

} // namespace

std::string FormatNumberPattern(double value, std::string_view pattern,
                                NumberSeparators separators) {
    if (!std::isfinite(value))
        return value != value ? "NAN" : value > 0 ? "INF" : "-INF";
    PatternShape shape = ShapeOf(pattern);

    // Round half away from zero at the last decimal the pattern allows.
    double scale = std::pow(10.0, shape.maxDecimals);
    double magnitude = std::round(std::fabs(value) * scale) / scale;
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.*f", shape.maxDecimals, magnitude);
    std::string text = digits;

    std::string integer = text, fraction;
    if (size_t dot = text.find('.'); dot != std::string::npos) {
        integer = text.substr(0, dot);
        fraction = text.substr(dot + 1);
    }
    while (int(fraction.size()) > shape.minDecimals && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (integer == "0" && shape.minIntegerDigits == 0)
        integer.clear();
    while (int(integer.size()) < shape.minIntegerDigits)
        integer.insert(integer.begin(), '0');

    std::string grouped;
    for (size_t i = 0; i < integer.size(); ++i) {
        if (shape.grouping && i > 0 && (integer.size() - i) % 3 == 0)
            grouped += separators.thousands;
        grouped += integer[i];
    }
    if (grouped.empty() && fraction.empty())
        grouped.push_back('0');
    std::string result = grouped;
    if (!fraction.empty())
        result += separators.decimal + fraction;
    if (value < 0 && magnitude != 0)
        result.insert(result.begin(), '-');
    return result;
}

NumberSeparators UserNumberSeparators() {
    NumberSeparators separators;
    char buffer[8];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, sizeof buffer) > 1)
        separators.thousands = buffer[0];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 1)
        separators.decimal = buffer[0];
    return separators;
}
