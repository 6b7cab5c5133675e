#pragma once

#include <windows.h>

// What the benchmark's two minimal programs share with the benchmark that
// starts them: file names and the colour the one-window program paints.
constexpr wchar_t kPointerPollFloorExe[] = L"PointerPollFloor.exe";
constexpr wchar_t kOneWindowFloorExe[] = L"OneWindowFloor.exe";
constexpr COLORREF kOneWindowFloorColor = RGB(0x20, 0x60, 0xA0);
