#pragma once

// The process-wide application object.
//
//   Title/SetTitle            taskbar text and the caption of the error box
//   SetMessageSink, ShowMessageBox, ShowException, Dispatch,
//   DispatchWindowMessage, BoxesOnScreen (see below)
//   Handle()                  the hidden top-level application window: it
//                             carries the taskbar button and owns every form,
//                             so minimising it takes the forms along; when it
//                             is activated it hands the activation on to the
//                             form last active, or the main form
//   MainForm/SetMainForm      the first form made becomes the main form;
//                             showing it shows the taskbar button too
//   ShowMainForm/SetShowMainForm   whether Run shows the main form
//   Run()                     shows the main form (if wanted) and runs the
//                             message loop until Terminate or WM_QUIT
//   HandleMessagesUntil       the message loop itself, for Run and for modal
//                             forms
//   Terminate/Terminated, ProcessMessages, Minimize, Restore
//   HookMainWindow(hook) -> id, UnhookMainWindow(id): hooks see each message
//                             of the application window first (WindowHooks.h)
//   HintWindow, HintHidePause/SetHintHidePause (ms a hint stays up),
//   CancelHint (hides the hint on view; the next one comes when the pointer
//   has rested for the hint pause)
#include "Handle.h"
#include "MessageSink.h"
#include "WindowBinding.h"
#include "WindowHooks.h"

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class TForm;

class TApplication : private WindowObject {
public:
    using WindowHook = WindowHooks::Hook;
    using HookId = WindowHooks::Id;

    TApplication() = default;
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    // nullptr puts the real message box back.
    void SetMessageSink(MessageSink* sink) { sink_ = sink ? sink : &messageBox_; }
    MessageSink* CurrentMessageSink() const { return sink_; }

    // One box at a time for timers. A box runs a modal loop of its own, in
    // which timers go on firing; a timer that failed once fails again a
    // minute later, and each failure would open its box inside the loop of
    // the one before (an hour of a locked file: sixty loops nested on one
    // stack, sixty clicks). So while a box is on screen, a box that the
    // handling of a timer's message would show is dropped: ShowMessageBox
    // returns 0 at once, as for a box that could not be shown. Dropped, not
    // kept for later: the timer's own work goes on regardless, and a failure
    // that still holds is met again at its next firing, which shows it once
    // the box on screen has closed; kept, they would come back as a row of
    // boxes, one per firing. What a timer meets only once while another box
    // is up goes unseen. A box from any other message (a command, a click,
    // a key) is shown over the one on screen: it answers an act of the user.
    // The message being handled is the innermost one that reached a toolkit
    // window (DispatchWindowMessage), so a click handled inside a timer's
    // box is a click.
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // Boxes shown now and not yet closed.
    int BoxesOnScreen() const { return boxesOnScreen_; }

    // The standard error box: caption = title, text = the error's message.
    // It is a box as above: from a timer, while another box is on screen, it
    // is dropped.
    void ShowException(const std::exception& error);

    // Runs a handler; whatever error escapes it is shown in the standard
    // error box and the program goes on.
    //
    // Where Dispatch runs. The window binding (WindowBinding.h) runs one
    // around every message of every toolkit window, so around every window,
    // hook and timer procedure; the message loops run one around each
    // message they take from the queue; the program's entry one around its
    // start-up. Inside them events are raised plainly: a handler's error goes
    // up to the Dispatch of the message being handled, which shows it, and
    // the rest of that message's handling is skipped (the handler that raised
    // it stops where it was).
    //
    // An event gets a Dispatch of its own, nested, only where its raiser must
    // go on whatever the handler does. These are all of them:
    //   - an answer the platform waits for: the keyboard hook's OnKeyDown
    //     (the key's Allow goes back to the hook library)
    //   - a step of the raiser's own after the handler: a form's OnCreate
    //     (the form's construction ends), the tray icon's OnStartup at its
    //     end of loading (the icon is settled), a menu's OnPopup (the menu
    //     opens), a menu item's OnClick (the tray icon wakes its owner's
    //     queue after its menu), the main form's OnEndSession (the program
    //     ends)
    // A new one joins this list with its reason.
    //
    // The window binding goes through DispatchWindowMessage, which is
    // Dispatch with the message's kind noted for the box rule above: the
    // error box of a timer's message (WM_TIMER), like every other box it
    // would show, is dropped while another box is on screen.
    void Dispatch(const std::function<void()>& handler) noexcept;
    void DispatchWindowMessage(UINT message, const std::function<void()>& handler) noexcept;

    // Takes messages from this thread's queue and handles them until
    // finished() holds (asked before each wait). Returns false when WM_QUIT
    // came first (its exit code in exitCode) or the queue failed; the
    // message is then consumed, and a nested loop puts it back for the loop
    // outside. Every message is handled in one Dispatch, here as in
    // ProcessMessages, so every loop treats an error alike.
    [[nodiscard]] bool HandleMessagesUntil(const std::function<bool()>& finished, int& exitCode);

    // Handles the messages waiting in this thread's queue, then returns.
    void ProcessMessages();

    HWND Handle();
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void Minimize();
    void Restore();

    HookId HookMainWindow(WindowHook hook);
    void UnhookMainWindow(HookId id);

    HWND HintWindow();
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int milliseconds);
    void CancelHint();

private:
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void WindowBound(HWND hwnd) noexcept override;
    void WindowUnbound(HWND hwnd) noexcept override;
    void HandleQueued(MSG& msg) noexcept;
    HWND ActiveFormWindow();

    std::string title_;
    MessageBoxSink messageBox_;
    MessageSink* sink_ = &messageBox_;
    int boxesOnScreen_ = 0;
    // The message being handled is a timer's.
    bool timerMessage_ = false;
    WindowHandle window_;
    WindowHandle hintWindow_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
    int hintHidePause_ = 2500;
    WindowHooks hooks_;
};

TApplication& Application();

// Sends the application's message boxes to another sink for a scope.
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink& sink) : previous_(Application().CurrentMessageSink()) {
        Application().SetMessageSink(&sink);
    }
    ~ScopedMessageSink() { Application().SetMessageSink(previous_); }
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink* previous_;
};
