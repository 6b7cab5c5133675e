#include "DayLogFixture.h"

#include "support/TextLines.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/Exception.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST_F(DayLogFixture, WithoutTodaysFileTheDayStartsEmptyAndTheFileIsCreated) {
    log.LoadTodayFile();
    ASSERT_EQ(keys.PointCount(), 1440);
    EXPECT_EQ(cpu.PointCount(), 1440);
    EXPECT_EQ(keys.XAt(1439), 1439);
    EXPECT_EQ(ReadFile(TodayFile()), DayText({}));
    EXPECT_EQ(caption, "Hours");
    EXPECT_TRUE(reported.empty());
}

TEST_F(DayLogFixture, ShortEmptyAndLongFilesLoadWhatTheyHave) {
    struct Case {
        const char* name;
        std::string text;
        int points;
        bool fileKept; // untouched until the next save
    } cases[] = {
        {"empty", "", 1440, true},
        {"100 lines", DayText({{99, "9:9:9"}}, 100), 1440, true},
        {"1500 lines", DayText({{1499, "4:4:4"}}, 1500), 1500, true},
        {"LF only", "1:2:3\n4:5:6\n", 1440, true},
        {"CR only", "1:2:3\r4:5:6\r", 1440, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TChartSeries k, m, p;
        DayLog day(DaySeries{k, m, p}, clock, historyDir, Reporter());
        WriteFile(TodayFile(), c.text);
        day.LoadTodayFile();
        EXPECT_EQ(k.PointCount(), c.points);
        EXPECT_EQ(p.PointCount(), c.points);
        EXPECT_EQ(ReadFile(TodayFile()), c.text);
        day.SaveDayFile();
        EXPECT_EQ(ReadTextLines(TodayFile()).size(), size_t(c.points));
    }
    EXPECT_TRUE(reported.empty());
}

TEST_F(DayLogFixture, LoadedRecordsGoToTheirMinutes) {
    WriteFile(TodayFile(), DayText({{1, "57:12:0"}, {99, "1:2:3"}}, 100));
    log.LoadTodayFile();
    EXPECT_EQ(log.RecordAt(1), (MinuteRecord{57, 12, 0}));
    EXPECT_EQ(log.RecordAt(99), (MinuteRecord{1, 2, 3}));
    EXPECT_EQ(log.RecordAt(100), (MinuteRecord{}));
    log.SaveDayFile();
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{1, "57:12:0"}, {99, "1:2:3"}}));
}

TEST_F(DayLogFixture, TheActiveSpanOfTheFileIsShownUnderTheChart) {
    struct Case {
        std::vector<std::pair<int, std::string>> set;
        std::string caption;
    } cases[] = {
        {{{480, "5:0:0"}, {1020, "0:3:0"}}, "Hours [from 08:00 to 17:00]"},
        {{{600, "0:0:1"}}, "Hours [from 10:00 to 10:00]"}, // one minute: from = to
        {{{0, "9:9:9"}}, "Hours"},                         // minute 0 is never first
        {{{0, "9:9:9"}, {5, "1:0:0"}}, "Hours [from 00:05 to 00:05]"},
        {{{5, "65536:0:0"}}, "Hours"},                       // low 16 bits are zero
        {{{5, "70000:0:0"}}, "Hours [from 00:05 to 00:05]"}, // stored as read
    };
    for (const Case& c : cases) {
        TChartSeries k, m, p;
        std::string shown = "Hours";
        DayLog day(
            DaySeries{k, m, p}, clock, historyDir, Reporter(),
            {[] { return std::string("Hours"); }, [&](const std::string& text) { shown = text; }});
        WriteFile(TodayFile(), DayText(c.set));
        day.LoadTodayFile();
        EXPECT_EQ(shown, c.caption);
    }
    TChartSeries k, m, p;
    DayLog day(DaySeries{k, m, p}, clock, historyDir, Reporter());
    WriteFile(TodayFile(), DayText({{5, "70000:0:0"}}));
    day.LoadTodayFile();
    EXPECT_EQ(k.YAt(5), 70000);
}

