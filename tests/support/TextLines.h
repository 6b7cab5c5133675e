#pragma once

#include "support/TempFolder.h"

#include <string>
#include <string_view>
#include <vector>

// Splits text into lines at CR LF, LF or a lone CR, as text files arrive in all
// three forms. A final line break does not start another line.
inline std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

// The lines of a file.
inline std::vector<std::string> ReadTextLines(const std::string& path) {
    return SplitTextLines(ReadFile(path));
}
