#pragma once

// TControl: the base of every control that is a native window.
//
// Window and parent
//   SetParent(parent)        the control's window becomes a child of the parent's
//                            window; made as soon as the parent has one
//   Handle()                 the window, made on demand (nullptr while a child
//                            control has no parent window yet)
//   HandleAllocated(), FromHandle(hwnd), Controls() (children, creation order)
// Placement
//   Left/Top/Width/Height and their setters, SetBounds, BoundsRect, ClientRect;
//   for a top-level window Left/Top are screen coordinates and Width/Height
//   include the frame. Align (alNone .. alClient) is applied by the parent,
//   at once and whenever the parent's client area changes (see AlignLayout.h);
//   while the parent is loading its form description the layout waits for
//   its end of loading, so designed positions are read against the designed
//   size. Anchors (akLeft|akTop by default) keep a control that is not
//   aligned at its distance from the parent's edges when the parent resizes:
//   both edges of a direction stretch it, one edge keeps that distance,
//   neither keeps its centre at the same fraction of the parent.
// Looks
//   Visible/Show/Hide, Enabled, Caption (the window text), Color (background
//   of toolkit-painted windows), Font() (a change acts at once; ParentFont
//   controls follow their parent's font until their own font is set), Cursor
//   (shown over the client area; a change shows at once), Hint/ShowHint (the
//   hint is the application's tooltip for the whole control, see
//   Application().CancelHint and HintHidePause).
// Screen scale
//   PixelsPerInch() is the scale the control's sizes are at: 96, the designed
//   scale, until ScaleTo takes the control and its children to another one:
//   their bounds, their fonts given in pixels, and whatever a control adds in
//   ChangeScale (a tree's indent, a glyph, the chart's designed sizes). Each
//   length is scaled from its value as given (ScreenScale.h), so scaling back
//   gives the designed sizes exactly. Anchors and alignment then fit the
//   children to the client area the control really has. A form takes its
//   window's scale when its description is loaded and when the window's
//   scale changes (Form.h); a control placed in a parent, or loaded into
//   one, takes the parent's scale.
// Keys
//   WM_KEYDOWN/WM_SYSKEYDOWN at any control go first to its top-level
//   control's PreviewKeyDown (forms with KeyPreview raise OnKeyDown there);
//   a key set to 0 is consumed.
// Painting
//   Invalidate() asks for a repaint later (never paints synchronously);
//   Update() paints what is invalid now; Repaint() = both. Invalidate and
//   Repaint are virtual: a control that keeps its own picture (the chart)
//   hears every request, the toolkit's own ones (colour, font) included.
//   A toolkit-painted control returns true from PaintsItself() and overrides
//   Paint(dc, dirty). dc is the PAINTSTRUCT's DC of the window itself: there
//   is no back buffer here, a control that wants one draws into its own
//   memory bitmap and copies it (the chart does). Background erasing is
//   skipped for such controls, so the copy does not flicker.
// Mouse
//   OnMouseDown/OnMouseUp (Sender, Button, Shift, X, Y), OnMouseMove (Sender,
//   Shift, X, Y), client coordinates; a double click comes as a mouse-down
//   with ssDouble. OnMouseWheel (Sender, Shift, WheelDelta, MousePos in
//   screen coordinates, Handled&). Derived controls override the virtual
//   MouseDown/MouseMove/MouseUp/MouseWheel and call the base first, which
//   raises the event; so user events always come before the control's own
//   handling. CaptureMouse/ReleaseMouse/MouseCaptured; MouseCaptureLost
//   when a capture the window held ends, by ReleaseMouse or because another
//   window took the mouse (another program activated, a box).
// Messages
//   Every message reaches the virtual WndProc(msg, wParam, lParam); end an
//   override with the base's WndProc, which ends in DefaultHandler (the
//   class's own or the subclassed native procedure). The window procedure is
//   noexcept: an error escaping WndProc goes to Application().Dispatch (the
//   standard error box) and the message then gets its default handling.
//   Toolkit windows are bound to their object at WM_NCCREATE; native controls
//   (CreateParams names a system class) are subclassed right after creation;
//   both through WindowBinding.h. Notifications a native child sends its parent
//   (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM) are handed back to the
//   child object: CommandNotify, Notify, ControlColor, DrawItem.
#include "AlignLayout.h"
#include "Color.h"
#include "Component.h"
#include "Cursor.h"
#include "Font.h"
#include "Geometry.h"
#include "ScreenScale.h"
#include "ShiftState.h"
#include "WindowBinding.h"

#include <functional>
#include <string>
#include <vector>
#include <windows.h>

using TAnchors = unsigned;
constexpr TAnchors akLeft = 0x01;
constexpr TAnchors akTop = 0x02;
constexpr TAnchors akRight = 0x04;
constexpr TAnchors akBottom = 0x08;

