#pragma once

#include <string>

// Writes a number with a pattern of the runtime's kind, for the patterns the
// program uses ("0.00 m."):
//   '0'  a digit, always written (leading zeros pad the whole part)
//   '#'  a digit, written only when significant
//   the first '.' among the digits is the decimal point, written as the
//   decimal separator; every later '.' writes nothing
//   other characters before and after the digits are copied as they stand.
// No digit grouping. The value is rounded to the pattern's decimals.
//
//   FormatFloat("0.00 m.", 1234.5, ".") == "1234.50 m"
std::string FormatFloat(const std::string& pattern, double value,
                        const std::string& decimalSeparator);
// The same with the user's decimal separator.
std::string FormatFloat(const std::string& pattern, double value);
