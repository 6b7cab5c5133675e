#pragma once

#include <string>

// What the user's locale says, as UTF-8 text: names of months and weekdays
// (LOCALE_* constants) and the decimal separator. Empty when it says nothing.
std::string LocaleText(unsigned long type);

// The user's decimal separator, "." in an English locale.
std::string DecimalSeparator();
