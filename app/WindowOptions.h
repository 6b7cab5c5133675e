#pragma once

#include "toolkit/Geometry.h"

#include <string>

// The main window's settings as options.ini keeps them (section PosSize):
// its state, place and size in the window's real pixels, and the tree's
// width.
struct WindowOptions {
    // The numbers the file holds for WindowState.
    enum class State { Hidden = 0, Normal = 1, Maximised = 2 };

    State state = State::Normal;
    TRect bounds;
    int treeWidth = 0;

    bool operator==(const WindowOptions&) const = default;
};

// The file's settings over `designed`: a key that is missing, or whose text
// is not a number, keeps the designed value, except the state, which is then
// Normal, as is any state other than 0 and 2. Bounds are read for a window that is not maximised
// only, and a stored size below 150 × 100 grows to it, so the window can be found.
WindowOptions ReadWindowOptions(const std::string& path, const WindowOptions& designed);

// Writes them. A maximised window writes its state and the tree's width
// only: the bounds it goes back to when restored stay as they were stored.
void WriteWindowOptions(const std::string& path, const WindowOptions& options);
