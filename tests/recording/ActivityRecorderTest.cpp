#include "recording/ActivityRecorder.h"

#include "DayLogFixture.h"
#include "toolkit/Exception.h"

#include <gmock/gmock.h>

#include <memory>
#include <tuple>
#include <windows.h>

using ::testing::ElementsAre;
using ::testing::StartsWith;

// The minute timer, with the restarts of its period counted: a period of a
// minute is too long for a test to wait for.
class WatchedTimer : public TTimer {
public:
    void Restart() override {
        ++restarts;
        TTimer::Restart();
    }
    int restarts = 0;
};

class ActivityRecorderTest : public DayLogFixture {
protected:
    ActivityRecorderTest() {
        log.LoadTodayFile();
        minuteTimer.SetEnabled(false);
        minuteTimer.SetInterval(AlignedMinuteInterval(30));
    }

    // The tick at the start of a minute of 9 December 2026, or of another day.
    void TickAt(int hour, int minute, Date date = {2026, 12, 9}) {
        clock.Set({date, hour, minute, 0, 5});
        recorder.MinuteTick();
    }
    void Keys(int n) {
        for (int i = 0; i < n; ++i)
            recorder.KeyDown();
    }

    std::string title = "Activity";
    std::optional<Date> onView; // the date the view on screen shows
    int pixelsPerInch = 96;     // the window's scale
    WatchedTimer minuteTimer;
    ActivityRecorder recorder{
        log,
        clock,
        minuteTimer,
        [this] { return pixelsPerInch; },
        Reporter(),
        ActivityRecorder::Hooks{[this](const std::string& text) { title = text; },
                                [this](const Date& date) { return onView == date; }}};
};

TEST_F(ActivityRecorderTest, PollsAddTheRoundedStepsAndShowTheRunningCounts) {
    recorder.SetLastCursorPos({100, 100});
    Keys(57);
    recorder.Poll({100, 100}); // no move: nothing, not even the title
    EXPECT_EQ(title, "Activity");
    recorder.Poll({103, 104});
    EXPECT_EQ(recorder.MouseTravel(), 5u);
    EXPECT_EQ(title, "Activity [57 : 0]");
    recorder.Poll({104, 105}); // one pixel diagonally counts 1
    recorder.Poll({106, 107}); // two diagonally count 3
    EXPECT_EQ(recorder.MouseTravel(), 9u);
    EXPECT_EQ(recorder.LastCursorPos(), (ScreenPoint{106, 107}));
    recorder.Poll({106 + 3771, 107});
    EXPECT_EQ(title, "Activity [57 : 10]"); // 3780 px at 96 ppi
}

TEST_F(ActivityRecorderTest, ThePollReadsTheRealPointer) {
    ASSERT_TRUE(SetCursorPos(200, 300));
    recorder.SetLastCursorPos({200, 296});
    recorder.PollPointer();
    EXPECT_EQ(recorder.LastCursorPos(), (ScreenPoint{200, 300}));
    EXPECT_EQ(recorder.MouseTravel(), 4u);
}

TEST_F(ActivityRecorderTest, TheTickStoresTheMinuteJustEndedUnderTheOneJustBegun) {
    Keys(57);
    recorder.SetLastCursorPos({0, 0});
    recorder.Poll({1000, 0});
    TickAt(10, 1);
    EXPECT_EQ(minuteTimer.Interval(), 60000u); // the start-up alignment ends
    EXPECT_EQ(log.RecordAt(601), (MinuteRecord{57, 3, 0}));
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{601, "57:3:0"}}));
    EXPECT_EQ(recorder.KeyCount(), 0);
    EXPECT_EQ(recorder.MouseTravel(), 0u);
    EXPECT_EQ(title, "Activity [57 : 3]"); // kept until the pointer moves again
    TickAt(10, 2);
    EXPECT_EQ(log.RecordAt(602), (MinuteRecord{}));
}

TEST_F(ActivityRecorderTest, TheSameHandMovementCountsTheSameAtEveryScale) {
    // A metre of pointer travel is 3780 pixels at 96 ppi, 7560 at 192. The
    // window moves to a screen of 192 ppi between the first two minutes, and
    // back in the middle of the third.
    recorder.SetLastCursorPos({0, 0});
    recorder.Poll({3780, 0});
    TickAt(10, 1);
    pixelsPerInch = 192;
    recorder.Poll({3780 - 7560, 0});
    EXPECT_EQ(title, "Activity [0 : 10]");
    TickAt(10, 2);
    recorder.Poll({3780, 0});
    pixelsPerInch = 96;
    recorder.Poll({3780 + 3780, 0});
    EXPECT_EQ(title, "Activity [0 : 20]");
    TickAt(10, 3);
    EXPECT_EQ(log.RecordAt(601).mouse, 10);
    EXPECT_EQ(log.RecordAt(602).mouse, 10);
    EXPECT_EQ(log.RecordAt(603).mouse, 20);
}

