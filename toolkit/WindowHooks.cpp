#include "WindowHooks.h"

WindowHooks::Id WindowHooks::Add(Hook hook) {
    Id id = nextId_++;
    hooks_.emplace_back(id, std::move(hook));
    return id;
}

void WindowHooks::Remove(Id id) {
    for (auto it = hooks_.begin(); it != hooks_.end(); ++it)
        if (it->first == id) {
            hooks_.erase(it);
            return;
        }
}

bool WindowHooks::Run(TMessage& message) const {
    if (hooks_.empty())
        return false;
    // A hook that removes itself must not destroy the function that runs.
    const auto hooks = hooks_;
    for (const auto& [id, hook] : hooks)
        if (hook(message))
            return true;
    return false;
}
