#include "HookProbe.h"

// Exported, so that the test hook libraries find it by name.
extern "C" {
__declspec(dllexport) HookProbe OstrelleTestProbe{};
}
