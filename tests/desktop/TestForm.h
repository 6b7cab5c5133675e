#pragma once

#include "toolkit/Component.h"
#include "toolkit/FormWindow.h"
#include "toolkit/Handle.h"

#include <vector>

// A bare form for components that need one: a hidden top-level window, made
// when it is first asked for, that owns components like a real form.
class TestForm : public TComponent, public TFormWindow {
public:
    TestForm() = default;

    HWND Handle() override;
    bool HasWindow() const { return bool(window_); }
    // The form window's direct children.
    std::vector<HWND> ChildWindows() const;

private:
    WindowHandle window_;
};
