// Stand-ins for ostrelle.dll that keep or break the library's contract on
// purpose, one build per way; each is built as ostrelle.dll in a folder of its
// own. None installs a hook. Which exports a build has is its .def file's
// choice; how it behaves is chosen by these macros:
//   NULL_RECORD   GETHOOKRECPOINTER gives no record;
//   NEVER_ACTIVE  STARTKEYBOARDHOOK never sets HookActive.
// Every call is counted in the test executable's HookProbe.

#include "HookProbe.h"
#include "hooklib/HookRec.h"

#include <windows.h>

#include <cstdlib>

namespace {
HookRec record;

HookProbe& Probe() {
    static HookProbe* probe = reinterpret_cast<HookProbe*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(nullptr), kHookProbeExport)));
    if (!probe)
        abort(); // loaded by something that is not the test executable
    return *probe;
}

std::uint32_t* Words() {
    return reinterpret_cast<std::uint32_t*>(&record);
}
} // namespace

extern "C" {

HookRec* WINAPI GETHOOKRECPOINTER() noexcept {
    HookProbe& probe = Probe();
    ++probe.getCalls;
    probe.getOrder = ++probe.calls;
#ifdef NULL_RECORD
    return nullptr;
#else
    return &record;
#endif
}

void WINAPI STARTKEYBOARDHOOK() noexcept {
    HookProbe& probe = Probe();
    ++probe.startCalls;
    probe.startOrder = ++probe.calls;
    for (int i = 0; i < 9; ++i)
        probe.recordAtStart[i] = Words()[i];
#ifdef NEVER_ACTIVE
    record.blockKey.store(kUntouchedBlockKey);
#else
    record.hookActive.store(1);
#endif
}

void WINAPI STOPKEYBOARDHOOK() noexcept {
    HookProbe& probe = Probe();
    ++probe.stopCalls;
    ++probe.calls;
    record.hookActive.store(0);
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        for (int i = 0; i < 9; ++i)
            Words()[i] = kJunkWord;
        ++Probe().attached;
    } else if (reason == DLL_PROCESS_DETACH) {
        ++Probe().detached;
    }
    return TRUE;
}
