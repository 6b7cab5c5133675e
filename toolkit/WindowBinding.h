#pragma once

// How a toolkit object and its window meet; the one way for every window the
// toolkit makes or adopts.
//
//   CreateBoundWindow(object, windowClass, ...)   a window of one of the
//       toolkit's classes (registered the first time one is made), bound to
//       the object while it is being created (WM_NCCREATE), so that no
//       message of its life misses the object
//   SubclassBound(object, hwnd)   a native control, made from the platform's
//       own class, bound by subclassing it (SetWindowSubclass)
//   BoundObject(hwnd)   the object a window is bound to, or nullptr
//   UnbindWindow(hwnd)  cuts the window off now: an object that is going
//       away calls it before it destroys its window, so the messages of the
//       destruction meet no half-destroyed object
//
// Every message of a bound window runs the object's WindowMessage through
// Application().DispatchWindowMessage (Dispatch, with the message's kind
// noted for the rule on boxes from timers): an error escaping it is shown in
// the standard error box and the message then gets its default handling
// (DefWindowProcW, or the native control's own procedure). After WM_NCDESTROY the window is unbound
// and the object hears WindowUnbound.
#include <windows.h>

class WindowObject {
public:
    // A message of the bound window; may throw (see above).
    virtual LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // The window is bound: before its first message reaches WindowMessage.
    virtual void WindowBound(HWND hwnd) noexcept = 0;
    // The window has handled its last message and is no longer bound.
    virtual void WindowUnbound(HWND hwnd) noexcept = 0;

protected:
    ~WindowObject() = default;
};

// A window class of the toolkit. The class is registered with the binding's
// own window procedure; a name stands for one set of these values.
struct WindowClass {
    const wchar_t* name;
    UINT style = 0;
    const wchar_t* cursor = nullptr; // a system cursor (IDC_ARROW), or none
    const wchar_t* icon = nullptr;   // an icon resource of the executable, or none
};

// nullptr when the platform refuses the window (GetLastError says why).
HWND CreateBoundWindow(WindowObject& object, const WindowClass& windowClass, DWORD exStyle,
                       const wchar_t* text, DWORD style, int x, int y, int width, int height,
                       HWND parent);
void SubclassBound(WindowObject& object, HWND hwnd);
WindowObject* BoundObject(HWND hwnd);
void UnbindWindow(HWND hwnd);
