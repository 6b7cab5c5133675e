#pragma once

#include <string>
#include <windows.h>

// The value under a Run key of the registry that has Windows start the
// program at log-on: "User Ostrelle", whose data is the program's path.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "User Ostrelle";

class Autostart {
public:
    // Production reads and writes the machine-wide key. Tests hand in a
    // root of their own, or one that the registry refuses (Wine lets every
    // key be written, where Windows refuses the machine-wide one to a
    // standard user).
    explicit Autostart(HKEY root = HKEY_LOCAL_MACHINE) : root_(root) {}

    // Whether the value exists. Opens the key read-only: a user without the
    // right to write there may still read it.
    bool Registered() const;
    // Writes the value; raises "Failed to set data for 'User Ostrelle'" when
    // the key cannot be opened for writing or the value not written.
    void Register(const std::string& programPath) const;

private:
    HKEY root_;
};
