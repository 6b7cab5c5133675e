// ostrelle.dll: the system-wide keyboard hook behind Tallyvane's key counter.
//
// It reports one key-up message per key stroke to the window that the
// keyboard hook component names in the shared record, and nothing else: it
// keeps no log, no file and no buffer of keys; a key's code lives only as long
// as the message that carries it.
//
// The hook is a low-level keyboard hook (WH_KEYBOARD_LL). Windows calls it in
// the thread that installed it, so it sees every key on the desktop without
// being loaded into other processes, and the record can be a plain global of
// this DLL: the hook never runs anywhere but in this process.
//
// The hook lives on a thread of its own, not on the program's user-interface
// thread. Every key typed anywhere waits for the hook procedure, and Windows
// drops a low-level hook that answers too slowly; the user-interface thread
// may be busy (reading day files at start-up, an error box), and the typing
// of the whole desktop must not wait on it longer than a short, fixed time.

#include "HookRec.h"

#include "toolkit/Handle.h"

#include <utility>
#include <windows.h>

namespace {

// No C runtime starts or ends this library (see CMakeLists.txt), so its
// globals are plain data: nothing would run a constructor or a destructor,
// and a global that needs one does not link (there is no atexit). The hook
// thread's handle is closed by hand where the thread is waited for.
HookRec record{};

HMODULE thisModule = nullptr;
HANDLE hookThread = nullptr;
DWORD hookThreadId = 0;

// How long a key waits for the key window's answer. Well below the system's
// low-level hook time-out (LowLevelHooksTimeout, at most one second), past
// which Windows skips the hook and, if it happens often, removes it. A key
// whose answer is late passes, and is still counted: its message stays on its
// way to the key window until the user-interface thread gets to it.
constexpr DWORD kAnswerTimeoutMs = 200;

// BlockKey while the answer for the key just sent is still to come.
constexpr std::uint32_t kNoAnswer = 2;

// Key-ups sent to the key window and not yet handled there. Touched only on
// the hook thread: the hook procedure and the delivery callback both run
// there.
int keysOnTheirWay = 0;

void CALLBACK KeyDelivered(HWND, UINT, ULONG_PTR, LRESULT) noexcept {
    --keysOnTheirWay;
}

// Windows' key-up lParam for the key the hook sees: repeat count 1, scan
// code, extended flag, Alt (context) flag, previous state down, released.
LPARAM KeyUpParam(const KBDLLHOOKSTRUCT& key) {
    LPARAM lp = 1 | (LPARAM(key.scanCode & 0xFF) << 16);
    if (key.flags & LLKHF_EXTENDED)
        lp |= LPARAM(1) << 24;
    if (key.flags & LLKHF_ALTDOWN)
        lp |= LPARAM(1) << 29;
    return lp | (LPARAM(1) << 30) | (LPARAM(1) << 31);
}

// Sends the key-up on its way and waits a short, fixed time for the answer;
// returns whether the key was refused.
//
// The message is sent with a callback, not with a time-out: a message whose
// time-out runs out is withdrawn (Wine withdraws it at once, Windows no
// longer sends to a window whose thread has not looked at its messages for
// seconds), and with it the key's count. A sent message with a callback
// stays on its way however long the user-interface thread is busy.
//
// The component writes BlockKey while it handles the message. The answer can
// be told apart from an earlier key's only while no earlier key is still on
// its way; otherwise this key passes unasked.
bool DeliverKeyUp(HWND target, UINT msg, const KBDLLHOOKSTRUCT& key) {
    const bool askForAnswer = keysOnTheirWay == 0;
    if (askForAnswer)
        record.blockKey.store(kNoAnswer);
    if (!SendMessageCallbackW(target, msg, WPARAM(key.vkCode & 0xFFFF), KeyUpParam(key),
                              KeyDelivered, 0)) {
        if (askForAnswer)
            record.blockKey.store(0);
        return false;
    }
    ++keysOnTheirWay;
    if (!askForAnswer)
        return false;
    const DWORD start = GetTickCount();
    std::uint32_t answer;
    while ((answer = record.blockKey.load()) == kNoAnswer) {
        if (GetTickCount() - start >= kAnswerTimeoutMs)
            return false;
        Sleep(1);
    }
    return answer != 0;
}

// One stroke is reported at its release: every stroke has exactly one
// release, whereas a held key repeats its key-down, so key-ups count strokes
// without remembering which keys are down. Key-downs are never delivered: the
// owner form would take them for its keyboard shortcuts.
//
// A refused key has its release swallowed; its press has already gone to its
// program, which is all a hook that decides at the release can hold back.
LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM wp, LPARAM lp) noexcept {
    if (code == HC_ACTION && (wp == WM_KEYUP || wp == WM_SYSKEYUP)) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
        HWND target = WindowOfWord(record.keyWindow.load());
        if (target && DeliverKeyUp(target, UINT(wp), key))
            return 1;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

struct StartContext {
    KernelHandle ready;
};

// Installs the hook, reports whether it is in place, then serves it until a
// WM_QUIT arrives. The thread holds a reference to this DLL and lets go of it
// only as its very last step, so the library cannot be unmapped under it even
// if the program unloads it without stopping the hook first.
DWORD WINAPI HookThread(void* parameter) noexcept {
    auto* start = static_cast<StartContext*>(parameter);
    MSG msg;
    // Make the thread's message queue now, so WM_QUIT can be posted to it
    // as soon as the start has been reported.
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    keysOnTheirWay = 0; // a callback of an earlier hook thread never comes
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, LowLevelKeyboardProc, thisModule, 0);
    record.hookActive.store(hook ? 1 : 0);
    SetEvent(start->ready.Get()); // start is gone after this
    if (hook) {
        while (GetMessageW(&msg, nullptr, 0, 0) > 0)
            DispatchMessageW(&msg);
        UnhookWindowsHookEx(hook);
        record.hookActive.store(0);
    }
    FreeLibraryAndExitThread(thisModule, 0);
}

} // namespace

extern "C" {

HookRec* WINAPI GETHOOKRECPOINTER() noexcept {
    return &record;
}

void WINAPI STARTKEYBOARDHOOK() noexcept {
    if (hookThread)
        return;
    // The reference the hook thread gives back when it ends.
    HMODULE pinned = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(&HookThread), &pinned))
        return;
    StartContext start{KernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr))};
    if (start.ready)
        hookThread = CreateThread(nullptr, 0, HookThread, &start, 0, &hookThreadId);
    if (!hookThread) {
        FreeLibrary(pinned);
        return;
    }
    WaitForSingleObject(start.ready.Get(), INFINITE);
    if (record.hookActive.load() == 0) {
        // The hook could not be installed and the thread is ending.
        WaitForSingleObject(hookThread, INFINITE);
        CloseHandle(std::exchange(hookThread, nullptr));
    }
}

void WINAPI STOPKEYBOARDHOOK() noexcept {
    if (!hookThread)
        return;
    PostThreadMessageW(hookThreadId, WM_QUIT, 0, 0);
    // The hook thread finishes the key it may be delivering (at most the
    // answer time-out, as the caller does not answer while it waits here),
    // then removes the hook. Should it not end, its reference keeps the
    // library loaded.
    WaitForSingleObject(hookThread, 5000);
    CloseHandle(std::exchange(hookThread, nullptr));
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