using TMouseEvent =
    std::function<void(TComponent& Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent& Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TComponent& Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;

class TControl : public TComponent, public WindowObject {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);
    const std::vector<TControl*>& Controls() const { return controls_; }
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    static TControl* FromHandle(HWND hwnd);

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    // Top-level windows: the size of the client area.
    virtual void SetClientSize(int width, int height);
    TRect BoundsRect() const { return bounds_; }
    TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }

    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors) { anchors_ = anchors; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont& Font() { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);

    virtual void Invalidate();
    void Update();
    virtual void Repaint();

    TPoint ScreenToClient(TPoint screen) const;
    TPoint ClientToScreen(TPoint client) const;
    void CaptureMouse();
    void ReleaseMouse();
    bool MouseCaptured() const;

    // Lays out the aligned children again; the toolkit calls it when needed.
    void Realign();

    int PixelsPerInch() const { return pixelsPerInch_; }
    void ScaleTo(int pixelsPerInch);

    void SetOnMouseDown(TMouseEvent handler) { onMouseDown_ = std::move(handler); }
    void SetOnMouseMove(TMouseMoveEvent handler) { onMouseMove_ = std::move(handler); }
    void SetOnMouseUp(TMouseEvent handler) { onMouseUp_ = std::move(handler); }
    void SetOnMouseWheel(TMouseWheelEvent handler) { onMouseWheel_ = std::move(handler); }

protected:
    struct TCreateParams {
        std::wstring className; // empty: the toolkit's own window class
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        DWORD exStyle = 0;
        HWND owner = nullptr; // for top-level windows (no WS_CHILD)
    };
    virtual void CreateParams(TCreateParams& params);
    // The window is new: push the state kept so far into it.
    virtual void HandleCreated() {}
    void DestroyHandle();

    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    // A message of a native control's own interface (its items, its
    // selection), handed to the control's procedure past the subclasses in
    // front of it, which have nothing to do with such messages: under Wine
    // each pass through a subclass costs about a tenth of a millisecond, and
    // ten years of history are nearly four thousand tree items. The window
    // is made first when it is missing.
    LRESULT CallNative(UINT msg, WPARAM wParam, LPARAM lParam);

    virtual bool PaintsItself() const { return false; }
    virtual void Paint(HDC /*dc*/, const TRect& /*dirty*/) {}

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // true when the wheel was handled; otherwise the default handling runs.
    virtual bool MouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual void MouseCaptureLost() {}

    virtual bool CommandNotify(WORD /*code*/) { return false; }
    virtual bool Notify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual HBRUSH ControlColor(HDC /*dc*/) { return nullptr; }
    virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // The window's size changed (after the children were realigned).
    virtual void Resized() {}
    // The area the aligned children share; the client area by default.
    virtual TRect AlignArea() const { return ClientRect(); }

    // A key went down in this control or one of its children; set key to 0
    // to consume it. Reached only on the top-level control.
    virtual void PreviewKeyDown(WORD& /*key*/, TShiftState /*shift*/) {}

    void SetWindowStyle(DWORD bits, bool on);
    void SetExWindowStyle(DWORD bits, bool on);
    void Loaded() override;

    // Scaling, step by step: the control's own bounds (PlaceScaled; with
    // `placed`, those bounds instead), then ChangeScale (the font; a derived
    // control adds its own sizes after calling the base), then the children.
    void ScaleTo(int pixelsPerInch, const TRect* placed);
    virtual void PlaceScaled(int fromPpi, int toPpi, const TRect* placed);
    void ChangeScale(int toPpi, int fromPpi) override;
    bool Scaling() const { return scaling_; }

    // Where the window's messages come in, on their way to WndProc.
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void WindowBound(HWND hwnd) noexcept override;
    void WindowUnbound(HWND hwnd) noexcept override;
    void CreateHandle();
    void Unbind() noexcept;
    bool HandleCommonMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void ReadBoundsFromWindow();
    void ParentFontChanged();
    void FontChanged();
    void RequestParentRealign();
    void ApplyAnchors(int oldWidth, int oldHeight, int newWidth, int newHeight);
    void UpdateHintTool();
    bool RootLoading() const;
    void TakeParentScale();
    void SettleScaled();

    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    HWND handle_ = nullptr;
    bool subclassed_ = false;
    WNDPROC nativeProc_ = nullptr; // the native control's own procedure
    bool aligning_ = false;
    bool adoptingFont_ = false;

    TRect bounds_;
    ScaledBounds scaledBounds_;
    int pixelsPerInch_ = kDesignedPixelsPerInch;
    bool scaling_ = false;
    TAlign align_ = alNone;
    TAnchors anchors_ = akLeft | akTop;
    int lastClientWidth_ = -1;
    int lastClientHeight_ = -1;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    TColor color_ = clBtnFace;
    TFont font_;
    bool parentFont_ = true;
    TCursor cursor_ = crDefault;
    std::string hint_;
    std::wstring hintText_; // the tooltip reads it while it shows
    bool showHint_ = false;
    bool hintTool_ = false;
    GdiObject backgroundBrush_;

    TMouseEvent onMouseDown_;
    TMouseMoveEvent onMouseMove_;
    TMouseEvent onMouseUp_;
    TMouseWheelEvent onMouseWheel_;
};
