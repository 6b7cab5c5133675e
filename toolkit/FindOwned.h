#pragma once

#include "Component.h"
#include "Exception.h"

#include <string>

// The component of class T named `name` among those `owner` holds, as a form
// description made them; an error names it when there is none of that class.
template <typename T> T& FindOwned(const TComponent& owner, const std::string& name) {
    T* found = dynamic_cast<T*>(owner.FindComponent(name));
    if (!found)
        throw Exception(owner.Name() + " has no " + name);
    return *found;
}
