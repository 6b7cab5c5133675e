#include "TickingWindowFixture.h"

#include "support/DayText.h"
#include "support/TextLines.h"

#include <gmock/gmock.h>

using ::testing::StartsWith;

namespace {
LocalTime At(Date date, int hour, int minute) {
    return {date, hour, minute, 0, 5};
}
} // namespace

// A backup or sync tool holds today's file through 30 ticks, and the box of
// the first stays on screen all that time: the ticks inside its loop store
// their minutes and try to save as usual, but open no box of their own.
// Once the file is let go, the next tick writes every minute, each once.
TEST_F(TickingWindowFixture, AFileHeldThrough30TicksShowsOneBoxAndKeepsEveryMinute) {
    const Date day{2026, 12, 8};
    auto form = StartTicking();
    int minute = 0;
    auto tick = [&] {
        ++minute;
        Keys(*form, minute);
        Steps(*form, minute % 3);
        TickAt(*form, At(day, 10, minute));
    };
    {
        FileHandle held = Hold(history + "26-12-08.dat");
        ASSERT_TRUE(held);
        boxes.whileShown = [&] {
            while (minute < 30)
                tick();
        };
        tick();
        EXPECT_EQ(minute, 30);
    }
    boxes.whileShown = nullptr;
    tick();

    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_THAT(boxes.messages[0].text,
                StartsWith("Cannot create file \"" + history + "26-12-08.dat\""));
    EXPECT_EQ(boxes.mostOnScreen, 1);
    std::vector<std::pair<int, std::string>> expected;
    for (int m = 1; m <= 31; ++m)
        expected.push_back({600 + m, std::to_string(m) + ":" + std::to_string(m % 3) + ":0"});
    EXPECT_EQ(ReadFile(history + "26-12-08.dat"), DayText(expected));
}

// Midnight while the old day's file is held: the old day's last save fails
// and is shown, and the new day begins once, whether the box comes from the
// midnight tick itself or from the tick before it, whose box is still on
// screen when midnight comes. The ticks inside the box store into the new
// day, and the tick that showed the box does nothing after it.
TEST_F(TickingWindowFixture, MidnightWithAFailingSaveBeginsTheNewDayOnce) {
    struct Case {
        const char* name;
        int heldFrom; // the minute of 8 December from which the file is held
        std::string oldDay;
    } cases[] = {
        {"held from midnight", 1440, DayText({{1438, "1:0:0"}, {1439, "2:0:0"}})},
        {"held from the minute before", 1439, DayText({{1438, "1:0:0"}})},
    };
    const Date eighth{2026, 12, 8}, ninth{2026, 12, 9};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileIfPresent(history + "26-12-08.dat");
        DeleteFileIfPresent(history + "26-12-09.dat");
        clock.Set({eighth, 23, 57, 30, 0});
        auto form = StartTicking();
        boxes = {};
        FileHandle held;
        // Minutes 23:58 to 00:03, keys 1 to 6; the box stays up for three
        // minutes.
        int next = 1438;
        auto tick = [&] {
            const int m = next++;
            if (m == c.heldFrom)
                held = Hold(history + "26-12-08.dat");
            if (m == 1440 + 3)
                held = FileHandle();
            Keys(*form, m - 1437);
            TickAt(*form, m < 1440 ? At(eighth, 23, m - 1380) : At(ninth, 0, m - 1440));
        };
        boxes.whileShown = [&] {
            for (int i = 0; i < 3; ++i)
                tick();
        };
        while (next <= 1440 + 3)
            tick();

        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_THAT(boxes.messages[0].text,
                    StartsWith("Cannot create file \"" + history + "26-12-08.dat\""));
        EXPECT_EQ(boxes.mostOnScreen, 1);
        EXPECT_EQ(form->Log().StoreDate(), ninth);
        EXPECT_EQ(ReadFile(history + "26-12-08.dat"), c.oldDay);
        EXPECT_EQ(ReadFile(history + "26-12-09.dat"),
                  DayText({{0, "3:0:0"}, {1, "4:0:0"}, {2, "5:0:0"}, {3, "6:0:0"}}));
    }
}
