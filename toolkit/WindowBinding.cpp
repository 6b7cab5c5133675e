#include "WindowBinding.h"

#include "Application.h"

#include <commctrl.h>

namespace {
// A property rather than GWLP_USERDATA: a native control's user data is not
// ours to take, and any window may be asked whom it belongs to (the parent
// asks the child a notification comes from).
constexpr wchar_t kObjectProperty[] = L"Tallyvane.Object";
constexpr UINT_PTR kSubclassId = 1;

WindowObject* Bound(HWND hwnd) {
    return hwnd ? static_cast<WindowObject*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

void Bind(WindowObject& object, HWND hwnd) {
    SetPropW(hwnd, kObjectProperty, &object);
    object.WindowBound(hwnd);
}

template <typename Default>
LRESULT Deliver(WindowObject& object, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                Default byDefault) noexcept {
    LRESULT result = 0;
    bool handled = false;
    Application().DispatchWindowMessage(msg, [&] {
        result = object.WindowMessage(hwnd, msg, wp, lp);
        handled = true;
    });
    if (!handled) {
        // The error has been shown; the message still needs an answer.
        try {
            result = byDefault();
        } catch (...) {
        }
    }
    // Unless the object cut the window off itself while it handled the message.
    if (msg == WM_NCDESTROY && Bound(hwnd) == &object) {
        UnbindWindow(hwnd);
        object.WindowUnbound(hwnd);
    }
    return result;
}

LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE)
        if (auto* object =
                static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams))
            Bind(*object, hwnd);
    if (WindowObject* object = Bound(hwnd))
        return Deliver(*object, hwnd, msg, wp, lp,
                       [&] { return DefWindowProcW(hwnd, msg, wp, lp); });
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR /*id*/,
                              DWORD_PTR data) noexcept {
    return Deliver(*reinterpret_cast<WindowObject*>(data), hwnd, msg, wp, lp,
                   [&] { return DefSubclassProc(hwnd, msg, wp, lp); });
}

// The platform keeps a class for the life of the process: registering once is
// asking it whether it has the class already.
void RegisterOnce(const WindowClass& windowClass) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, windowClass.name, &wc))
        return;
    wc.style = windowClass.style;
    wc.lpfnWndProc = &ClassProc;
    wc.hInstance = instance;
    wc.hCursor = windowClass.cursor ? LoadCursorW(nullptr, windowClass.cursor) : nullptr;
    wc.hIcon = windowClass.icon ? LoadIconW(instance, windowClass.icon) : nullptr;
    wc.lpszClassName = windowClass.name;
    RegisterClassExW(&wc);
}
} // namespace

HWND CreateBoundWindow(WindowObject& object, const WindowClass& windowClass, DWORD exStyle,
                       const wchar_t* text, DWORD style, int x, int y, int width, int height,
                       HWND parent) {
    RegisterOnce(windowClass);
    return CreateWindowExW(exStyle, windowClass.name, text, style, x, y, width, height, parent,
                           nullptr, GetModuleHandleW(nullptr), &object);
}

void SubclassBound(WindowObject& object, HWND hwnd) {
    Bind(object, hwnd);
    SetWindowSubclass(hwnd, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&object));
}

WindowObject* BoundObject(HWND hwnd) {
    return Bound(hwnd);
}

void UnbindWindow(HWND hwnd) {
    if (!hwnd)
        return;
    RemoveWindowSubclass(hwnd, &SubclassProc, kSubclassId);
    RemovePropW(hwnd, kObjectProperty);
}