TEST_F(ActivityRecorderTest, KeyCountsWrapAtSixteenBits) {
    Keys(70000);
    TickAt(10, 1);
    EXPECT_EQ(log.RecordAt(601).keys, 4464);
}

TEST_F(ActivityRecorderTest, TheCaptionFollowsOnlyWhenTheViewShowsTheTicksDate) {
    struct Case {
        std::optional<Date> onView;
        std::string caption;
    } cases[] = {
        {std::nullopt, "Hours"},
        {Date{2026, 12, 8}, "Hours"},
        {Date{2026, 12, 9}, "Hours [from 10:01 to 10:01]"},
    };
    for (const Case& c : cases) {
        caption = "Hours";
        log.Span() = {};
        onView = c.onView;
        Keys(1);
        TickAt(10, 1);
        EXPECT_EQ(caption, c.caption) << (c.onView ? c.onView->day : 0);
    }
    // Once set, the first minute stays and the last follows the ticks.
    TickAt(10, 7);
    EXPECT_EQ(caption, "Hours [from 10:01 to 10:07]");
}

// The form's timer runs from its creation with the minute's interval. The
// start puts the first tick on the next wall-clock minute; at second 0 the
// interval stays, and only a restart makes the timer count from now.
TEST_F(ActivityRecorderTest, TheMinuteTimerStartsOnTheWallClockMinute) {
    struct Case {
        int second;
        unsigned interval;
    } cases[] = {{0, 60000}, {30, 30000}, {59, 1000}};
    for (const Case& c : cases) {
        minuteTimer.SetInterval(ActivityRecorder::kMinuteInterval);
        minuteTimer.SetEnabled(true);
        minuteTimer.restarts = 0;
        clock.Set({{2026, 12, 9}, 10, 0, c.second, 0});
        recorder.StartMinuteTimer();
        EXPECT_EQ(minuteTimer.Interval(), c.interval) << c.second;
        EXPECT_TRUE(minuteTimer.Enabled()) << c.second;
        EXPECT_EQ(minuteTimer.restarts, 1) << c.second;
    }
    // The first tick puts the minute's interval back for the ticks after it.
    TickAt(10, 1);
    EXPECT_EQ(minuteTimer.Interval(), ActivityRecorder::kMinuteInterval);
}

TEST_F(ActivityRecorderTest, TheFirstTickAfterMidnightStartsTheNewDaysFile) {
    Keys(3);
    TickAt(23, 59);
    Keys(4);
    TickAt(0, 0, {2026, 12, 10});
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{1439, "3:0:0"}}));
    EXPECT_EQ(ReadFile(historyDir + "26-12-10.dat"), DayText({{0, "4:0:0"}}));
    EXPECT_EQ(log.RecordAt(1439), (MinuteRecord{}));
    EXPECT_EQ(log.Span().first, 0);
}

TEST_F(ActivityRecorderTest, TodaysFileDeletedWhileRunningIsWrittenAgainFromTheStore) {
    Keys(2);
    TickAt(10, 1);
    DeleteFileIfPresent(TodayFile());
    Keys(5);
    TickAt(10, 2);
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{601, "2:0:0"}, {602, "5:0:0"}}));
}

// Another program holds the file through a few ticks: every tick reports
// that it could not write, every minute stays in the store with its own
// counts, none is counted twice, and the first save after it lets go writes
// them all.
TEST_F(ActivityRecorderTest, AFileHeldForAFewTicksLosesAndDoublesNothing) {
    {
        FileHandle lock = Hold(TodayFile());
        for (int minute = 1; minute <= 3; ++minute) {
            Keys(minute * 10);
            TickAt(10, minute);
            ASSERT_EQ(reported.size(), size_t(minute));
            EXPECT_THAT(reported.back(), StartsWith("Cannot create file \"" + TodayFile() + "\""));
        }
    }
    reported.clear();
    Keys(1);
    TickAt(10, 4);
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(ReadFile(TodayFile()),
              DayText({{601, "10:0:0"}, {602, "20:0:0"}, {603, "30:0:0"}, {604, "1:0:0"}}));
}

