// The tray icon's answers to the shell's callbacks, and its timers' steps.
//
// Left button, with an OnDblClick handler:
//   down          SingleClickTimer starts (the double-click time)
//   up            the click is armed
//   timer fires   OnClick, unless a double click came first
//   double click  OnDblClick; the menu's default item runs
// Without one, OnClick comes at the release.
#include "TrayIcon.h"

#include "toolkit/FormWindow.h"

#include <commctrl.h>

LRESULT TTrayIcon::HandlerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kCallbackMessage:
        if (TTrayIcon* icon = TTrayIconHandler::Find(wp))
            icon->Callback(lp);
        return 0;
    // The window lives as long as an icon does: it takes no part in closing
    // or ending the session.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_ENDSESSION:
        return 1;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void TTrayIcon::Callback(LPARAM event) {
    auto raise = [this](const TNotifyEvent& handler) {
        if (handler)
            handler(*this);
    };
    // The balloon notices come also while Enabled is false.
    switch (event) {
    case NIN_BALLOONSHOW:
        return raise(onBalloonShow_);
    case NIN_BALLOONHIDE:
        return raise(onBalloonHide_);
    case NIN_BALLOONTIMEOUT:
        return raise(onBalloonTimeout_);
    case NIN_BALLOONUSERCLICK:
        return raise(onBalloonClick_);
    }
    if (!enabled_)
        return;
    POINT p{};
    GetCursorPos(&p);
    MouseCallback(event, AsyncShiftState(), p.x, p.y);
}

void TTrayIcon::MouseCallback(LPARAM event, TShiftState shift, int x, int y) {
    auto down = [&](TMouseButton button, TShiftState buttonFlag) {
        if (onMouseDown_)
            onMouseDown_(*this, button, shift | buttonFlag, x, y);
    };
    auto up = [&](TMouseButton button, TShiftState buttonFlag) {
        if (onMouseUp_)
            onMouseUp_(*this, button, shift | buttonFlag, x, y);
    };
    const bool menuPops = popupMenu_ && popupMenu_->AutoPopup();
    switch (event) {
    case WM_MOUSEMOVE:
        if (wantEnterExit_ && pointerOutside_) {
            if (onMouseEnter_)
                onMouseEnter_(*this);
            pointerOutside_ = false;
        }
        if (onMouseMove_)
            onMouseMove_(*this, shift, x, y);
        lastMovePos_ = {x, y};
        break;
    case WM_LBUTTONDOWN:
        if (onDblClick_) {
            singleClickTimer_.SetInterval(GetDoubleClickTime());
            singleClickTimer_.Start();
        }
        down(mbLeft, ssLeft);
        buttonDownSeen_ = true;
        if (leftPopup_ && menuPops) {
            SetForegroundWindow(TTrayIconHandler::Window());
            OpenMenuAtCursor();
        }
        break;
    case WM_LBUTTONUP:
        if (buttonDownSeen_)
            clickArmed_ = true;
        if (buttonDownSeen_ && !singleClickTimer_.Running()) {
            buttonDownSeen_ = false;
            clickArmed_ = false;
            if (onClick_)
                onClick_(*this);
        }
        buttonDownSeen_ = false;
        up(mbLeft, ssLeft);
        break;
    case WM_LBUTTONDBLCLK:
        clickArmed_ = false;
        doubleClicked_ = true;
        if (onDblClick_)
            onDblClick_(*this);
        if (menuPops && !leftPopup_)
            RunDefaultItem();
        break;
    case WM_RBUTTONDOWN:
        down(mbRight, ssRight);
        if (menuPops) {
            SetForegroundWindow(TTrayIconHandler::Window());
            OpenMenuAtCursor();
        }
        break;
    case WM_RBUTTONUP:
        up(mbRight, ssRight);
        break;
    case WM_MBUTTONDOWN:
        down(mbMiddle, ssMiddle);
        break;
    case WM_MBUTTONUP:
        up(mbMiddle, ssMiddle);
        break;
    default:
        // WM_CONTEXTMENU, NIN_SELECT, NIN_KEYSELECT belong to the shell's
        // newer behaviour, which this icon does not ask for.
        break;
    }
}

// Scanned from the last item to the first, so that of several marked items
// the first in menu order would win.
void TTrayIcon::RunDefaultItem() {
    TMenuItem* found = nullptr;
    for (int i = popupMenu_->Count() - 1; i >= 0; --i)
        if (popupMenu_->Item(i).Default())
            found = &popupMenu_->Item(i);
    if (found)
        found->Click();
}

void TTrayIcon::OpenMenuAtCursor() {
    POINT p{};
    if (!GetCursorPos(&p) || !popupMenu_)
        return;
    HWND handler = TTrayIconHandler::Window();
    // The menu closes when the user clicks elsewhere only if its window has
    // the foreground.
    SetForegroundWindow(handler);
    Application().ProcessMessages();
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(p.x, p.y, handler);
    // Lets the owner's message queue move on after the menu's own loop.
    if (TFormWindow* form = OwnerForm(*this))
        PostMessageA(form->Handle(), WM_NULL, 0, 0);
}

void TTrayIcon::SingleClickStep() {
    singleClickTimer_.Stop();
    if (!doubleClicked_ && clickArmed_) {
        clickArmed_ = false;
        if (onClick_)
            onClick_(*this);
    }
    doubleClicked_ = false;
}

void TTrayIcon::LeaveStep() {
    if (pointerOutside_)
        return;
    POINT p{};
    GetCursorPos(&p);
    if (p.x != lastMovePos_.x || p.y != lastMovePos_.y) {
        pointerOutside_ = true;
        if (onMouseExit_)
            onMouseExit_(*this);
    }
}

void TTrayIcon::CycleStep() {
    if (!iconList_ || iconList_->Count() == 0)
        return;
    const int count = iconList_->Count();
    if (iconIndex_ >= count)
        iconIndex_ = 0;
    icon_.Take(ImageList_GetIcon(iconList_->Handle(), iconIndex_, ILD_NORMAL));
    const int next = iconIndex_ + 1 < count ? iconIndex_ + 1 : 0;
    if (onCycle_)
        onCycle_(*this, next);
    iconIndex_ = next;
}
