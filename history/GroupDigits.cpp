#include "GroupDigits.h"

std::string GroupDigits(int64_t n) {
    const uint64_t magnitude = n < 0 ? 0 - uint64_t(n) : uint64_t(n);
    const std::string digits = std::to_string(magnitude);
    std::string grouped = n < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}
