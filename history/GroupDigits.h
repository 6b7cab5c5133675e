#pragma once

#include <cstdint>
#include <string>

// The decimal text of n with its digits in groups of three, a blank between
// groups: 999 gives "999", 1000 "1 000", 1234567 "1 234 567". A negative
// number (a wrapped total) keeps its sign in front: "-1 234".
std::string GroupDigits(int64_t n);
