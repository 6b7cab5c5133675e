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

TEST(TTimer, AnErrorInTheEventGoesToTheErrorBoxAndTheTimerGoesOn) {
    RecordingMessageSink sink;
    Application().SetMessageSink(&sink);
    Application().SetTitle("Ostrelle");
    TTimer timer;
    timer.SetInterval(10);
    int ticks = 0;
    timer.SetOnTimer([&](TTimer&) {
        ++ticks;
        throw Exception("boom");
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    Application().SetMessageSink(nullptr);
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
