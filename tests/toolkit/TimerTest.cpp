#include "toolkit/Timer.h"

#include "support/PumpMessages.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"

#include <gtest/gtest.h>

TEST(TTimer, RaisesItsEventOnTheMessageLoopWhileEnabled) {
    TTimer timer;
    timer.SetInterval(10);
    int ticks = 0;
    timer.SetOnTimer([&](TTimer& sender) {
        EXPECT_EQ(&sender, &timer);
        ++ticks;
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    timer.SetEnabled(false);
    int seen = ticks;
    Sleep(50);
    Application().ProcessMessages();
    EXPECT_EQ(ticks, seen);
}

// A timer fires late, never more than a tick of the system clock early: the
// first tick after a restart at 1000 ms cannot come within 900 ms. Without
// the restart it would come about 800 ms after it.
TEST(TTimer, RestartCountsThePeriodFromNow) {
    TTimer timer;
    timer.SetInterval(1000);
    DWORD firstTick = 0;
    timer.SetOnTimer([&](TTimer&) {
        if (!firstTick)
            firstTick = GetTickCount();
    });
    const DWORD started = GetTickCount();
    PumpUntil([&] { return GetTickCount() - started >= 200; }, 1000);
    ASSERT_EQ(firstTick, 0u);
    // The same interval and state again change nothing; a restart does.
    timer.SetInterval(1000);
    timer.SetEnabled(true);
    const DWORD restarted = GetTickCount();
    timer.Restart();
    ASSERT_TRUE(PumpUntil([&] { return firstTick != 0; }, 3000));
    EXPECT_GE(firstTick - restarted, 900u);
}

TEST(TTimer, AnErrorInTheEventGoesToTheErrorBoxAndTheTimerGoesOn) {
    RecordingMessageSink sink;
    ScopedMessageSink recorded(sink);
    Application().SetTitle("Ostrelle");
    TTimer timer;
    timer.SetInterval(10);
    int ticks = 0;
    timer.SetOnTimer([&](TTimer&) {
        ++ticks;
        throw Exception("boom");
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    ASSERT_GE(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "boom");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
}

TEST(TComponent, OwnerDestroysWhatItMadeAndListsItsComponents) {
    int destroyed = 0;
    struct Probe : TComponent {
        Probe(TComponent* owner, int& counter) : TComponent(owner), counter_(counter) {}
        ~Probe() override { ++counter_; }
        int& counter_;
    };
    {
        TComponent owner;
        Probe& a = owner.Make<Probe>(destroyed);
        a.SetName("a");
        owner.Make<Probe>(destroyed).SetName("b");
        EXPECT_EQ(owner.Components().size(), 2u);
        EXPECT_EQ(owner.FindComponent("a"), &a);
        EXPECT_EQ(a.Owner(), &owner);
    }
    EXPECT_EQ(destroyed, 2);
}
