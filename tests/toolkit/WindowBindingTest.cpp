#include "toolkit/WindowBinding.h"

#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/Exception.h"
#include "toolkit/MessageWindow.h"

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

const WindowClass kProbeClass{L"TallyvaneBindingProbe"};

// Writes down what its window tells it; fails on one message on demand.
class Probe : public WindowObject {
public:
    explicit Probe(bool native = false) : native_(native) {}

    std::vector<UINT> seen;
    HWND bound = nullptr;
    HWND unbound = nullptr;
    bool boundBeforeFirstMessage = false;
    UINT failOn = 0;

    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
        if (seen.empty())
            boundBeforeFirstMessage = bound == hwnd && BoundObject(hwnd) == this;
        seen.push_back(msg);
        if (msg == failOn)
            throw Exception("probe failed");
        return native_ ? DefSubclassProc(hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
    }
    void WindowBound(HWND hwnd) noexcept override { bound = hwnd; }
    void WindowUnbound(HWND hwnd) noexcept override { unbound = hwnd; }

    bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }

private:
    bool native_;
};

HWND MakeProbeWindow(Probe& probe) {
    return CreateBoundWindow(probe, kProbeClass, 0, L"probe", 0, 0, 0, 10, 10, HWND_MESSAGE);
}

std::wstring Text(HWND hwnd) {
    wchar_t text[64] = {};
    SendMessageW(hwnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

class WindowBindingTest : public ::testing::Test {
protected:
    WindowBindingTest() { Application().SetTitle("Ostrelle"); }
    RecordingMessageSink sink;
    ScopedMessageSink recorded{sink};
};

} // namespace

TEST_F(WindowBindingTest, AToolkitWindowIsBoundFromItsFirstMessageToItsLast) {
    Probe probe;
    HWND hwnd = MakeProbeWindow(probe);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(probe.bound, hwnd);
    EXPECT_TRUE(probe.boundBeforeFirstMessage);
    EXPECT_EQ(probe.seen.front(), UINT(WM_NCCREATE));
    EXPECT_EQ(BoundObject(hwnd), &probe);
    // The class is there already for the next window.
    Probe another;
    HWND second = MakeProbeWindow(another);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(BoundObject(second), &another);

    DestroyWindow(hwnd);
    EXPECT_EQ(probe.seen.back(), UINT(WM_NCDESTROY));
    EXPECT_EQ(probe.unbound, hwnd);
    DestroyWindow(second);
    EXPECT_EQ(another.unbound, second);
}

TEST_F(WindowBindingTest, AnErrorIsShownAndTheMessageGetsItsDefaultHandling) {
    Probe probe;
    HWND hwnd = MakeProbeWindow(probe);
    probe.failOn = WM_GETTEXT;
    EXPECT_EQ(Text(hwnd), L"probe"); // DefWindowProcW answered
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "probe failed");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    DestroyWindow(hwnd);
}

// A native control keeps its own procedure behind the binding: what the
// object passes on, or fails to handle, gets the control's own answer.
TEST_F(WindowBindingTest, ANativeControlIsBoundBySubclassingIt) {
    Probe probe(true);
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"native", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    SubclassBound(probe, hwnd);
    EXPECT_EQ(probe.bound, hwnd);
    EXPECT_EQ(BoundObject(hwnd), &probe);
    EXPECT_EQ(Text(hwnd), L"native");
    EXPECT_TRUE(probe.Saw(WM_GETTEXT));
    probe.failOn = WM_GETTEXT;
    EXPECT_EQ(Text(hwnd), L"native");
    EXPECT_EQ(sink.messages.size(), 1u);
    DestroyWindow(hwnd);
    EXPECT_EQ(probe.seen.back(), UINT(WM_NCDESTROY));
    EXPECT_EQ(probe.unbound, hwnd);
}

// An object that goes first cuts its window off: the messages of the
// window's destruction no longer reach it.
TEST_F(WindowBindingTest, UnbindingCutsTheWindowOffAtOnce) {
    for (bool native : {false, true}) {
        Probe probe(native);
        HWND hwnd = native ? CreateWindowExW(0, L"STATIC", L"native", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                             nullptr, GetModuleHandleW(nullptr), nullptr)
                           : MakeProbeWindow(probe);
        if (native)
            SubclassBound(probe, hwnd);
        UnbindWindow(hwnd);
        EXPECT_EQ(BoundObject(hwnd), nullptr);
        const size_t seen = probe.seen.size();
        EXPECT_EQ(Text(hwnd), native ? L"native" : L"probe");
        DestroyWindow(hwnd);
        EXPECT_EQ(probe.seen.size(), seen) << native;
        EXPECT_EQ(probe.unbound, nullptr) << native;
    }
}

// The application window and the hidden message windows are bound as
// controls are (ControlTest); a control is found by its window, they are not.
TEST_F(WindowBindingTest, TheApplicationAndMessageWindowsAreBoundLikeControls) {
    MessageWindow hidden([](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        return DefWindowProcW(hwnd, msg, wp, lp);
    });
    for (HWND hwnd : {Application().Handle(), hidden.Handle()}) {
        EXPECT_NE(BoundObject(hwnd), nullptr);
        EXPECT_EQ(TControl::FromHandle(hwnd), nullptr);
    }
}
