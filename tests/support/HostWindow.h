#pragma once

#include "toolkit/Form.h"

#include <stdexcept>
#include <string>
#include <vector>
#include <windows.h>

// The tests' form: a real TForm that holds controls, owns components, reads
// form descriptions and finds what it read by name. Like every form, the
// first one made in a test process becomes the application's main form.
//
//   THostWindow form;                 a form as the toolkit makes one, hidden
//   THostWindow host{kHidden, r};     a host for controls: its client area
//   THostWindow host{kOnScreen, r};   is r's size, its window at r's corner
//
// A host stays hidden unless a test needs the screen (the pointer read over
// it): a window that was on screen takes Wine two seconds to go when no
// window manager runs.
class THostWindow : public TForm {
public:
    enum Shown { kHidden, kOnScreen };

    THostWindow() : TForm(nullptr) {}
    explicit THostWindow(Shown shown, TRect bounds = TRect::FromBounds(40, 40, 800, 400))
        : TForm(nullptr) {
        SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        SetClientSize(bounds.Width(), bounds.Height());
        if (shown == kOnScreen)
            Show();
    }

    template <typename T> T& Find(const std::string& name) {
        auto* found = dynamic_cast<T*>(FindComponent(name));
        if (!found)
            throw std::runtime_error("no component " + name);
        return *found;
    }

    // The window's direct children, in z-order.
    std::vector<HWND> ChildWindows() {
        std::vector<HWND> children;
        for (HWND child = GetWindow(Handle(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }
};
