#include "Registry.h"

#include "Exception.h"
#include "Text.h"

#include <vector>

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    CloseKey();
    HKEY key = nullptr;
    std::wstring widePath = Widen(path);
    LSTATUS status = canCreate ? RegCreateKeyExW(root_, widePath.c_str(), 0, nullptr, 0, access_,
                                                 nullptr, &key, nullptr)
                               : RegOpenKeyExW(root_, widePath.c_str(), 0, access_, &key);
    if (status != ERROR_SUCCESS)
        return false;
    key_ = key;
    return true;
}

void TRegistry::CloseKey() {
    if (key_) {
        RegCloseKey(key_);
        key_ = nullptr;
    }
}

bool TRegistry::ValueExists(const std::string& name) const {
    return key_ && RegQueryValueExW(key_, Widen(name).c_str(), nullptr, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!key_)
        return {};
    std::wstring wideName = Widen(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw Exception(Format("Invalid data type for '%s'", name.c_str()));
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = DWORD(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key_, wideName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &bytes) != ERROR_SUCCESS)
        throw Exception(Format("Failed to get data for '%s'", name.c_str()));
    // The stored text need not end in a zero; the buffer has one spare.
    return Narrow(std::wstring(data.data()));
}

void TRegistry::WriteString(const std::string& name, const std::string& data) {
    std::wstring wideData = Widen(data);
    if (!key_ || RegSetValueExW(key_, Widen(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(wideData.c_str()),
                                DWORD((wideData.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
        throw Exception(Format("Failed to set data for '%s'", name.c_str()));
}

bool TRegistry::DeleteValue(const std::string& name) {
    return key_ && RegDeleteValueW(key_, Widen(name).c_str()) == ERROR_SUCCESS;
}

bool TRegistry::DeleteKey(const std::string& path) {
    return RegDeleteTreeW(root_, Widen(path).c_str()) == ERROR_SUCCESS;
}
