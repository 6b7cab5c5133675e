#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Whole-number parsing as the runtime does it: an optional sign and decimal
// digits that fit a signed 32-bit integer, nothing else. Anything else raises
// "'%s' is not a valid integer value".
[[nodiscard]] int32_t StrToInt(std::string_view text);
[[nodiscard]] bool TryStrToInt(std::string_view text, int32_t& value) noexcept;

std::string IntToStr(int64_t value);
