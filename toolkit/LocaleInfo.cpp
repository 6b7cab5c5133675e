#include "LocaleInfo.h"

#include "Text.h"

#include <windows.h>

std::string LocaleText(unsigned long type) {
    wchar_t buffer[128] = {};
    int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LCTYPE(type), buffer, int(std::size(buffer)));
    return n > 1 ? Narrow(std::wstring_view(buffer, size_t(n - 1))) : std::string();
}

std::string DecimalSeparator() {
    std::string separator = LocaleText(LOCALE_SDECIMAL);
    return separator.empty() ? "." : separator;
}