// The last minutes of a day that a held file kept out of it reach the file
// at midnight, before the store moves on to the new day.
TEST_F(ActivityRecorderTest, MidnightSavesTheMinutesTheDaysFileMissedFirst) {
    {
        FileHandle lock = Hold(TodayFile());
        Keys(7);
        TickAt(23, 59);
    }
    reported.clear();
    Keys(4);
    TickAt(0, 0, {2026, 12, 10});
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{1439, "7:0:0"}}));
    EXPECT_EQ(ReadFile(historyDir + "26-12-10.dat"), DayText({{0, "4:0:0"}}));
    EXPECT_TRUE(reported.empty());
}

// Still held at midnight: the error is shown and the new day begins.
TEST_F(ActivityRecorderTest, AMidnightSaveThatFailsIsShownAndTheNewDayBegins) {
    FileHandle lock = Hold(TodayFile());
    Keys(7);
    TickAt(23, 59);
    reported.clear();
    Keys(4);
    TickAt(0, 0, {2026, 12, 10});
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_THAT(reported[0], ::testing::HasSubstr("26-12-09.dat"));
    reported.clear();
    EXPECT_EQ(log.StoreDate(), (Date{2026, 12, 10}));
    EXPECT_EQ(ReadFile(historyDir + "26-12-10.dat"), DayText({{0, "4:0:0"}}));
}

// The failure is reported when the tick is over: a tick that runs while its
// box is open finds the new day begun, its first minute stored and saved.
TEST_F(ActivityRecorderTest, AMidnightFailureIsReportedOnceTheNewDaysFirstMinuteIsSaved) {
    FileHandle lock = Hold(TodayFile());
    struct Seen {
        Date storeDate;
        MinuteRecord firstMinute;
        std::string newFile;
    };
    std::vector<Seen> seen;
    const ErrorReporter look = [&](const std::exception&) {
        seen.push_back({log.StoreDate(), log.RecordAt(0), ReadFile(historyDir + "26-12-10.dat")});
    };
    ActivityRecorder ticking{log, clock, minuteTimer, [] { return 96; }, look, {}};
    ticking.KeyDown();
    clock.Set({{2026, 12, 10}, 0, 0, 0, 5});
    ticking.MinuteTick();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].storeDate, (Date{2026, 12, 10}));
    EXPECT_EQ(seen[0].firstMinute, (MinuteRecord{1, 0, 0}));
    EXPECT_EQ(seen[0].newFile, DayText({{0, "1:0:0"}}));
}

// A locked workstation or the secure desktop: the pointer cannot be read.
// Such a poll counts no jump to the corner and back.
TEST_F(ActivityRecorderTest, APollThatCannotReadThePointerCountsNothing) {
    std::vector<std::optional<ScreenPoint>> reads = {ScreenPoint{100, 100}, std::nullopt,
                                                     std::nullopt, ScreenPoint{103, 104}};
    size_t next = 0;
    ActivityRecorder polled{
        log,         clock,
        minuteTimer, [] { return 96; },
        Reporter(),  ActivityRecorder::Hooks{nullptr, nullptr, [&] { return reads[next++]; }}};
    polled.SetLastCursorPos({100, 100});
    for (size_t i = 0; i < reads.size(); ++i) {
        polled.PollPointer();
        if (i == 2) {
            EXPECT_EQ(polled.LastCursorPos(), (ScreenPoint{100, 100}));
        }
    }
    EXPECT_EQ(polled.MouseTravel(), 5u);
    EXPECT_EQ(polled.LastCursorPos(), (ScreenPoint{103, 104}));
}

namespace {
// One run of the program's recording: a store of its own, filled from
// today's file as start-up fills it.
struct RecordingRun {
    RecordingRun(const Clock& clock, const std::string& historyDir, TTimer& timer,
                 const ErrorReporter& report)
        : log(DaySeries{keys, mouse, cpu}, clock, historyDir, report),
          recorder(log, clock, timer, [] { return 96; }, report, {}) {
        log.LoadTodayFile();
    }
    TChartSeries keys, mouse, cpu;
    DayLog log;
    ActivityRecorder recorder;
};

// 378 pixels at 96 ppi: one decimetre.
constexpr int kDecimetre = 378;
} // namespace

