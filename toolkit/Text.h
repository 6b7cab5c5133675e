#pragma once

#include <string>
#include <string_view>

// The program keeps text as UTF-8 and widens it only at the Win32 edge.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// printf-style formatting into a std::string; the runtime's messages use %s.
std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

// The operating system's text for an error code, without the trailing line break.
std::string SysErrorMessage(unsigned long code);
