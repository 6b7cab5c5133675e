#pragma once

#include "Json.h"

#include <string>
#include <vector>

// The probe's commands. Each takes its arguments (after the command's name)
// and writes one JSON value; a failure is thrown as std::runtime_error.
using Args = std::vector<std::string>;

void ListWindows(const Args& args, Json& out);    // windows <pid>
void ListTreeItems(const Args& args, Json& out);  // tree <hwnd>
void ListTooltips(const Args& args, Json& out);   // tooltips <pid>
void ListPopupMenus(const Args& args, Json& out); // menus [<pid>]
void PressButton(const Args& args, Json& out);    // press <hwnd>
void Foreground(const Args& args, Json& out);     // foreground
void ReleaseKeys(const Args& args, Json& out);    // release: keys still held down
void FindProcesses(const Args& args, Json& out);  // pids <image path or file name>
void WaitForExit(const Args& args, Json& out);    // wait <pid> <milliseconds>
void WaitForIdle(const Args& args, Json& out);    // idle <pid> <milliseconds>
void Terminate(const Args& args, Json& out);      // kill <pid>
void HoldFile(const Args& args, Json& out);       // hold <path>: until a line on stdin
void FindTextOnScreen(const Args& args,
                      Json& out); // findtext <hwnd> <font> <height> <angle> <colour> <text>
void CaptureWindow(const Args& args, Json& out); // capture <hwnd> <bmp path>

long long NumberArg(const Args& args, std::size_t i);
HWND WindowArg(const Args& args, std::size_t i);