// A broken line stops the loading there: the error is shown, the store still
// holds the whole day with the lines before it, the original bytes are kept
// beside the file, and the file itself is written sound at once, so that no
// other reader of the folder meets the broken line again.
TEST_F(DayLogFixture, ABrokenFileIsReportedKeptAsideAndTheDayGoesOn) {
    struct Case {
        std::string badLine;
        std::string message;
    } cases[] = {
        {"12:7", "'' is not a valid integer value"},
        {"1::3", "'' is not a valid integer value"},
        {"-1:+2: 3", "' 3' is not a valid integer value"},
        {"a:1:1", "'a' is not a valid integer value"},
        {"1:99999999999:1", "'99999999999' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.badLine);
        reported.clear();
        for (const auto& name : ListFolder(historyDir, "*"))
            DeleteFileIfPresent(historyDir + name);
        TChartSeries k, m, p;
        DayLog day(DaySeries{k, m, p}, clock, historyDir, Reporter());
        const std::string original = Lines({"3:4:5", "6:7:8", c.badLine, "9:9:9"});
        WriteFile(TodayFile(), original);

        day.LoadTodayFile();
        EXPECT_THAT(reported, ElementsAre(c.message));
        ASSERT_EQ(k.PointCount(), 1440);
        EXPECT_EQ(day.RecordAt(1), (MinuteRecord{6, 7, 8}));
        EXPECT_EQ(day.RecordAt(2), (MinuteRecord{}));
        EXPECT_EQ(day.RecordAt(3), (MinuteRecord{}));
        EXPECT_EQ(ReadFile(BrokenCopyName(TodayFile(), 1)), original);
        EXPECT_EQ(ReadFile(TodayFile()), DayText({{0, "3:4:5"}, {1, "6:7:8"}}));

        day.StoreMinute(601, 5, 1);
        day.SaveDayFile();
        EXPECT_EQ(ReadFile(TodayFile()), DayText({{0, "3:4:5"}, {1, "6:7:8"}, {601, "5:1:0"}}));
        EXPECT_EQ(ReadFile(BrokenCopyName(TodayFile(), 1)), original);
        EXPECT_THAT(ListFolder(historyDir, "*.dat"), ElementsAre("26-12-09.dat"));
    }
}

// Where the original bytes cannot be kept, the broken file is the only copy
// of them: it is left as it is, and saving refuses to replace it.
// The report comes when the loading is over, the file written sound again:
// the box it may show runs timers, and a tick in it must find the day as the
// loading leaves it.
TEST_F(DayLogFixture, ABrokenFileIsReportedOnceItIsWrittenAgain) {
    WriteFile(TodayFile(), Lines({"3:4:5", "12:7"}));
    std::vector<std::string> fileWhenReported;
    TChartSeries k, m, p;
    DayLog day(DaySeries{k, m, p}, clock, historyDir,
               [&](const std::exception&) { fileWhenReported.push_back(ReadFile(TodayFile())); });
    day.LoadTodayFile();
    EXPECT_THAT(fileWhenReported, ElementsAre(DayText({{0, "3:4:5"}})));
}

TEST_F(DayLogFixture, ABrokenFileWhoseCopyCannotBeMadeIsLeftAlone) {
    const std::string original = Lines({"3:4:5", "12:7"});
    WriteFile(TodayFile(), original);
    // A folder where the copy would go: the copy cannot be written.
    CreateDirectoryW(Widen(BrokenCopyName(TodayFile(), 1)).c_str(), nullptr);

    log.LoadTodayFile();
    EXPECT_THAT(reported, ElementsAre("'' is not a valid integer value"));
    EXPECT_EQ(ReadFile(TodayFile()), original);
    log.StoreMinute(601, 5, 1);
    EXPECT_THROW(log.SaveDayFile(), Exception);
    EXPECT_EQ(ReadFile(TodayFile()), original);
    RemoveDirectoryW(Widen(BrokenCopyName(TodayFile(), 1)).c_str());
}

TEST_F(DayLogFixture, ASecondBrokenStartKeepsTheFirstCopyToo) {
    WriteFile(TodayFile(), "x\r\n");
    WriteFile(BrokenCopyName(TodayFile(), 1), "earlier");
    log.LoadTodayFile();
    EXPECT_EQ(ReadFile(BrokenCopyName(TodayFile(), 1)), "earlier");
    EXPECT_EQ(ReadFile(BrokenCopyName(TodayFile(), 2)), "x\r\n");
}

TEST_F(DayLogFixture, AMissingHistoryFolderFailsWithTheCreateError) {
    TChartSeries k, m, p;
    const std::string missing = root / "nowhere\\";
    DayLog day(DaySeries{k, m, p}, clock, missing, Reporter());
    try {
        day.LoadTodayFile();
        FAIL() << "created a file in a missing folder";
    } catch (const Exception& e) {
        EXPECT_THAT(e.Message(),
                    StartsWith("Cannot create file \"" + missing + "26-12-09.dat\". "));
    }
    EXPECT_EQ(k.PointCount(), 1440); // the day can still be recorded
    EXPECT_FALSE(FileExists(root / "nowhere"));
}

// Today's file held by another program at start-up: it cannot be read, so it
// must not be overwritten either; once it can be read, its minutes and the
// ones counted meanwhile are saved together.
TEST_F(DayLogFixture, ALockedFileAtStartUpIsMergedNotOverwrittenOnceFree) {
    WriteFile(TodayFile(), DayText({{3, "5:5:5"}, {601, "1:1:1"}}));
    {
        FileHandle lock = Hold(TodayFile());
        ASSERT_TRUE(lock);
        log.LoadTodayFile();
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_THAT(reported[0], StartsWith("Cannot open file \"" + TodayFile() + "\". "));
        EXPECT_EQ(keys.PointCount(), 1440);
        log.StoreMinute(601, 7, 2);
        EXPECT_THROW(log.SaveDayFile(), Exception);
    }
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{3, "5:5:5"}, {601, "1:1:1"}}));
    log.SaveDayFile();
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{3, "5:5:5"}, {601, "7:2:1"}}));
}

