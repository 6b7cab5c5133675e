#include "WindowPlacement.h"

#include <windows.h>

#include <algorithm>

namespace {
// How much of the title bar must show on one monitor for the window to be
// grabbed and moved by hand.
constexpr int kGrabWidth = 48;
constexpr int kGrabHeight = 16;
constexpr int kTitleBarHeight = 24;

int Overlap(int a0, int a1, int b0, int b1) {
    return std::min(a1, b1) - std::max(a0, b0);
}
} // namespace

TRect KeepOnScreen(TRect window, const std::vector<TRect>& workAreas) {
    if (workAreas.empty())
        return window;
    const int titleBottom = window.top + kTitleBarHeight;
    for (const TRect& area : workAreas)
        if (Overlap(window.left, window.right, area.left, area.right) >= kGrabWidth &&
            Overlap(window.top, titleBottom, area.top, area.bottom) >= kGrabHeight)
            return window;
    const TRect& home = workAreas.front();
    int width = std::clamp(window.Width(), 1, home.Width());
    int height = std::clamp(window.Height(), 1, home.Height());
    return TRect::FromBounds(home.left + (home.Width() - width) / 2,
                             home.top + (home.Height() - height) / 2, width, height);
}

std::vector<TRect> MonitorWorkAreas() {
    std::vector<TRect> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (GetMonitorInfoW(monitor, &info)) {
                auto& list = *reinterpret_cast<std::vector<TRect>*>(data);
                TRect work{info.rcWork.left, info.rcWork.top, info.rcWork.right,
                           info.rcWork.bottom};
                if (info.dwFlags & MONITORINFOF_PRIMARY)
                    list.insert(list.begin(), work);
                else
                    list.push_back(work);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}
