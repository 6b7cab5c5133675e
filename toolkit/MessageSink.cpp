#include "MessageSink.h"

#include "Text.h"

#include <windows.h>

int MessageBoxSink::Show(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), flags);
}
