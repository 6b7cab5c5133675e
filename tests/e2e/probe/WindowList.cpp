// Every window of one process: its top-level windows in Z order, each
// followed by all of its descendants (a parent before its children, siblings
// in Z order, which for the program's controls is their creation order).
#include "Commands.h"
#include "WindowText.h"

#include <vector>

namespace {
struct Search {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (WindowProcess(window) != search->pid)
        return TRUE;
    search->windows.push_back(window);
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&search->windows));
    return TRUE;
}

void Describe(HWND window, Json& out) {
    RECT rect{};
    GetWindowRect(window, &rect);
    RECT client{};
    GetClientRect(window, &client);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const bool child = (style & WS_CHILD) != 0;
    out.BeginObject()
        .Field("hwnd", HandleNumber(window))
        .Field("parent", HandleNumber(child ? GetParent(window) : nullptr))
        .Field("owner", HandleNumber(GetWindow(window, GW_OWNER)))
        .Field("class", WindowClass(window))
        .Field("text", WindowText(window))
        .Field("id", child ? GetDlgCtrlID(window) : 0)
        .Field("visible", IsWindowVisible(window) != FALSE)
        .Field("enabled", IsWindowEnabled(window) != FALSE)
        .Field("iconic", IsIconic(window) != FALSE)
        .Field("zoomed", IsZoomed(window) != FALSE)
        .Field("style", static_cast<long long>(static_cast<DWORD>(style)))
        .Field("exstyle",
               static_cast<long long>(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))))
        .Field("rect", rect)
        .Field("client", client)
        .EndObject();
}
} // namespace

void ListWindows(const Args& args, Json& out) {
    Search search{static_cast<DWORD>(NumberArg(args, 0)), {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    out.BeginArray();
    for (HWND window : search.windows)
        Describe(window, out);
    out.EndArray();
}

void PressButton(const Args& args, Json& out) {
    HWND button = WindowArg(args, 0);
    // Posted: the button's click ends a modal loop, which a sent message
    // would wait for.
    bool posted = PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
    out.BeginObject().Field("posted", posted).EndObject();
}

// Releases every key the desktop still holds down. A program that quits on
// a key press ends before it hears the release; with no window manager the
// release then reaches no window of Wine's, and Wine would take the key for
// held (Ctrl stuck after Ctrl+Q) for everything that runs later.
void ReleaseKeys(const Args&, Json& out) {
    out.BeginArray();
    for (int key = 0x07; key <= 0xFE; ++key) {
        if (GetAsyncKeyState(key) >= 0)
            continue;
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = WORD(key);
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof input);
        out.Int(key);
    }
    out.EndArray();
}

void Foreground(const Args&, Json& out) {
    HWND window = GetForegroundWindow();
    POINT cursor{};
    GetCursorPos(&cursor);
    out.BeginObject()
        .Field("hwnd", HandleNumber(window))
        .Field("pid", static_cast<long long>(window ? WindowProcess(window) : 0))
        .Field("class", window ? WindowClass(window) : std::string())
        .Field("text", window ? WindowText(window) : std::string())
        .Key("cursor")
        .BeginArray()
        .Int(cursor.x)
        .Int(cursor.y)
        .EndArray()
        .EndObject();
}
