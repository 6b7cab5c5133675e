#pragma once

#include <cstdint>

// What the test hook libraries saw, kept in the test executable, which
// exports it by this name; the libraries find it there. It outlives every
// load of a library, so a test can tell after an unload what happened.
struct HookProbe {
    int attached = 0; // loads of a test library
    int detached = 0; // its unloads
    int calls = 0;    // export calls so far, of any kind
    int getCalls = 0;
    int getOrder = 0; // which call, counted from 1, GETHOOKRECPOINTER was
    int startCalls = 0;
    int startOrder = 0;
    int stopCalls = 0;
    // The record's nine words as STARTKEYBOARDHOOK found them.
    std::uint32_t recordAtStart[9] = {};
};

inline constexpr char kHookProbeExport[] = "OstrelleTestProbe";

// The test executable's probe (HookProbe.cpp); the libraries look it up.
extern "C" HookProbe OstrelleTestProbe;

// What a test library fills every word of its record with when it loads.
inline constexpr std::uint32_t kJunkWord = 0xA5A5A5A5;
// What the library that never sets HookActive puts into BlockKey at start.
inline constexpr std::uint32_t kUntouchedBlockKey = 7;
