#include "Control.h"

#include "Application.h"
#include "Exception.h"
#include "Text.h"

#include <algorithm>
#include <commctrl.h>

namespace {
// The class of the windows the toolkit paints itself (forms, panels, the
// chart); native controls keep the platform's classes.
const WindowClass kControlClass{L"TallyvaneControl", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                IDC_ARROW};
} // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
    bounds_ = TRect::FromBounds(0, 0, 100, 100);
    font_.SetOnChange([this] { FontChanged(); });
}

TControl::~TControl() {
    BeginDestruction();
    // Children die with our window; their objects live on without a parent.
    for (TControl* child : controls_)
        child->parent_ = nullptr;
    controls_.clear();
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    DestroyHandle();
    if (parent_ && !parent_->Destroying())
        parent_->Realign();
}

void TControl::UpdateHintTool() {
    if (!handle_ || showHint_ == hintTool_)
        return;
    HWND tooltip = Application().HintWindow();
    if (!tooltip)
        return;
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = handle_;
    info.uId = reinterpret_cast<UINT_PTR>(handle_);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    if (showHint_ && !hintTool_) {
        hintTool_ = SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    } else if (!showHint_ && hintTool_) {
        SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        hintTool_ = false;
    }
}

void TControl::DestroyHandle() {
    if (!handle_)
        return;
    HWND hwnd = handle_;
    // Cut the object off first: the messages of the destruction must not run
    // members of an object that may be half destroyed.
    Unbind();
    DestroyWindow(hwnd);
}

HWND TControl::Handle() {
    if (!handle_)
        CreateHandle();
    return handle_;
}

void TControl::CreateParams(TCreateParams& /*params*/) {}

void TControl::CreateHandle() {
    TCreateParams params;
    CreateParams(params);
    HWND parentWindow = params.owner;
    if (params.style & WS_CHILD) {
        if (!parent_)
            return;
        parentWindow = parent_->Handle();
        if (!parentWindow)
            return;
        if (visible_)
            params.style |= WS_VISIBLE;
    }
    if (!enabled_)
        params.style |= WS_DISABLED;
    const std::wstring text = Widen(caption_);
    const bool native = !params.className.empty();
    HWND hwnd = native ? CreateWindowExW(params.exStyle, params.className.c_str(), text.c_str(),
                                         params.style, bounds_.left, bounds_.top, bounds_.Width(),
                                         bounds_.Height(), parentWindow, nullptr,
                                         GetModuleHandleW(nullptr), nullptr)
                       : CreateBoundWindow(*this, kControlClass, params.exStyle, text.c_str(),
                                           params.style, bounds_.left, bounds_.top, bounds_.Width(),
                                           bounds_.Height(), parentWindow);
    if (!hwnd)
        throw Exception(Format("Cannot create a window for %s. %s", Name().c_str(),
                               SysErrorMessage(GetLastError()).c_str()));
    if (native) {
        nativeProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
        subclassed_ = true;
        SubclassBound(*this, hwnd);
    }
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    TRect client = ClientRect();
    lastClientWidth_ = client.Width();
    lastClientHeight_ = client.Height();
    UpdateHintTool();
    HandleCreated();
    for (TControl* child : controls_)
        child->Handle();
    Realign();
}

void TControl::SetParent(TControl* parent) {
    if (parent == parent_)
        return;
    if (parent == this)
        throw Exception("A control cannot be its own parent");
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_->Realign();
    }
    parent_ = parent;
    if (parent_) {
        parent_->controls_.push_back(this);
        if (parentFont_)
            ParentFontChanged();
    }
    if (handle_) {
        if (parent_ && parent_->HandleAllocated())
            ::SetParent(handle_, parent_->handle_);
        else
            DestroyHandle();
    } else if (parent_ && parent_->HandleAllocated()) {
        CreateHandle();
    }
    if (parent_)
        parent_->Realign();
    if (parent_ && !Loading())
        TakeParentScale();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    TRect bounds = TRect::FromBounds(left, top, std::max(width, 0), std::max(height, 0));
    if (bounds == bounds_)
        return;
    bounds_ = bounds;
    if (handle_ && !IsIconic(handle_))
        SetWindowPos(handle_, nullptr, bounds_.left, bounds_.top, bounds_.Width(), bounds_.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    RequestParentRealign();
}

