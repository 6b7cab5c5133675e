#pragma once

#include "toolkit/Geometry.h"

#include <vector>

// Where a window with stored bounds may go so that the user can reach it: a
// window whose title bar lies on no monitor (screens changed since the last
// quit) is brought onto the first work area, centred and no larger than it.
// A window that is reachable keeps its place.
TRect KeepOnScreen(TRect window, const std::vector<TRect>& workAreas);

// The work areas of the monitors, the primary one first.
std::vector<TRect> MonitorWorkAreas();
