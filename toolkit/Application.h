#pragma once

#include "MessageSink.h"

#include <exception>
#include <functional>
#include <string>

// The process-wide application object: its title, the sink its message boxes
// go through, and the one place where errors that reach an event are shown.
class TApplication {
public:
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

    // nullptr puts the real message box back.
    void SetMessageSink(MessageSink* sink) { sink_ = sink ? sink : &messageBox_; }
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

    // The standard error box: caption = title, text = the error's message.
    void ShowException(const std::exception& error);

    // Runs an event handler; whatever error escapes it is shown and the
    // program goes on. Every event the toolkit raises passes through here.
    void Dispatch(const std::function<void()>& handler) noexcept;

    // Handles the messages waiting in this thread's queue, then returns.
    void ProcessMessages();

private:
    std::string title_;
    MessageBoxSink messageBox_;
    MessageSink* sink_ = &messageBox_;
};

TApplication& Application();
