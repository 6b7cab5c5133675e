#include "desktop/SimpleTimer.h"

#include "support/PumpMessages.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {
// Delivers a tick the way the platform does, and at once.
void Tick(UINT_PTR id) {
    SendMessageW(TSimpleTimerHandler::Window(), WM_TIMER, id, 0);
}

// Whether the platform timer is in place: Stop without clearing the mark
// kills it and says whether there was one.
bool PlatformTimerRuns(TSimpleTimer& timer) {
    bool was = timer.Stop(false);
    if (was)
        timer.Start();
    return was;
}
} // namespace

TEST(TSimpleTimer, StartsWithItsDefaultsAndTicksWithItselfAsSender) {
    TSimpleTimer plain;
    EXPECT_EQ(plain.Interval(), 1000u);
    EXPECT_FALSE(plain.Running());

    int ticks = 0;
    TSimpleTimer timer(10, [&](TSimpleTimer& sender) {
        EXPECT_EQ(&sender, &timer);
        ++ticks;
    });
    EXPECT_EQ(timer.Interval(), 10u);
    EXPECT_FALSE(timer.Running());
    EXPECT_TRUE(timer.Start());
    EXPECT_TRUE(timer.Running());
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_TRUE(timer.Stop());
    EXPECT_FALSE(timer.Running());
    EXPECT_FALSE(timer.Stop()); // nothing left to kill
    timer.SetRunning(true);
    EXPECT_TRUE(timer.Running());
    timer.SetRunning(false);
    EXPECT_FALSE(timer.Running());
}

TEST(TSimpleTimer, AnIntervalOfZeroNeverStarts) {
    TSimpleTimer timer(0, [](TSimpleTimer&) {});
    EXPECT_FALSE(timer.Start());
    EXPECT_FALSE(timer.Running());
    timer.SetRunning(true);
    EXPECT_FALSE(timer.Running());
}

// From 200 to 0 the ticks stop but the timer still counts as running; a new
// interval brings the ticks back.
TEST(TSimpleTimer, AZeroIntervalPausesARunningTimerUntilTheNextInterval) {
    int ticks = 0;
    TSimpleTimer timer(200, [&](TSimpleTimer&) { ++ticks; });
    ASSERT_TRUE(timer.Start());
    timer.SetInterval(0);
    EXPECT_TRUE(timer.Running());
    EXPECT_FALSE(PlatformTimerRuns(timer));
    timer.SetInterval(30);
    EXPECT_TRUE(timer.Running());
    EXPECT_TRUE(PlatformTimerRuns(timer));
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));

    // The same interval again changes nothing, running or stopped.
    timer.SetInterval(30);
    EXPECT_TRUE(PlatformTimerRuns(timer));
    timer.Stop();
    timer.SetInterval(30);
    EXPECT_FALSE(timer.Running());
    // A new interval of a stopped timer does not start it.
    timer.SetInterval(40);
    EXPECT_FALSE(timer.Running());
    EXPECT_FALSE(timer.Stop());
}

TEST(TSimpleTimer, RemovingTheHandlerOfARunningTimerStopsItsTicksButNotItsMark) {
    TSimpleTimer timer(50, [](TSimpleTimer&) {});
    ASSERT_TRUE(timer.Start());
    timer.SetOnTick(nullptr);
    EXPECT_TRUE(timer.Running());
    EXPECT_FALSE(timer.Stop(false));
    EXPECT_TRUE(timer.Start()); // a start puts the platform timer back
}

// A timer fires late, never more than a tick of the system clock early: the
// first tick after a restart at 1000 ms cannot come within 900 ms; without
// the restart it would come about 800 ms after it.
TEST(TSimpleTimer, StartingARunningTimerCountsItsPeriodFromThen) {
    DWORD firstTick = 0;
    TSimpleTimer timer(1000, [&](TSimpleTimer&) {
        if (!firstTick)
            firstTick = GetTickCount();
    });
    ASSERT_TRUE(timer.Start());
    const DWORD started = GetTickCount();
    PumpUntil([&] { return GetTickCount() - started >= 200; }, 1000);
    ASSERT_EQ(firstTick, 0u);
    const DWORD restarted = GetTickCount();
    ASSERT_TRUE(timer.Start());
    ASSERT_TRUE(PumpUntil([&] { return firstTick != 0; }, 3000));
    EXPECT_GE(firstTick - restarted, 900u);
}

TEST(TSimpleTimer, TimersShareOneWindowThatGoesWithTheLast) {
    ASSERT_EQ(TSimpleTimerHandler::Window(), nullptr);
    auto first = std::make_unique<TSimpleTimer>();
    HWND window = TSimpleTimerHandler::Window();
    ASSERT_NE(window, nullptr);
    auto second = std::make_unique<TSimpleTimer>();
    EXPECT_EQ(TSimpleTimerHandler::Window(), window);
    EXPECT_EQ(TSimpleTimerHandler::Users(), 2u);
    EXPECT_NE(first->Id(), second->Id());

    first.reset();
    EXPECT_TRUE(IsWindow(window));
    second->Start();
    second.reset(); // running when destroyed: stopped first
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(TSimpleTimerHandler::Window(), nullptr);

    TSimpleTimer third;
    EXPECT_NE(TSimpleTimerHandler::Window(), nullptr);
    EXPECT_TRUE(IsWindow(TSimpleTimerHandler::Window()));
}

TEST(TSimpleTimer, ATickForATimerThatIsGoneIsIgnored) {
    int ticks = 0;
    TSimpleTimer keeper(1000, [&](TSimpleTimer&) { ++ticks; });
    UINT_PTR goneId = 0;
    {
        TSimpleTimer gone(1000, [&](TSimpleTimer&) { ticks += 100; });
        goneId = gone.Id();
    }
    Tick(goneId);
    EXPECT_EQ(ticks, 0);
    Tick(keeper.Id());
    EXPECT_EQ(ticks, 1);
    // Ids are not given again while the process runs.
    std::set<UINT_PTR> ids{keeper.Id(), goneId};
    for (int i = 0; i < 5; ++i) {
        TSimpleTimer another;
        EXPECT_TRUE(ids.insert(another.Id()).second);
    }
}

TEST(TSimpleTimer, AnErrorInATickGoesToTheErrorBoxAndTheTimerRunsOn) {
    RecordingMessageSink sink;
    ScopedMessageSink recorded(sink);
    Application().SetTitle("Ostrelle");
    int ticks = 0;
    TSimpleTimer timer(10, [&](TSimpleTimer&) {
        ++ticks;
        throw Exception("tick failed");
    });
    timer.Start();
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    ASSERT_GE(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "tick failed");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    EXPECT_TRUE(timer.Running());
}

// The shared window is a Unicode window, and what it does not handle itself
// gets the Unicode default: a text set on it comes back whole.
TEST(TSimpleTimer, TheSharedWindowGivesOtherMessagesTheUnicodeDefault) {
    TSimpleTimer timer;
    HWND window = TSimpleTimerHandler::Window();
    ASSERT_TRUE(IsWindowUnicode(window));
    const wchar_t text[] = L"Zeitgeber \u00e4\u00f6\u00fc \u0416";
    EXPECT_TRUE(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
    wchar_t back[64] = {};
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(back)),
              LRESULT(wcslen(text)));
    EXPECT_STREQ(back, text);
}