TEST_F(DayLogFixture, ASaveThatFailsKeepsTheOldFileAndTheNextSaveWritesEverything) {
    log.LoadTodayFile();
    log.StoreMinute(601, 3, 1);
    {
        FileHandle lock = Hold(TodayFile());
        EXPECT_THROW(log.SaveDayFile(), Exception);
        EXPECT_FALSE(FileExists(TempFileNameFor(TodayFile())));
    }
    EXPECT_EQ(ReadFile(TodayFile()), DayText({}));
    log.StoreMinute(602, 4, 0);
    log.SaveDayFile();
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{601, "3:1:0"}, {602, "4:0:0"}}));
}

TEST_F(DayLogFixture, AReadOnlyDayFileGivesTheErrorAndLosesNothing) {
    log.LoadTodayFile();
    SetFileAttributesW(Widen(TodayFile()).c_str(), FILE_ATTRIBUTE_READONLY);
    log.StoreMinute(700, 2, 2);
    EXPECT_THROW(log.SaveDayFile(), Exception);
    EXPECT_EQ(ReadFile(TodayFile()), DayText({}));
    SetFileAttributesW(Widen(TodayFile()).c_str(), FILE_ATTRIBUTE_NORMAL);
    log.SaveDayFile();
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{700, "2:2:0"}}));
}

