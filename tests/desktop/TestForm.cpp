#include "TestForm.h"

#include "toolkit/Exception.h"

HWND TestForm::Handle() {
    if (!window_) {
        window_.Reset(CreateWindowExW(0, L"STATIC", L"Test form", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                      100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        if (!window_)
            throw Exception("Cannot create the test form's window");
    }
    return window_.Get();
}

std::vector<HWND> TestForm::ChildWindows() const {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window_.Get(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}
