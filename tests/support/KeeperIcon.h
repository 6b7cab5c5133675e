#pragma once

#include "toolkit/MessageWindow.h"

#include <windows.h>

#include <shellapi.h>

// Wine's notification area hides its window when its last icon goes, and
// without a window manager every hiding waits two seconds for one. An icon
// of the tests' own keeps the window up for the whole run.
class KeeperIcon {
public:
    KeeperIcon()
        : window_([](HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(h, m, w, l); }) {
        data_.cbSize = sizeof data_;
        data_.hWnd = window_.Handle();
        data_.uID = 1;
        data_.uFlags = NIF_ICON | NIF_TIP;
        data_.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        lstrcpyA(data_.szTip, "Tests");
        Shell_NotifyIconA(NIM_ADD, &data_);
    }
    ~KeeperIcon() { Shell_NotifyIconA(NIM_DELETE, &data_); }

private:
    MessageWindow window_;
    NOTIFYICONDATAA data_{};
};

// Puts the keeper icon up for the rest of the test process.
inline void KeepTrayWindowUp() {
    static KeeperIcon keeper;
}