TEST_F(DayLogFixture, ATemporaryFileLeftByACrashIsRemovedByTheFirstSave) {
    WriteFile(TempFileNameFor(TodayFile()), "half");
    WriteFile(TempFileNameFor(historyDir + "26-12-01.dat"), "old");
    WriteFile(historyDir + "notes.txt", "mine");
    log.LoadTodayFile(); // no file yet: it is created, by a save
    EXPECT_THAT(ListFolder(historyDir, "*"), ElementsAre("26-12-09.dat", "notes.txt"));

    TChartSeries k, m, c;
    DayLog next(DaySeries{k, m, c}, clock, historyDir, Reporter());
    WriteFile(TempFileNameFor(TodayFile()), "half");
    next.LoadTodayFile(); // the file is there: loading reads, nothing more
    EXPECT_TRUE(FileExists(TempFileNameFor(TodayFile())));
    next.SaveDayFile();
    EXPECT_THAT(ListFolder(historyDir, "*"), ElementsAre("26-12-09.dat", "notes.txt"));
}

TEST_F(DayLogFixture, TheStoreIsWrittenToTheFileOfItsOwnDate) {
    log.LoadTodayFile();
    log.StoreMinute(1439, 8, 8);
    clock.Set({{2026, 12, 10}, 0, 0, 20, 0}); // quit just after midnight
    log.SaveDayFile();
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{1439, "8:8:0"}}));
    EXPECT_FALSE(FileExists(historyDir + "26-12-10.dat"));
}

TEST_F(DayLogFixture, ClearDayStoreZeroesEveryMinuteAndTheSpan) {
    WriteFile(TodayFile(), DayText({{480, "5:0:7"}, {1020, "0:3:0"}}));
    log.LoadTodayFile();
    log.ClearDayStore();
    EXPECT_EQ(keys.PointCount(), 1440);
    EXPECT_EQ(cpu.YValues().MaxValue(), 0);
    EXPECT_EQ(keys.XAt(480), 480);
    EXPECT_EQ(log.Span().first, 0);
    EXPECT_EQ(log.Span().last, 0);
    caption = "Keys pressed, count per minute [09:41 - 57]";
    log.ActiveSpanCaption(); // no span to show: the hint alone
    EXPECT_EQ(caption, "Hours");
}

TEST_F(DayLogFixture, BeginningADayEndsTheOldOneInItsFileAndTakesTheNewDaysRecords) {
    log.LoadTodayFile();
    log.StoreMinute(5, 1, 1);
    WriteFile(historyDir + "26-12-10.dat", DayText({{7, "2:2:2"}}));
    EXPECT_TRUE(log.BeginDay({2026, 12, 10}).empty());
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{5, "1:1:0"}}));
    EXPECT_EQ(log.StoreDate(), (Date{2026, 12, 10}));
    EXPECT_EQ(log.RecordAt(5), (MinuteRecord{}));
    EXPECT_EQ(log.RecordAt(7), (MinuteRecord{2, 2, 2}));
    log.SaveDayFile();
    EXPECT_EQ(ReadFile(historyDir + "26-12-10.dat"), DayText({{7, "2:2:2"}}));
    EXPECT_EQ(ReadFile(TodayFile()), DayText({{5, "1:1:0"}})); // yesterday keeps its last state
}

// Nothing stops the move to the new date. What went wrong comes back to the
// caller, in order, instead of being reported while the store is half moved.
TEST_F(DayLogFixture, BeginningADayGivesBackWhatWentWrongAndMovesAllTheSame) {
    log.LoadTodayFile();
    log.StoreMinute(5, 1, 1);
    WriteFile(historyDir + "26-12-10.dat", Lines({"2:2:2", "x:1:1"}));
    MetErrors met;
    {
        FileHandle lock = Hold(TodayFile());
        met = log.BeginDay({2026, 12, 10});
    }
    EXPECT_TRUE(reported.empty());
    ASSERT_EQ(met.size(), 2u);
    ReportOnce(Reporter(), met); // one report: their texts a paragraph each, in order
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_THAT(reported[0], StartsWith("Cannot create file \"" + TodayFile() + "\""));
    EXPECT_THAT(reported[0], EndsWith("\n\n'x' is not a valid integer value"));
    EXPECT_EQ(log.StoreDate(), (Date{2026, 12, 10}));
    EXPECT_EQ(log.RecordAt(0), (MinuteRecord{2, 2, 2}));
    EXPECT_EQ(log.RecordAt(5), (MinuteRecord{}));
}
