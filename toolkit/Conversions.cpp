#include "Conversions.h"

#include "Exception.h"

bool TryStrToInt(std::string_view text, int32_t& value) noexcept {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t(INT32_MAX) + 1)
            return false;
    }
    int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX)
        return false;
    value = int32_t(signedValue);
    return true;
}

int32_t StrToInt(std::string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw Exception("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}
