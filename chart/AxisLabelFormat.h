#pragma once

#include <string>
#include <string_view>

// The separators a number pattern uses; the chart takes them from the
// user's locale once, tests give them.
struct NumberSeparators {
    char thousands = ',';
    char decimal = '.';
};

// `value` in a number pattern of the "#,##0.###" kind: '0' a required digit,
// '#' an optional one, ',' digit groups of three, '.' the decimal point.
// Halves round away from zero; a value that rounds to zero has no sign.
std::string FormatNumberPattern(double value, std::string_view pattern,
                                NumberSeparators separators = {});

// The user's separators, read from the platform's locale.
NumberSeparators UserNumberSeparators();
