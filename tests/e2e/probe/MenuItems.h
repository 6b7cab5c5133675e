#pragma once

#include "Json.h"

#include <windows.h>

#include <string>

// The items of a popup menu as a JSON array: text, id, separator, checked,
// disabled, default (bold), highlighted, and where each is on the screen.
// Menu items can be read only inside the process that owns the menu under
// Wine, so this runs either in the probe (on Windows) or in the menu reader
// library that the probe loads into the program.
void DescribeMenuItems(HMENU menu, HWND menuWindow, Json& out);

// The shared memory through which the reader library answers: the probe
// puts the menu in, the library the items (UTF-8 JSON, zero-terminated).
struct MenuReaderBlock {
    long long menu;
    long long menuWindow;
    char json[60000];
};

// The block's name for one program process.
std::wstring MenuReaderBlockName(DWORD pid);
