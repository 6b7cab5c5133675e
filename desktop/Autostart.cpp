#include "Autostart.h"

#include "toolkit/Exception.h"
#include "toolkit/Registry.h"

namespace {
bool RegisteredUnder(HKEY root) {
    TRegistry registry(KEY_READ);
    registry.SetRootKey(root);
    return registry.OpenKey(kRunKey, false) && registry.ValueExists(kRunValue);
}

void WriteUnder(HKEY root, const std::string& command) {
    TRegistry registry;
    registry.SetRootKey(root);
    if (!registry.OpenKey(kRunKey, true))
        throw Exception(std::string("Failed to set data for '") + kRunValue + "'");
    registry.WriteString(kRunValue, command);
}
} // namespace

std::string RunCommandOf(const std::string& programPath) {
    return "\"" + programPath + "\"";
}

bool Autostart::Registered() const {
    return RegisteredUnder(machineRoot_) || RegisteredUnder(userRoot_);
}

void Autostart::Register(const std::string& programPath) const {
    const std::string command = RunCommandOf(programPath);
    try {
        WriteUnder(machineRoot_, command);
    } catch (const Exception&) {
        WriteUnder(userRoot_, command);
    }
}
