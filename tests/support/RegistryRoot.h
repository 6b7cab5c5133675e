#pragma once

// Registry roots for tests of what the program writes under a root key (the
// autostart value), so that no test touches the real Run keys.
#include "toolkit/Registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <windows.h>

// A root the registry refuses to open anything under, as Windows refuses
// HKEY_LOCAL_MACHINE to a standard user (Wine as root lets every real key be
// written): a handle that is no key at all.
inline const HKEY kRefusedRoot = reinterpret_cast<HKEY>(std::uintptr_t(0x7FFF0000));

// A key of the test's own under HKEY_CURRENT_USER, named after the process
// so that test programs running side by side never share one; removed with
// everything under it when the test ends.
class RegistryRoot {
public:
    explicit RegistryRoot(const std::string& name)
        : path_("Software\\TallyvaneTestRoots\\" + std::to_string(GetCurrentProcessId()) + "-" +
                name) {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
    }
    ~RegistryRoot() {
        if (key_)
            RegCloseKey(key_);
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
    RegistryRoot(const RegistryRoot&) = delete;
    RegistryRoot& operator=(const RegistryRoot&) = delete;

    HKEY Get() const { return key_; }

    // A string value of a key under this root; nothing when there is none.
    std::optional<std::string> Read(const std::string& key, const std::string& name) const {
        TRegistry registry(KEY_READ);
        registry.SetRootKey(key_);
        if (!registry.OpenKey(key, false) || !registry.ValueExists(name))
            return std::nullopt;
        return registry.ReadString(name);
    }
    void Write(const std::string& key, const std::string& name, const std::string& data) const {
        TRegistry registry;
        registry.SetRootKey(key_);
        if (registry.OpenKey(key, true))
            registry.WriteString(name, data);
    }

private:
    std::string path_;
    HKEY key_ = nullptr;
};
