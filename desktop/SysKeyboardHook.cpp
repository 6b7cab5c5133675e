#include "SysKeyboardHook.h"

#include "HookLibrary.h"

#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/FormWindow.h"
#include "toolkit/Text.h"

namespace {
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 1;
constexpr int kVersionRelease = 0;
constexpr int kVersionBuild = 0;
} // namespace

TSysKeyboardHook::TSysKeyboardHook(TComponent* owner)
    : TSysKeyboardHook(owner, ExecutableFolder()) {}

// The process-wide library state is not cleared here: a component that is
// not the first would drop the first one's library without stopping its hook.
TSysKeyboardHook::TSysKeyboardHook(TComponent* owner, std::string libraryFolder)
    : TComponent(owner), libraryFolder_(std::move(libraryFolder)) {
    if (!OwnerForm(*this))
        throw Exception("Control parent must be a form!");
    int instances = 0;
    for (TComponent* component : owner->Components())
        if (dynamic_cast<TSysKeyboardHook*>(component))
            ++instances;
    if (instances > 1)
        throw Exception("Only one instance of TSysKeyboardHook allowed on form");
    StartHook();
}

// The hidden windows go after this, with the component's other members.
TSysKeyboardHook::~TSysKeyboardHook() {
    StopHook();
}

void TSysKeyboardHook::StartHook() {
    HookLibrary& library = HookLibrary::Process();
    TFormWindow* form = OwnerForm(*this);
    if (library.Loaded() || !form)
        return;
    if (!keyWindow_)
        keyWindow_.emplace([this](HWND hwnd, UINT msg, WPARAM wp,
                                  LPARAM lp) { return KeyWindowMessage(hwnd, msg, wp, lp); },
                           form->Handle());
    // The program takes no mouse reports from the library.
    if (!mouseWindow_)
        mouseWindow_.emplace([](HWND hwnd, UINT msg, WPARAM wp,
                                LPARAM lp) { return DefWindowProcW(hwnd, msg, wp, lp); },
                             form->Handle());
    if (library.Load(libraryFolder_))
        library.Start(KeyWindow(), MouseWindow());
}

void TSysKeyboardHook::StopHook() {
    HookLibrary::Process().Stop();
}

bool TSysKeyboardHook::IsHooked() const {
    return HookLibrary::Process().Hooked();
}

std::string TSysKeyboardHook::Version() {
    return Format("%d.%d.%d.%d", kVersionMajor, kVersionMinor, kVersionRelease, kVersionBuild);
}

LRESULT TSysKeyboardHook::KeyWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYUP || msg == WM_SYSKEYUP) {
        KeyUp(static_cast<std::uint16_t>(wp & 0xFFFF));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Runs while the library's hook waits for the message to be handled, so the
// answer written to BlockKey belongs to this very key.
void TSysKeyboardHook::KeyUp(std::uint16_t key) {
    if (!onKeyDown_)
        return;
    TShiftState shift = KeyboardShiftState();
    bool allow = true;
    Application().Dispatch([&] { onKeyDown_(*this, key, shift, allow); });
    HookLibrary& library = HookLibrary::Process();
    if (library.Hooked())
        library.Record()->blockKey.store(allow ? 0 : 1);
}
