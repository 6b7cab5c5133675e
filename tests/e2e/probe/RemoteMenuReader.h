#pragma once

#include <windows.h>

#include <string>

// Reads a popup menu of another process by loading the menu reader library
// (probe_menus.dll, beside the probe) into that process for the time of the
// reading; returns the items as a JSON array.
std::string ReadMenuInProcess(DWORD pid, HMENU menu, HWND menuWindow);
