#pragma once

// TForm: a top-level window built from a form description.
//
//   class TfrmMain : public TForm {
//       TfrmMain() : TForm(nullptr) {
//           FormHandlers handlers;
//           handlers.Add("FormCreate", this, &TfrmMain::FormCreate); ...
//           LoadFromResource(classes, handlers, L"FRMMAIN");   // then OnCreate
//       }
//   };
// The components go when the form's own destructor is done, and the handlers
// bound above are never called once it has begun (see Component.h).
//
// Every form is owned (in the window sense) by the application window; the
// first form made becomes the application's main form. Properties: Caption,
// ClientWidth/ClientHeight, BorderStyle (bsSizeable, bsSingle, bsDialog),
// BorderIcons ([biSystemMenu, biMinimize, biMaximize]), Position
// (poDesigned, poScreenCenter, poMainFormCenter; applied when first shown),
// WindowState (wsNormal, wsMinimized, wsMaximized), Visible, KeyPreview,
// PixelsPerInch (in a description: the scale its sizes are drawn at, which
// must be the designed 96), and the events OnCreate (Sender), OnCloseQuery
// (Sender, CanClose&), OnKeyDown (Sender, Key&, Shift), OnEndSession (Sender).
//
// Screen scale: once its description is read, before OnCreate, the form and
// everything in it are scaled from the designed 96 pixels per inch to the
// scale of the monitor its window is on (Control.h: ScaleTo): the
// components it owns that are not controls first (an image list), then its
// controls. When the window's scale changes (WM_DPICHANGED: it moved to
// another monitor, or the user changed the scale) it is scaled again from the
// old scale to the new, and the window takes the rectangle the system
// suggests. A form whose description gives its client size keeps that size
// scaled. PixelsPerInch() is the scale the form is at.
//
// Close() asks OnCloseQuery; if it may close, the main form terminates the
// application, a modal form ends its ShowModal, any other form hides. The
// close box and Alt+F4's system command take this path. Minimising the main
// form minimises the application.
// Log-off and shut-down: every form agrees to end the session; when the
// session really ends (WM_ENDSESSION true) the form raises OnEndSession, which
// must save what is to be kept, without asking anything, and the main form
// then terminates the application, also when OnEndSession failed.
//
// HookWindow(hook) -> id, UnhookWindow(id): hooks see every message of the
// form's window before the form does (WindowHooks.h), as the application's
// hooks see the application window's; the tray icon watches its owner so.
#include "Control.h"
#include "FormClasses.h"
#include "FormHandlers.h"
#include "FormWindow.h"

#include <functional>
#include <string>
#include <string_view>

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };
enum TFormBorderStyle { bsSizeable, bsSingle, bsDialog };
enum TFormStyle { fsNormal, fsMDIForm };
using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 0x01;
constexpr TBorderIcons biMinimize = 0x02;
constexpr TBorderIcons biMaximize = 0x04;

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

using TCloseQueryEvent = std::function<void(TComponent& Sender, bool& CanClose)>;
using TKeyEvent = std::function<void(TComponent& Sender, WORD& Key, TShiftState Shift)>;

class TForm : public TControl, public TFormWindow {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Components that need a window of their form (the keyboard hook) ask here.
    HWND Handle() override { return TControl::Handle(); }
    WindowHooks::Id HookWindow(WindowHooks::Hook hook) override;
    void UnhookWindow(WindowHooks::Id id) override;

    // Reads the form description, then raises OnCreate (errors in it are
    // shown in the standard error box; the form stays usable).
    void Load(const FormClasses& classes, const FormHandlers& handlers, std::string_view text,
              const std::string& source);
    void LoadFromResource(const FormClasses& classes, const FormHandlers& handlers,
                          const wchar_t* name);

    void SetVisible(bool visible) override;
    // Kept when the border changes afterwards, as a description may do.
    void SetClientSize(int width, int height) override;
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
    // Forms here are never multi-document parents; the tray icon asks.
    TFormStyle FormStyle() const { return fsNormal; }

    void Close();
    bool CloseQuery();
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void SetOnCreate(TNotifyEvent handler) { onCreate_ = std::move(handler); }
    void SetOnCloseQuery(TCloseQueryEvent handler) { onCloseQuery_ = std::move(handler); }
    void SetOnKeyDown(TKeyEvent handler) { onKeyDown_ = std::move(handler); }
    void SetOnEndSession(TNotifyEvent handler) { onEndSession_ = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    // The hooks first; final, so that no form class comes before them.
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) final;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PreviewKeyDown(WORD& key, TShiftState shift) override;
    void PlaceScaled(int fromPpi, int toPpi, const TRect* placed) override;
    // With the form's own sizes, the components it owns that are not
    // controls (before the controls, which may use them: a tree its images).
    void ChangeScale(int toPpi, int fromPpi) override;

private:
    void KeyDown(WORD& key, TShiftState shift);
    void PlaceForFirstShow();
    void ApplyWindowState();
    DWORD FrameStyle() const;
    // The form at its window's scale.
    void ScaleToWindow();

    TWindowState windowState_ = wsNormal;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    bool keyPreview_ = false;
    bool shownOnce_ = false;
    bool statePending_ = false;
    int clientWidth_ = -1;
    int clientHeight_ = -1;
    ScaledLength clientWidthScale_, clientHeightScale_;
    bool modal_ = false;
    int modalResult_ = mrNone;
    TNotifyEvent onCreate_;
    TCloseQueryEvent onCloseQuery_;
    TKeyEvent onKeyDown_;
    TNotifyEvent onEndSession_;
    WindowHooks hooks_;
};
