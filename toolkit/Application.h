#pragma once

// The process-wide application object.
//
//   Title/SetTitle            taskbar text and the caption of the error box
//   SetMessageSink, ShowMessageBox, ShowException, Dispatch (every event
//                             runs through Dispatch; an escaping error is
//                             shown in the standard error box)
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
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

    // The standard error box: caption = title, text = the error's message.
    void ShowException(const std::exception& error);

    // Runs an event handler; whatever error escapes it is shown and the
    // program goes on. Every event the toolkit raises passes through here.
    void Dispatch(const std::function<void()>& handler) noexcept;

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
    HWND ActiveFormWindow();

    std::string title_;
    MessageBoxSink messageBox_;
    MessageSink* sink_ = &messageBox_;
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