void TControl::RequestParentRealign() {
    if (parent_ && !parent_->aligning_ && align_ != alNone)
        parent_->Realign();
}

TRect TControl::ClientRect() const {
    if (handle_) {
        RECT r;
        GetClientRect(handle_, &r);
        return {r.left, r.top, r.right, r.bottom};
    }
    return {0, 0, bounds_.Width(), bounds_.Height()};
}

void TControl::ReadBoundsFromWindow() {
    // A minimised top-level window sits far off screen; its normal bounds stay.
    if (!handle_ || IsIconic(handle_))
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    HWND parentWindow =
        (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) ? GetParent(handle_) : nullptr;
    if (parentWindow)
        MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    bounds_ = {r.left, r.top, r.right, r.bottom};
}

void TControl::Realign() {
    if (!handle_ || aligning_ || scaling_ || Loading())
        return;
    std::vector<TControl*> aligned;
    std::vector<AlignItem> items;
    for (TControl* child : controls_)
        if (child->visible_ && child->align_ != alNone) {
            aligned.push_back(child);
            items.push_back({child->align_, child->bounds_});
        }
    if (aligned.empty())
        return;
    std::vector<TRect> placed = LayoutAligned(AlignArea(), items);
    aligning_ = true;
    for (size_t i = 0; i < aligned.size(); ++i) {
        const TRect& r = placed[i];
        aligned[i]->SetBounds(r.left, r.top, r.Width(), r.Height());
    }
    aligning_ = false;
}

void TControl::SetClientSize(int width, int height) {
    TRect client = ClientRect();
    SetBounds(Left(), Top(), Width() - client.Width() + width, Height() - client.Height() + height);
}

namespace {
// One direction of anchoring: the new start and length of a control that
// spans [start, start + length) in a parent that grew from oldSize to newSize.
void Anchor(bool nearEdge, bool farEdge, int oldSize, int newSize, int& start, int& length) {
    int delta = newSize - oldSize;
    if (nearEdge && farEdge)
        length = std::max(0, length + delta);
    else if (farEdge)
        start += delta;
    else if (!nearEdge && oldSize > 0)
        start = MulDiv(start + length / 2, newSize, oldSize) - length / 2;
}
} // namespace

void TControl::ApplyAnchors(int oldWidth, int oldHeight, int newWidth, int newHeight) {
    for (TControl* child : controls_) {
        if (child->align_ != alNone || child->anchors_ == (akLeft | akTop))
            continue;
        int left = child->Left(), width = child->Width();
        int top = child->Top(), height = child->Height();
        Anchor(child->anchors_ & akLeft, child->anchors_ & akRight, oldWidth, newWidth, left,
               width);
        Anchor(child->anchors_ & akTop, child->anchors_ & akBottom, oldHeight, newHeight, top,
               height);
        child->SetBounds(left, top, width, height);
    }
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    if (handle_)
        ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
    if (parent_ && align_ != alNone)
        parent_->Realign();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (handle_)
        EnableWindow(handle_, enabled);
}

void TControl::SetCaption(std::string caption) {
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    if (handle_)
        SetWindowTextW(handle_, Widen(caption_).c_str());
}

void TControl::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    backgroundBrush_.Reset();
    Invalidate();
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_ && parent_)
        ParentFontChanged();
}

void TControl::ParentFontChanged() {
    adoptingFont_ = true;
    font_.Assign(parent_->font_);
    adoptingFont_ = false;
}

void TControl::FontChanged() {
    if (!adoptingFont_)
        parentFont_ = false;
    if (handle_) {
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
        Invalidate();
    }
    for (TControl* child : controls_)
        if (child->parentFont_)
            child->ParentFontChanged();
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    // Show the change now if the pointer is over us, not at its next move.
    POINT p;
    if (handle_ && GetCursorPos(&p) && WindowFromPoint(p) == handle_) {
        HCURSOR shape = LoadCursorOf(cursor_);
        ::SetCursor(shape ? shape : LoadCursorW(nullptr, IDC_ARROW));
    }
}

void TControl::SetHint(std::string hint) {
    hint_ = std::move(hint);
}

void TControl::SetShowHint(bool showHint) {
    if (showHint == showHint_)
        return;
    showHint_ = showHint;
    UpdateHintTool();
}

void TControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, !PaintsItself());
}

