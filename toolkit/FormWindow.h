#pragma once

#include "Component.h"
#include "WindowHooks.h"

#include <windows.h>

// What a non-visual component may ask of the form that owns it: that it is a
// form, its window, to parent hidden windows of its own, and the hook list
// of that window, to see its messages before the form does. Forms implement
// it beside TComponent.
class TFormWindow {
public:
    // The form's window, created now if it does not exist yet.
    virtual HWND Handle() = 0;
    // Hooks see each message of the form's window before the form itself
    // (and before any class derived from it), in the order added.
    virtual WindowHooks::Id HookWindow(WindowHooks::Hook hook) = 0;
    virtual void UnhookWindow(WindowHooks::Id id) = 0;

protected:
    ~TFormWindow() = default;
};

// The form that owns a component, or nullptr when the owner is none or is
// not a form.
inline TFormWindow* OwnerForm(const TComponent& component) {
    return dynamic_cast<TFormWindow*>(component.Owner());
}
