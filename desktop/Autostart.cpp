#include "Autostart.h"

#include "toolkit/Exception.h"
#include "toolkit/Registry.h"

bool Autostart::Registered() const {
    TRegistry registry(KEY_READ);
    registry.SetRootKey(root_);
    return registry.OpenKey(kRunKey, false) && registry.ValueExists(kRunValue);
}

void Autostart::Register(const std::string& programPath) const {
    TRegistry registry;
    registry.SetRootKey(root_);
    if (!registry.OpenKey(kRunKey, true))
        throw Exception(std::string("Failed to set data for '") + kRunValue + "'");
    registry.WriteString(kRunValue, programPath);
}