void TControl::Update() {
    if (handle_)
        UpdateWindow(handle_);
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

TPoint TControl::ScreenToClient(TPoint screen) const {
    POINT p{screen.x, screen.y};
    if (handle_)
        ::ScreenToClient(handle_, &p);
    return {p.x, p.y};
}

TPoint TControl::ClientToScreen(TPoint client) const {
    POINT p{client.x, client.y};
    if (handle_)
        ::ClientToScreen(handle_, &p);
    return {p.x, p.y};
}

void TControl::CaptureMouse() {
    if (Handle())
        SetCapture(handle_);
}

void TControl::ReleaseMouse() {
    if (MouseCaptured())
        ReleaseCapture();
}

bool TControl::MouseCaptured() const {
    return handle_ && GetCapture() == handle_;
}

void TControl::SetWindowStyle(DWORD bits, bool on) {
    if (!handle_)
        return;
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    LONG_PTR wanted = on ? (style | LONG_PTR(bits)) : (style & ~LONG_PTR(bits));
    if (wanted != style) {
        SetWindowLongPtrW(handle_, GWL_STYLE, wanted);
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        Invalidate();
    }
}

void TControl::Loaded() {
    if (parent_ && !parent_->Loading())
        TakeParentScale();
    Realign();
}

void TControl::TakeParentScale() {
    if (parent_->pixelsPerInch_ != pixelsPerInch_)
        ScaleTo(parent_->pixelsPerInch_);
}

void TControl::ScaleTo(int pixelsPerInch) {
    ScaleTo(pixelsPerInch, nullptr);
}

void TControl::ScaleTo(int toPpi, const TRect* placed) {
    const int fromPpi = pixelsPerInch_;
    if (toPpi <= 0 || (toPpi == fromPpi && !placed))
        return;
    // The children are scaled from their sizes as given, which fit this
    // control's client area as its own given size makes it. A child control
    // is scaled from its given size (or the layout puts it where it must
    // be); a window with a frame, which need not scale as the contents do,
    // or one the system places, had the client area it has now, scaled.
    // The anchors then take the children to the client area it really has.
    const TRect client = ClientRect();
    int expectedWidth = ScaleLength(client.Width(), toPpi, fromPpi);
    int expectedHeight = ScaleLength(client.Height(), toPpi, fromPpi);
    const bool outermost = !parent_ || !parent_->scaling_;
    pixelsPerInch_ = toPpi;
    {
        struct Scaling {
            bool& flag;
            explicit Scaling(bool& f) : flag(f) { flag = true; }
            ~Scaling() { flag = false; }
        } scaling(scaling_);
        PlaceScaled(fromPpi, toPpi, placed);
        if (parent_ && !placed) {
            const TRect scaled = ClientRect();
            expectedWidth = scaled.Width();
            expectedHeight = scaled.Height();
        }
        ChangeScale(toPpi, fromPpi);
        for (TControl* child : controls_)
            child->ScaleTo(toPpi, nullptr);
    }
    if (handle_) {
        const TRect now = ClientRect();
        ApplyAnchors(expectedWidth, expectedHeight, now.Width(), now.Height());
        lastClientWidth_ = now.Width();
        lastClientHeight_ = now.Height();
    }
    Realign();
    // Where the anchors and the layout put everything is the scaling's own
    // result: the next one starts again from the sizes as given.
    if (outermost)
        SettleScaled();
}

void TControl::SettleScaled() {
    scaledBounds_.Settle(bounds_);
    for (TControl* child : controls_)
        child->SettleScaled();
}

void TControl::PlaceScaled(int fromPpi, int toPpi, const TRect* placed) {
    const TRect target = placed ? *placed : scaledBounds_.Rescale(bounds_, fromPpi, toPpi);
    SetBounds(target.left, target.top, target.Width(), target.Height());
}

void TControl::ChangeScale(int toPpi, int /*fromPpi*/) {
    // A font that follows the parent's is scaled with it.
    if (!(parentFont_ && parent_))
        font_.ScaleTo(toPpi);
}

void TControl::SetExWindowStyle(DWORD bits, bool on) {
    if (!handle_)
        return;
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_EXSTYLE);
    LONG_PTR wanted = on ? (style | LONG_PTR(bits)) : (style & ~LONG_PTR(bits));
    if (wanted != style) {
        SetWindowLongPtrW(handle_, GWL_EXSTYLE, wanted);
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}
