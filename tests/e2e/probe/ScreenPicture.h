#pragma once

#include "chart/GdiBackBuffer.h"

#include <windows.h>

#include <memory>
#include <string>

// What the screen shows of a window's client area, read back from the
// display: what the user sees there, whatever the program drew it with.
// Only the parts of the window that nothing covers are the window's own.
std::unique_ptr<GdiBackBuffer> CaptureClient(HWND window);

// The picture as a 24-bit BMP file, for looking at a failed case.
void SaveBmp(const GdiBackBuffer& picture, const std::string& path);
