// The floor of an idle Tallyvane: a program that does nothing but read the
// pointer position every 50 ms from a window timer, as its pointer poll
// does, on a hidden window and a message loop of its own.
#include <windows.h>

namespace {
LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        POINT p;
        GetCursorPos(&p);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"PointerPollFloor";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"PointerPollFloor", WS_POPUP, 0, 0,
                                  0, 0, nullptr, nullptr, instance, nullptr);
    SetTimer(window, 1, 50, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
