#pragma once

#include "toolkit/MessageSink.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// Message boxes as the real ones behave, without waiting on one: while a box
// is on screen (inside Show) it runs whileShown, standing for what a modal
// box's own message loop handles meanwhile (timers firing, a click). It keeps
// every box shown and the greatest number on screen at once.
class ModalBoxSink final : public MessageSink {
public:
    int Show(const std::string& text, const std::string& caption, unsigned flags) override {
        messages.push_back({text, caption, flags});
        ++onScreen;
        mostOnScreen = std::max(mostOnScreen, onScreen);
        if (whileShown)
            whileShown();
        --onScreen;
        return answer;
    }

    // The boxes' texts, in the order shown.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages)
            texts.push_back(m.text);
        return texts;
    }

    std::function<void()> whileShown;
    std::vector<RecordingMessageSink::Message> messages;
    int onScreen = 0;
    int mostOnScreen = 0;
    int answer = 1; // IDOK
};