// The clock goes back an hour (the end of daylight saving time): the ticks of
// 02:00 to 02:59 come twice. The second pass adds its counts to the records
// of the first, in the same run or in a run started between the passes
// (today's file is loaded and kept); the first pass stores each minute once.
TEST_F(ActivityRecorderTest, TheRepeatedHourAddsToTheRecordsOfTheFirstPass) {
    for (bool restartBetween : {false, true}) {
        SCOPED_TRACE(restartBetween ? "started again between the passes" : "one run");
        DeleteFileIfPresent(TodayFile());
        auto run = std::make_unique<RecordingRun>(clock, historyDir, minuteTimer, Reporter());
        auto pass = [&](int keysBase, int decimetres) {
            for (int m = 0; m < 60; ++m) {
                for (int k = 0; k < keysBase + m; ++k)
                    run->recorder.KeyDown();
                run->recorder.SetLastCursorPos({0, 0});
                for (int d = 0; d < decimetres; ++d)
                    run->recorder.Poll({d % 2 ? 0 : kDecimetre, 0});
                clock.Set({{2026, 12, 9}, 2, m, 0, 5});
                run->recorder.MinuteTick();
            }
        };
        pass(1, 1);
        std::vector<std::pair<int, std::string>> first, both;
        for (int m = 0; m < 60; ++m) {
            first.push_back({120 + m, std::to_string(1 + m) + ":1:0"});
            both.push_back({120 + m, std::to_string(1 + m + 100 + m) + ":3:0"});
        }
        EXPECT_EQ(ReadFile(TodayFile()), DayText(first));
        if (restartBetween) {
            run.reset();
            run = std::make_unique<RecordingRun>(clock, historyDir, minuteTimer, Reporter());
        }
        pass(100, 2);
        EXPECT_EQ(ReadFile(TodayFile()), DayText(both));
    }
    EXPECT_TRUE(reported.empty());
}

// The clock goes back across midnight: the store moves back to the earlier
// date, filled from its file, and the repeated minutes of both dates add to
// what their files hold.
TEST_F(ActivityRecorderTest, TheClockGoingBackOverMidnightAddsToBothDaysFiles) {
    const Date ninth{2026, 12, 9}, tenth{2026, 12, 10};
    int n = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (auto [date, hour, minute] : {std::tuple{ninth, 23, 58}, std::tuple{ninth, 23, 59},
                                          std::tuple{tenth, 0, 0}, std::tuple{tenth, 0, 1}}) {
            Keys(++n);
            TickAt(hour, minute, date);
        }
    }
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{1438, "6:0:0"}, {1439, "8:0:0"}}));
    EXPECT_EQ(ReadFile(historyDir + "26-12-10.dat"), DayText({{0, "10:0:0"}, {1, "12:0:0"}}));
    EXPECT_TRUE(reported.empty());
}

// A tick early by a moment reads the minute the tick before it stored: the
// counts of both reach that minute, each once.
TEST_F(ActivityRecorderTest, TwoTicksInOneMinuteKeepTheCountsOfBoth) {
    Keys(3);
    TickAt(10, 1);
    Keys(4);
    clock.Set({{2026, 12, 9}, 10, 1, 59, 990});
    recorder.MinuteTick();
    Keys(5);
    TickAt(10, 3);
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{601, "7:0:0"}, {603, "5:0:0"}}));
}

// The history folder is gone at midnight: neither the old day's last save
// nor the new day's first can write. The tick still begins the new day and
// stores its minute, and reports both failures in one report, at its end.
TEST_F(ActivityRecorderTest, WhatATickMeetsIsReportedOnceAtItsEnd) {
    Keys(2);
    TickAt(23, 58);
    const std::string away = root / "away\\";
    ASSERT_TRUE(MoveFileW(Widen(historyDir).c_str(), Widen(away).c_str()));
    Keys(3);
    TickAt(23, 59);
    ASSERT_EQ(reported.size(), 1u);
    reported.clear();
    Keys(4);
    TickAt(0, 0, {2026, 12, 10});
    ASSERT_EQ(reported.size(), 1u);
    const std::string& text = reported[0];
    const size_t gap = text.find("\n\n");
    ASSERT_NE(gap, std::string::npos) << text;
    EXPECT_THAT(text.substr(0, gap), StartsWith("Cannot create file \"" + TodayFile() + "\""));
    EXPECT_THAT(text.substr(gap + 2),
                StartsWith("Cannot create file \"" + historyDir + "26-12-10.dat\""));
    EXPECT_EQ(log.StoreDate(), (Date{2026, 12, 10}));
    EXPECT_EQ(log.RecordAt(0), (MinuteRecord{4, 0, 0}));
    ASSERT_TRUE(MoveFileW(Widen(away).c_str(), Widen(historyDir).c_str()));
    reported.clear();
    Keys(5);
    TickAt(0, 1, {2026, 12, 10});
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(ReadFile(historyDir + "26-12-10.dat"), DayText({{0, "4:0:0"}, {1, "5:0:0"}}));
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{1438, "2:0:0"}})); // 23:59 was reported lost
}
