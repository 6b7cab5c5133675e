#include "TickingWindowFixture.h"

#include "recording/DayFileName.h"
#include "recording/DayRecords.h"
#include "recording/PointerTravel.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <functional>
#include <map>
#include <numeric>

using ::testing::HasSubstr;

namespace {
// The minutes of a week of ticks, from Monday 19 October 2026 just after
// midnight to the tick at midnight a week later, which closes Sunday's last
// minute into Monday's file. Sunday 25 October is the end of daylight
// saving time: after 02:59 the clock shows 02:00 again. The program is not
// running from Thursday 12:01 to 12:05.
std::vector<LocalTime> WeekOfTicks() {
    std::vector<LocalTime> ticks;
    auto add = [&](int day, int hour, int minute) {
        ticks.push_back({{2026, 10, day}, hour, minute, 0, 5});
    };
    for (int day = 19; day <= 25; ++day) {
        for (int minute = 0; minute < 1440; ++minute) {
            if (day == 19 && minute == 0)
                continue; // started at 00:00:30
            if (day == 22 && minute > 720 && minute <= 725)
                continue;
            if (day == 25 && minute == 180)
                for (int again = 120; again < 180; ++again)
                    add(day, again / 60, again % 60);
            add(day, minute / 60, minute % 60);
        }
    }
    add(26, 0, 0);
    return ticks;
}

bool At(const LocalTime& t, int day, int hour, int minute) {
    return t.date.day == day && t.hour == hour && t.minute == minute;
}

struct Totals {
    long long keys = 0;
    long long decimetres = 0;
};
} // namespace

// A week of a real desktop, minute by minute, with a known number of keys
// and pointer steps fed in before every tick: midnights, the end of
// daylight saving time, a restart, today's file held by another program for
// an hour, the history folder gone for ten minutes, and a past day's broken
// file selected in the tree. Every box stays on screen for seven minutes of
// ticks, as a user away from the desk leaves it. Every key and every step
// ends up in the file of the date its tick fell on, once; no box is ever
// shown inside another.
TEST_F(TickingWindowFixture, AWeekOfTicksKeepsEveryKeyAndStepInOneDayFile) {
    const std::string brokenDay = history + "26-09-30.dat";
    const std::string broken = "5:5:0\r\nx:1:1\r\n";
    WriteFile(brokenDay, broken);
    clock.Set({{2026, 10, 19}, 0, 0, 30, 0});
    std::unique_ptr<TfrmMain> form = StartTicking();
    const int ppi = form->PixelsPerInch();
    const std::string away = root / "history-away\\";

    const std::vector<LocalTime> ticks = WeekOfTicks();
    std::map<Date, Totals> fed;
    FileHandle held;
    size_t next = 0;

    // One minute: what happens in it, the keys and steps of it, then its tick.
    auto minute = [&] {
        const size_t i = next++;
        const LocalTime& t = ticks[i];
        if (At(t, 20, 14, 0))
            held = Hold(DayFileName(history, t.date));
        if (At(t, 20, 15, 0))
            held = FileHandle();
        if (At(t, 21, 9, 0)) {
            ASSERT_TRUE(MoveFileW(Widen(history).c_str(), Widen(away).c_str()));
        }
        if (At(t, 21, 9, 10)) {
            ASSERT_TRUE(MoveFileW(Widen(away).c_str(), Widen(history).c_str()));
        }
        if (At(t, 22, 12, 6)) {
            // The restart: quit after the tick at 12:00, start again at 12:05:30.
            ASSERT_EQ(boxes.onScreen, 0);
            ASSERT_TRUE(ConfirmedClose(*form));
            form.reset();
            clock.Set({t.date, 12, 5, 30, 0});
            form = StartTicking();
        }
        if (At(t, 23, 16, 0)) {
            TTreeNode& september = form->TreeView().Root(0);
            ASSERT_EQ(september.Item(0).Text(), "2026-09-30");
            form->TreeView().SetSelected(&september.Item(0));
        }
        const int keys = int(i * 7 % 11);
        const int steps = int(i * 3 % 4);
        Keys(*form, keys);
        Steps(*form, steps);
        const int stepPixels = int(std::lround(ppi / 0.254));
        ASSERT_EQ(PixelsToDecimetres(uint32_t(steps * stepPixels), ppi), uint32_t(steps));
        fed[t.date].keys += keys;
        fed[t.date].decimetres += steps;
        TickAt(*form, t);
    };
    boxes.whileShown = [&] {
        for (int i = 0; i < 7 && next < ticks.size(); ++i)
            minute();
    };
    while (next < ticks.size())
        minute();
    ASSERT_TRUE(ConfirmedClose(*form));
    form.reset();

    std::map<Date, Totals> stored;
    for (const auto& [date, ignored] : fed) {
        const DayColumns day = ReadDayColumns(ReadFile(DayFileName(history, date)));
        EXPECT_FALSE(day.error) << date.day;
        EXPECT_EQ(day.Lines(), kMinutesPerDay) << date.day;
        stored[date].keys = std::accumulate(day.keys.begin(), day.keys.end(), 0LL);
        stored[date].decimetres = std::accumulate(day.mouse.begin(), day.mouse.end(), 0LL);
    }
    Totals fedAll, storedAll;
    for (const auto& [date, totals] : fed) {
        EXPECT_EQ(stored[date].keys, totals.keys) << date.day;
        EXPECT_EQ(stored[date].decimetres, totals.decimetres) << date.day;
        fedAll.keys += totals.keys;
        fedAll.decimetres += totals.decimetres;
        storedAll.keys += stored[date].keys;
        storedAll.decimetres += stored[date].decimetres;
    }
    // The day files of the week are all there is, and the broken one is as it was.
    EXPECT_EQ(ListFolder(history, "*.dat").size(), fed.size() + 1);
    EXPECT_EQ(ReadFile(brokenDay), broken);

    // The file held from 14:00 to 15:00: a box at 14:00 and at every eighth
    // minute after it while the failure holds; the folder gone from 09:00 to
    // 09:10: at 09:00 and 09:08; the broken day: once.
    int heldBoxes = 0, goneBoxes = 0, brokenBoxes = 0;
    for (const auto& box : boxes.messages) {
        heldBoxes += box.text.find("26-10-20.dat") != std::string::npos;
        goneBoxes += box.text.find("26-10-21.dat") != std::string::npos;
        brokenBoxes += box.text == "'x' is not a valid integer value";
    }
    EXPECT_EQ(heldBoxes, 8);
    EXPECT_EQ(goneBoxes, 2);
    EXPECT_EQ(brokenBoxes, 1);
    EXPECT_EQ(boxes.messages.size(), 11u);
    EXPECT_EQ(boxes.mostOnScreen, 1);

    std::printf("A week of %zu ticks in %zu day files: keys fed %lld, stored %lld; pointer steps "
                "fed %lld dm, stored %lld dm; boxes shown %zu, at most %d on screen at once\n",
                ticks.size(), fed.size(), fedAll.keys, storedAll.keys, fedAll.decimetres,
                storedAll.decimetres, boxes.messages.size(), boxes.mostOnScreen);
}
