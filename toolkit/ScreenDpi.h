#pragma once

// Where the screen scale comes from. The program is aware of each monitor's
// scale (its manifest says so): a window's sizes follow the monitor it is on,
// and the platform reports pixels as they are, unstretched.
//
//   WindowPixelsPerInch(hwnd)   the scale of the monitor the window is on
//   SystemPixelsPerInch()       the scale the system started the session
//                               with (the notification area's)
//   SmallIconSize(ppi)          the system's small-icon size at a scale
#include <windows.h>

int WindowPixelsPerInch(HWND hwnd);
int SystemPixelsPerInch();
int SmallIconSize(int pixelsPerInch);
