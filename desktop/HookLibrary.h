#pragma once

#include "KeyboardHookRecord.h"
#include "toolkit/Handle.h"

#include <string>

// ostrelle.dll as the whole process sees it: one module, its three entry
// points, whether all three were found, and the record the library returned.
// Every keyboard hook component of the program shares this one state.
class HookLibrary {
public:
    static constexpr char kFileName[] = "ostrelle.dll";

    // The process's one instance.
    static HookLibrary& Process();

    HookLibrary() = default;
    HookLibrary(const HookLibrary&) = delete;
    HookLibrary& operator=(const HookLibrary&) = delete;

    // Set once all three entry points were found, until Unload.
    bool Loaded() const { return loaded_; }
    HMODULE Module() const { return module_.Get(); }
    // The library's record, or nullptr when it gave none.
    KeyboardHookRecord* Record() const { return record_; }
    // Loaded, the record known and the library's hook installed.
    bool Hooked() const { return loaded_ && record_ && record_->hookActive.load() != 0; }

    // Loads ostrelle.dll from the given folder and nowhere else: not from the
    // current folder, not along the search path, where anyone may plant a
    // library of that name. Raises "Could not find or load ostrelle.dll" when
    // it cannot be loaded. When one of the three exports is missing it
    // unloads the library again and returns false.
    [[nodiscard]] bool Load(const std::string& folder);

    // Asks the library for its record; if it gives one, fills it in for these
    // windows and starts the library's hook. Requires Loaded().
    void Start(HWND keyWindow, HWND mouseWindow);

    // Stops the hook if it is installed, unloads the library and forgets
    // everything. Nothing happens unless Loaded().
    void Stop();

private:
    // The three exports, by these exact undecorated names. They take
    // nothing; what STARTKEYBOARDHOOK and STOPKEYBOARDHOOK return is ignored.
    using GetRecordProc = KeyboardHookRecord*(WINAPI*)();
    using HookProc = void(WINAPI*)();

    void Clear() noexcept;

    ModuleHandle module_;
    GetRecordProc getHookRecPointer_ = nullptr;
    HookProc startKeyboardHook_ = nullptr;
    HookProc stopKeyboardHook_ = nullptr;
    bool loaded_ = false;
    KeyboardHookRecord* record_ = nullptr;
};
