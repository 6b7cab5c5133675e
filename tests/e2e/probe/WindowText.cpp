#include "WindowText.h"

#include "toolkit/Text.h"

#include <algorithm>

namespace {
constexpr UINT kAnswerTimeoutMs = 2000;
}

namespace {
// Edit controls keep their text themselves; only a message gets it.
std::string AskedText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied))
        return {};
    text.resize(std::min<size_t>(copied, length));
    return Narrow(text);
}
} // namespace

// The text the system keeps for a window is read without a message, so a
// program that is busy (or waits for the window manager while it hides a
// window) answers at once.
std::string WindowText(HWND window) {
    if (WindowClass(window) == "Edit")
        return AskedText(window);
    wchar_t text[1024] = {};
    InternalGetWindowText(window, text, 1024);
    return Narrow(text);
}

std::string WindowClass(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Narrow(name);
}

DWORD WindowProcess(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}
