#include "support/ModalBoxSink.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/MessageWindow.h"
#include "toolkit/Timer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using ::testing::ElementsAre;

namespace {
// A timer whose firings the test sends itself, as the message loop (or a
// modal box's own loop) would deliver them; it never fires by itself. Each
// firing counts, then fails in the way given.
class OneBoxAtATime : public ::testing::Test {
protected:
    OneBoxAtATime() {
        Application().SetTitle("Ostrelle");
        timer.SetEnabled(false);
        timer.SetOnTimer([this](TTimer&) {
            ++firings;
            fail("tick " + std::to_string(firings));
        });
    }

    void Fire() { SendMessageW(timer.Handle(), WM_TIMER, TTimer::kTimerId, 0); }

    ModalBoxSink boxes;
    ScopedMessageSink shown{boxes};
    TTimer timer;
    int firings = 0;
    std::function<void(const std::string&)> fail = [](const std::string& text) {
        throw Exception(text);
    };
};
} // namespace

// A timer that fails at every firing, as a minute tick does while a file is
// held: the firings inside the loop of its box run to their end and show
// nothing; once the box has closed, the next firing that fails shows it
// again. The same for an error that reaches the dispatch and for a box the
// handler shows itself.
TEST_F(OneBoxAtATime, ATimersBoxWhileABoxIsOnScreenIsDropped) {
    struct Case {
        const char* name;
        std::function<void(const std::string&)> fail;
    } cases[] = {
        {"an error", [](const std::string& text) { throw Exception(text); }},
        {"a box of its own",
         [](const std::string& text) { Application().ShowMessageBox(text, "Ostrelle", MB_OK); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fail = c.fail;
        firings = 0;
        boxes = {};
        boxes.whileShown = [this] {
            for (int i = 0; i < 3; ++i)
                Fire();
        };
        Fire();
        EXPECT_EQ(firings, 4);
        EXPECT_THAT(boxes.Texts(), ElementsAre("tick 1"));
        EXPECT_EQ(boxes.mostOnScreen, 1);
        EXPECT_EQ(Application().BoxesOnScreen(), 0);

        Fire(); // the box has closed: the failure that still holds is shown
        EXPECT_EQ(firings, 8);
        EXPECT_THAT(boxes.Texts(), ElementsAre("tick 1", "tick 5"));
        EXPECT_EQ(boxes.mostOnScreen, 1);
    }
}

// A box that answers the user (a command, here one sent to a window of its
// own) is shown over a timer's box; the timer's firings inside it still show
// nothing, and a timer's box over the user's box is dropped as well.
TEST_F(OneBoxAtATime, ABoxForTheUserStandsOverATimersBox) {
    MessageWindow commands([](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_COMMAND)
            throw Exception("command failed");
        return DefWindowProcW(hwnd, msg, wp, lp);
    });
    int depth = 0;
    boxes.whileShown = [&] {
        ++depth;
        if (depth == 1)
            SendMessageW(commands.Handle(), WM_COMMAND, 1, 0);
        Fire();
        --depth;
    };
    Fire();
    EXPECT_THAT(boxes.Texts(), ElementsAre("tick 1", "command failed"));
    EXPECT_EQ(boxes.mostOnScreen, 2);
    EXPECT_EQ(firings, 3);

    // The user's box alone: the timer's box over it is dropped too.
    boxes = {};
    boxes.whileShown = [&] { Fire(); };
    SendMessageW(commands.Handle(), WM_COMMAND, 1, 0);
    EXPECT_THAT(boxes.Texts(), ElementsAre("command failed"));
    EXPECT_EQ(firings, 4);
}
