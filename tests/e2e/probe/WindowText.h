#pragma once

#include <windows.h>

#include <string>

// A window's text and class as UTF-8. Neither waits for the program: a
// program that does not answer cannot stall the probe.
std::string WindowText(HWND window);
std::string WindowClass(HWND window);
DWORD WindowProcess(HWND window);
