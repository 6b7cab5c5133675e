#include "ScreenDpi.h"

#include "ScreenScale.h"

namespace {
int DeviceContextPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int ppi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return ppi > 0 ? ppi : kDesignedPixelsPerInch;
}
} // namespace

int WindowPixelsPerInch(HWND hwnd) {
    const UINT ppi = hwnd ? GetDpiForWindow(hwnd) : 0;
    return ppi > 0 ? int(ppi) : SystemPixelsPerInch();
}

int SystemPixelsPerInch() {
    const UINT ppi = GetDpiForSystem();
    return ppi > 0 ? int(ppi) : DeviceContextPixelsPerInch();
}

int SmallIconSize(int pixelsPerInch) {
    const int size = GetSystemMetricsForDpi(SM_CXSMICON, UINT(pixelsPerInch));
    return size > 0 ? size : ScaleLength(16, pixelsPerInch, kDesignedPixelsPerInch);
}
