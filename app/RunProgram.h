#pragma once

#include <functional>
#include <string>

// Runs Tallyvane from its folder: the application titled "Ostrelle", the main
// window and the About dialog, and the message loop until a confirmed quit.
// Returns the program's exit code (see RunProgram). Where a copy of the
// same folder runs already, that copy shows its window instead, and this
// start ends at once with 0, having read and written nothing.
int RunTallyvane(const std::string& programFolder);

// Runs a program under the application's title. An error that escapes it
// (the main window could not be made: ostrelle.dll missing or broken, a
// resource that does not load) is shown in the standard error box, and the
// exit code is 1; otherwise 0.
int RunProgram(const std::function<void()>& program);
