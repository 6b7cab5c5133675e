#pragma once

// TRegistry: one open key of the Windows registry at a time, under RootKey.
//
//   TRegistry reg;                          RootKey HKEY_CURRENT_USER
//   reg.SetRootKey(HKEY_LOCAL_MACHINE);
//   if (reg.OpenKey("Software\\...\\Run", true)) { ... }   creates it if missing;
//                                           false when it cannot be opened
//   ValueExists(name), ReadString(name) ("" when missing; a value that is
//   not a string raises "Invalid data type for '%s'"), WriteString(name,
//   data) raises "Failed to set data for '%s'" (also with no key open),
//   DeleteValue(name), DeleteKey(path), CloseKey(). The key closes with the
//   object.
#include <string>
#include <windows.h>

class TRegistry {
public:
    explicit TRegistry(REGSAM access = KEY_ALL_ACCESS) : access_(access) {}
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return root_; }
    void SetRootKey(HKEY root);
    [[nodiscard]] bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();
    HKEY CurrentKey() const { return key_; }

    bool ValueExists(const std::string& name) const;
    std::string ReadString(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& data);
    bool DeleteValue(const std::string& name);
    bool DeleteKey(const std::string& path);

private:
    HKEY root_ = HKEY_CURRENT_USER;
    HKEY key_ = nullptr;
    REGSAM access_;
};
