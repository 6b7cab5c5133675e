// The message side of TControl: how its window is bound to it, and the
// handling all controls share.
#include "Control.h"

#include "Application.h"
#include "Text.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {
// EndPaint must follow BeginPaint even when the painting code fails, or the
// window stays invalid and WM_PAINT (with its error box) comes back forever.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd_, &ps_); }
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return dc_; }
    TRect Dirty() const {
        return {ps_.rcPaint.left, ps_.rcPaint.top, ps_.rcPaint.right, ps_.rcPaint.bottom};
    }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

TShiftState MouseShift(WPARAM wParam) {
    return ShiftStateOfMouseKeys(unsigned(GET_KEYSTATE_WPARAM(wParam)), GetKeyState(VK_MENU) < 0);
}
} // namespace

TControl* TControl::FromHandle(HWND hwnd) {
    return dynamic_cast<TControl*>(BoundObject(hwnd));
}

void TControl::WindowBound(HWND hwnd) noexcept {
    handle_ = hwnd;
}

void TControl::WindowUnbound(HWND hwnd) noexcept {
    if (hwnd == handle_)
        Unbind();
}

void TControl::Unbind() noexcept {
    if (!handle_)
        return;
    if (hintTool_) {
        // The tooltip must not keep a tool for a window that is going away.
        bool wanted = showHint_;
        showHint_ = false;
        UpdateHintTool();
        showHint_ = wanted;
    }
    UnbindWindow(handle_);
    subclassed_ = false;
    handle_ = nullptr;
}

LRESULT TControl::WindowMessage(HWND /*hwnd*/, UINT msg, WPARAM wParam, LPARAM lParam) {
    return WndProc(msg, wParam, lParam);
}

LRESULT TControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (subclassed_)
        return DefSubclassProc(handle_, msg, wParam, lParam);
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT TControl::CallNative(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = Handle();
    if (subclassed_ && nativeProc_)
        return CallWindowProcW(nativeProc_, hwnd, msg, wParam, lParam);
    return SendMessageW(hwnd, msg, wParam, lParam);
}

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleCommonMessage(msg, wParam, lParam, result))
        return result;
    return DefaultHandler(msg, wParam, lParam);
}

bool TControl::HandleCommonMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        TMouseButton button = (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK)   ? mbLeft
                              : (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) ? mbRight
                                                                                   : mbMiddle;
        TShiftState shift = MouseShift(wParam);
        if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK)
            shift |= ssDouble;
        MouseDown(button, shift, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return false;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        TMouseButton button = msg == WM_LBUTTONUP   ? mbLeft
                              : msg == WM_RBUTTONUP ? mbRight
                                                    : mbMiddle;
        MouseUp(button, MouseShift(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return false;
    }
    case WM_MOUSEMOVE:
        MouseMove(MouseShift(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return false;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != handle_)
            MouseCaptureLost();
        return false;
    case WM_MOUSEWHEEL:
        if (MouseWheel(MouseShift(wParam), GET_WHEEL_DELTA_WPARAM(wParam),
                       {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
            result = 0;
            return true;
        }
        return false;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT &&
            cursor_ != crDefault) {
            ::SetCursor(LoadCursorOf(cursor_));
            result = TRUE;
            return true;
        }
        return false;
    case WM_ERASEBKGND:
        if (subclassed_)
            return false;
        if (!PaintsItself()) {
            if (!backgroundBrush_)
                backgroundBrush_.Reset(CreateSolidBrush(ColorToRGB(color_)));
            RECT r;
            GetClientRect(handle_, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r,
                     static_cast<HBRUSH>(backgroundBrush_.Get()));
        }
        result = 1;
        return true;
    case WM_PAINT:
        if (subclassed_)
            return false;
        {
            PaintScope paint(handle_);
            if (PaintsItself())
                Paint(paint.Dc(), paint.Dirty());
        }
        result = 0;
        return true;
    case WM_WINDOWPOSCHANGED:
        ReadBoundsFromWindow();
        return false;
    case WM_SIZE: {
        int width = LOWORD(lParam), height = HIWORD(lParam);
        // While scaling, the children are not yet at the new scale: the
        // scaling fits them when it is done.
        if (wParam != SIZE_MINIMIZED && !scaling_) {
            if (lastClientWidth_ >= 0 && !aligning_)
                ApplyAnchors(lastClientWidth_, lastClientHeight_, width, height);
            lastClientWidth_ = width;
            lastClientHeight_ = height;
        }
        Realign();
        Resized();
        return false;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        TControl* root = this;
        while (root->parent_)
            root = root->parent_;
        if (root == this)
            return false;
        WORD key = WORD(wParam);
        root->PreviewKeyDown(key, KeyboardShiftState());
        if (key == 0) {
            result = 0;
            return true;
        }
        return false;
    }
    case WM_COMMAND:
        if (lParam != 0)
            if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
                child && child != this && child->CommandNotify(HIWORD(wParam))) {
                result = 0;
                return true;
            }
        return false;
    case WM_NOTIFYFORMAT:
        // The hint window asks each control how to word its notifications.
        // A native control answers for its parent, or not at all (the tree),
        // and would then get ANSI requests for its hint text that nothing
        // here reads; the text is always given as Unicode.
        if (lParam == NF_QUERY && reinterpret_cast<HWND>(wParam) == Application().HintWindow()) {
            result = NFR_UNICODE;
            return true;
        }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOW &&
            header->idFrom == reinterpret_cast<UINT_PTR>(handle_)) {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            hintText_ = Widen(hint_);
            info->lpszText = hintText_.data();
            info->hinst = nullptr;
            result = 0;
            return true;
        }
        if (TControl* child = FromHandle(header->hwndFrom);
            child && child != this && child->Notify(*header, result))
            return true;
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this)
            if (HBRUSH brush = child->ControlColor(reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        return false;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (TControl* child = FromHandle(item->hwndItem);
            child && child != this && child->DrawItem(*item)) {
            result = TRUE;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (onMouseDown_)
        onMouseDown_(*this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (onMouseMove_)
        onMouseMove_(*this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (onMouseUp_)
        onMouseUp_(*this, button, shift, x, y);
}

bool TControl::MouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    bool handled = false;
    if (onMouseWheel_)
        onMouseWheel_(*this, shift, wheelDelta, mousePos, handled);
    return handled;
}
