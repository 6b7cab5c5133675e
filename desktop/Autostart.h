#pragma once

#include <string>
#include <windows.h>

// The value under a Run key of the registry that has Windows start the
// program at log-on: "User Ostrelle", whose data is the program's path in
// double quotes.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "User Ostrelle";

// The autostart value in one of two places: the machine-wide Run key first,
// the user's own second. Windows runs both at the user's log-on; only the
// machine-wide one needs an administrator, and Windows refuses it to a
// standard user and to an administrator without elevation.
class Autostart {
public:
    // Production: the Run keys under HKEY_LOCAL_MACHINE and
    // HKEY_CURRENT_USER.
    Autostart() : Autostart(HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER) {}
    // The Run key under other roots. Tests give roots of their own, or one
    // the registry refuses (Wine lets every key be written, where Windows
    // refuses the machine-wide one).
    Autostart(HKEY machineRoot, HKEY userRoot) : machineRoot_(machineRoot), userRoot_(userRoot) {}

    // Whether the value exists in either place, whatever its data: earlier
    // versions wrote the path without quotes. Opens the keys read-only: a
    // user without the right to write there may still read them.
    [[nodiscard]] bool Registered() const;
    // Writes the value, the path in double quotes, to the machine-wide key,
    // or where that is refused to the user's. Raises "Failed to set data
    // for 'User Ostrelle'" when both refuse it.
    void Register(const std::string& programPath) const;

private:
    HKEY machineRoot_;
    HKEY userRoot_;
};

// The command line of a Run value that starts the program at `programPath`.
// Quoted: Windows reads a command line with blanks and no quotes by trying
// each prefix as a program ("C:\Program.exe" before "C:\Program
// Files\...\Tallyvane.exe"), so a program planted there would start instead.
std::string RunCommandOf(const std::string& programPath);
