#pragma once

#include <string>
#include <vector>

// Where the program's message boxes go. The application shows them through
// one replaceable sink, so tests record them instead of blocking on a box.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // flags are MessageBox's MB_* flags; the result is the button's ID*.
    virtual int Show(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

// The real thing: a modal system message box.
class MessageBoxSink final : public MessageSink {
public:
    int Show(const std::string& text, const std::string& caption, unsigned flags) override;
};

// Keeps every message and answers with a set button; for tests.
class RecordingMessageSink final : public MessageSink {
public:
    struct Message {
        std::string text;
        std::string caption;
        unsigned flags;
    };
    int Show(const std::string& text, const std::string& caption, unsigned flags) override {
        messages.push_back({text, caption, flags});
        return answer;
    }
    std::vector<Message> messages;
    int answer = 1; // IDOK
};
