#pragma once

#include <functional>
#include <utility>
#include <vector>
#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Functions that see the messages of a window before its own handling, in
// the order they were added. A hook that returns true has handled the
// message: its Result is the answer, and neither the hooks after it nor the
// window see it. A hook may add or remove hooks (itself too) while it runs;
// the change counts from the next message.
class WindowHooks {
public:
    using Hook = std::function<bool(TMessage& message)>;
    using Id = int;

    Id Add(Hook hook);
    void Remove(Id id);
    // True when a hook handled the message.
    bool Run(TMessage& message) const;

private:
    std::vector<std::pair<Id, Hook>> hooks_;
    Id nextId_ = 1;
};
