#pragma once

#include "Component.h"

#include <windows.h>

// What a non-visual component may ask of the form that owns it: that it is a
// form, and its window, to parent hidden windows of its own. Forms implement
// it beside TComponent.
class TFormWindow {
public:
    // The form's window, created now if it does not exist yet.
    virtual HWND Handle() = 0;

protected:
    ~TFormWindow() = default;
};

// The form that owns a component, or nullptr when the owner is none or is
// not a form.
inline TFormWindow* OwnerForm(const TComponent& component) {
    return dynamic_cast<TFormWindow*>(component.Owner());
}
