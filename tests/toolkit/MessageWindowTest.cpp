#include "toolkit/MessageWindow.h"

#include "toolkit/Application.h"
#include "toolkit/Exception.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
class MessageWindowTest : public ::testing::Test {
protected:
    MessageWindowTest() { Application().SetTitle("Ostrelle"); }
    RecordingMessageSink sink;
    ScopedMessageSink recorded{sink};
};
} // namespace

// The callback sees the window's whole life, creation included, and knows
// the window by then.
TEST_F(MessageWindowTest, TheCallbackSeesTheWindowFromItsCreation) {
    for (HWND parent : {HWND_MESSAGE, HWND(nullptr)}) {
        std::vector<UINT> seen;
        MessageWindow window(
            [&](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
                seen.push_back(msg);
                return DefWindowProcW(hwnd, msg, wp, lp);
            },
            parent);
        ASSERT_NE(window.Handle(), nullptr);
        EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_NCCREATE)), seen.end());
        EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_CREATE)), seen.end());
        EXPECT_FALSE(IsWindowVisible(window.Handle()));
        EXPECT_EQ(SendMessageW(window.Handle(), WM_USER + 7, 0, 0), 0);
        EXPECT_EQ(seen.back(), UINT(WM_USER + 7));
    }
}

TEST_F(MessageWindowTest, AnErrorInTheCallbackGoesToTheErrorBoxAndTheMessageToItsDefault) {
    MessageWindow window([](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_USER)
            throw Exception("callback failed");
        if (msg == WM_USER + 1)
            throw 42; // not even an error object: the box still says something
        return DefWindowProcW(hwnd, msg, wp, lp);
    });
    EXPECT_EQ(SendMessageW(window.Handle(), WM_USER, 0, 0), 0);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "callback failed");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    SendMessageW(window.Handle(), WM_USER + 1, 0, 0);
    EXPECT_EQ(sink.messages.size(), 2u);
}

TEST_F(MessageWindowTest, AChildGoesWithItsParentAndIsNotDestroyedTwice) {
    MessageWindow parent(
        [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd, msg, wp, lp); },
        nullptr);
    auto child = std::make_unique<MessageWindow>(
        [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd, msg, wp, lp); },
        parent.Handle());
    EXPECT_EQ(GetParent(child->Handle()), parent.Handle());
    DestroyWindow(parent.Handle());
    EXPECT_EQ(child->Handle(), nullptr);
    EXPECT_EQ(parent.Handle(), nullptr);
    child.reset();
}
