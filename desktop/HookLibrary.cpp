#include "HookLibrary.h"

#include "toolkit/Exception.h"
#include "toolkit/Text.h"

namespace {
template <typename Proc> Proc Export(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
} // namespace

HookLibrary& HookLibrary::Process() {
    static HookLibrary library;
    return library;
}

bool HookLibrary::Load(const std::string& folder) {
    Clear();
    std::string path = folder;
    if (!path.empty() && path.back() != '\\' && path.back() != '/')
        path += '\\';
    path += kFileName;
    // A full path and these flags keep the loader out of the current folder
    // and the search path, for the library and for what it needs in turn
    // (taken from its own folder or from the system's). A relative path is
    // refused outright.
    module_.Reset(LoadLibraryExW(Widen(path).c_str(), nullptr,
                                 LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!module_)
        throw Exception("Could not find or load ostrelle.dll");
    getHookRecPointer_ = Export<GetRecordProc>(module_.Get(), "GETHOOKRECPOINTER");
    startKeyboardHook_ = Export<HookProc>(module_.Get(), "STARTKEYBOARDHOOK");
    stopKeyboardHook_ = Export<HookProc>(module_.Get(), "STOPKEYBOARDHOOK");
    if (!getHookRecPointer_ || !startKeyboardHook_ || !stopKeyboardHook_) {
        // Not our library: the program runs on without key events.
        Clear();
        return false;
    }
    loaded_ = true;
    return true;
}

void HookLibrary::Start(HWND keyWindow, HWND mouseWindow) {
    record_ = getHookRecPointer_();
    if (!record_)
        return;
    record_->hookActive.store(0);
    record_->keyWindow.store(KeyboardHookRecord::WordOf(keyWindow));
    record_->mouseWindow.store(KeyboardHookRecord::WordOf(mouseWindow));
    for (auto& word : record_->cleared)
        word.store(0);
    record_->blockKey.store(0);
    startKeyboardHook_();
}

void HookLibrary::Stop() {
    if (!loaded_)
        return;
    if (record_ && record_->hookActive.load() != 0)
        stopKeyboardHook_();
    Clear();
}

void HookLibrary::Clear() noexcept {
    loaded_ = false;
    record_ = nullptr;
    getHookRecPointer_ = nullptr;
    startKeyboardHook_ = nullptr;
    stopKeyboardHook_ = nullptr;
    module_.Reset();
}
