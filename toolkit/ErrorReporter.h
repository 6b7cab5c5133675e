#pragma once

#include <exception>
#include <functional>

// Where code below the application reports an error it has met and gone past
// (a day file that broke off, a save that could not write at midnight). The
// application binds it to its error box; tests bind it to a list they check.
// Whoever holds one reports when its operation is over, never in the middle
// of a change: showing a box runs a message loop, in which timers fire.
using ErrorReporter = std::function<void(const std::exception& error)>;
