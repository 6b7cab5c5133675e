#include "IniFile.h"

#include "Conversions.h"
#include "Exception.h"
#include "Text.h"

#include <vector>
#include <windows.h>

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    std::wstring wideSection = Widen(section), wideKey = Widen(key);
    std::wstring wideDefault = Widen(defaultValue), wideFile = Widen(fileName_);
    // The profile function cuts a long value to the buffer without saying so,
    // other than by filling it: grow until the value fits.
    std::vector<wchar_t> buffer(256);
    for (;;) {
        DWORD n =
            GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                     buffer.data(), DWORD(buffer.size()), wideFile.c_str());
        if (n + 1 < buffer.size() || buffer.size() >= (1u << 20))
            return Narrow(std::wstring_view(buffer.data(), n));
        buffer.resize(buffer.size() * 4);
    }
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    std::string text = ReadString(section, key, "");
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return defaultValue;
    int32_t value = 0;
    return TryStrToInt(std::string_view(text).substr(first, last - first + 1), value)
               ? value
               : defaultValue;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    if (!WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                    Widen(value).c_str(), Widen(fileName_).c_str()))
        throw Exception(Format("Unable to write to %s", fileName_.c_str()));
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, IntToStr(value));
}
