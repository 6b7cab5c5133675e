#include "HistoryWindowFixture.h"

#include <gmock/gmock.h>

#include <functional>

using ::testing::ElementsAre;
using ::testing::StartsWith;

namespace {
int Points(const TChartSeries& series) {
    return series.PointCount();
}
} // namespace

class DayViewTest : public HistoryWindowTest {
protected:
    DayViewTest() {
        WriteFile(history + "26-12-08.dat", DayText({{480, "5:0:0"}, {1020, "0:3:0"}}));
        WriteFile(history + "26-12-01.dat", DayText({{600, "7:2:0"}}));
        WriteFile(history + "26-12-02.dat", DayText({}));
    }
    DayChart& day = charts.day;
};

TEST_F(DayViewTest, TodaysNodeShowsTheDayStoreAndItsSpan) {
    Start();
    Select("2026-12-08");
    EXPECT_TRUE(dayChart.Visible());
    EXPECT_FALSE(monthChart.Visible());
    EXPECT_TRUE(day.keys2->Active() && day.mouse2->Active());
    EXPECT_FALSE(day.readKeys->Active() || day.readMouse->Active() || day.readCpu->Active());
    EXPECT_EQ(dayCaption.Caption(), "Hours [from 08:00 to 17:00]");

    // Once on view, selecting it again changes nothing: the minute tick and
    // the readout keep the caption.
    dayCaption.SetCaption("Keys pressed, count per minute [08:00 - 5]");
    Select("2026.December");
    Select("2026-12-08");
    EXPECT_EQ(dayCaption.Caption(), "Keys pressed, count per minute [08:00 - 5]");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DayViewTest, APastDayIsReadIntoTheReadSeriesWithItsOwnSpan) {
    struct Case {
        std::string text;
        std::string caption;
        double keysAt600;
    } cases[] = {
        {DayText({}), "Hours", 0},
        {DayText({{480, "1:0:0"}, {1020, "0:0:4"}}), "Hours [from 08:00 to 17:00]", 0},
        {DayText({{600, "7:2:0"}}, 100 + 501), "Hours [from 10:00 to 10:00]", 7},
        {DayText({{0, "9:9:9"}}), "Hours", 0}, // minute 0 never starts a span
    };
    Start();
    for (const Case& c : cases) {
        WriteFile(history + "26-12-01.dat", c.text);
        dayCaption.SetCaption("something else");
        Select("2026-12-02");
        Select("2026-12-01");
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(dayCaption.Caption(), c.caption);
        EXPECT_TRUE(day.readKeys->Active() && day.readMouse->Active());
        EXPECT_FALSE(day.readCpu->Active());
        EXPECT_FALSE(day.keys2->Active() || day.mouse2->Active());
        EXPECT_EQ(Points(*day.readKeys), 1440);
        EXPECT_EQ(Points(*day.readMouse), 1440);
        EXPECT_EQ(Points(*day.readCpu), 1440);
        EXPECT_EQ(day.readKeys->XAt(1439), 1439);
        EXPECT_EQ(day.readKeys->YAt(600), c.keysAt600);
    }
    EXPECT_EQ(day.readCpu->YAt(0), 9);
    EXPECT_EQ(Points(*day.keys2), 1440); // the day store untouched
    EXPECT_EQ(day.keys2->YAt(480), 5);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DayViewTest, AShortFileIsFilledUpToTheWholeDayAndALongOneReadWhole) {
    Start();
    WriteFile(history + "26-12-01.dat", DayText({{99, "1:1:1"}}, 100));
    Select("2026-12-01");
    EXPECT_EQ(Points(*day.readMouse), 1440);
    EXPECT_EQ(day.readMouse->YAt(99), 1);
    EXPECT_EQ(day.readMouse->YValues().Total(), 1);
    WriteFile(history + "26-12-02.dat", DayText({{1499, "2:2:2"}}, 1500));
    Select("2026-12-02");
    EXPECT_EQ(Points(*day.readKeys), 1500);
    EXPECT_EQ(day.readKeys->YAt(1499), 2);
}

TEST_F(DayViewTest, BackToTodayTheDayStoreAndTodaysSpanReturnAtOnce) {
    Start();
    Select("2026-12-01");
    EXPECT_EQ(dayCaption.Caption(), "Hours [from 10:00 to 10:00]");
    Select("2026-12-08");
    EXPECT_TRUE(day.keys2->Active() && day.mouse2->Active());
    EXPECT_FALSE(day.readKeys->Active() || day.readMouse->Active());
    EXPECT_EQ(dayCaption.Caption(), "Hours [from 08:00 to 17:00]");
    EXPECT_EQ(day.keys2->YAt(600), 0);
    EXPECT_EQ(day.readKeys->YAt(600), 7); // kept until the next past day
}

// Deleted after start-up, or a folder where the file should be: the message
// names the day looked for, the day store stands in, the tree keeps the day
// selected.
TEST_F(DayViewTest, AFileThatIsGoneShowsTheDayStoreAndSaysSo) {
    struct Case {
        const char* name;
        bool folder;
    } cases[] = {{"deleted", false}, {"a folder", true}};
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.messages.clear();
        const std::wstring path = Widen(history + "26-12-01.dat");
        DeleteFileW(path.c_str());
        if (c.folder) {
            ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        }
        Select("2026-12-02");
        Select("2026-12-01");
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, "File not found: " + history + "26-12-01");
        EXPECT_EQ(messages.messages[0].caption, "Ostrelle");
        EXPECT_EQ(messages.messages[0].flags, unsigned(MB_OK)); // a plain box
        EXPECT_TRUE(day.keys2->Active() && day.mouse2->Active());
        EXPECT_FALSE(day.readKeys->Active() || day.readMouse->Active() || day.readCpu->Active());
        EXPECT_EQ(dayCaption.Caption(), "Hours [from 08:00 to 17:00]");
        EXPECT_EQ(tree.Selected(), &Node("2026-12-01"));
        EXPECT_TRUE(dayChart.Visible());
        RemoveDirectoryW(path.c_str());
    }
}

TEST_F(DayViewTest, AFileThatCannotBeTakenLeavesWhatCameBefore) {
    Start();
    WriteFile(history + "26-12-01.dat", DayText({{5, "1:1:1"}, {100, "12:7"}}));
    Select("2026-12-01");
    ASSERT_THAT(Messages(), ElementsAre("'' is not a valid integer value"));
    EXPECT_EQ(Points(*day.readKeys), 100); // the lines before, not filled up
    EXPECT_EQ(dayCaption.Caption(), "Hours");
    EXPECT_TRUE(day.readKeys->Active());

    FileHandle held = Hold(history + "26-12-02.dat");
    Select("2026-12-02");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_THAT(messages.messages[1].text,
                StartsWith("Cannot open file \"" + history + "26-12-02.dat\". "));
    EXPECT_EQ(Points(*day.readKeys), 0);
    EXPECT_EQ(dayCaption.Caption(), "Hours");
}

// A zoom or pan made on one day stays when another day is selected.
TEST_F(DayViewTest, SelectingADayNeverTouchesTheAxes) {
    Start();
    Select("2026-12-01");
    views.Day().ZoomIn();
    Select("2026-12-02");
    Select("2026-12-08");
    EXPECT_DOUBLE_EQ(dayChart.BottomAxis().Minimum(), 216);
    EXPECT_DOUBLE_EQ(dayChart.BottomAxis().Maximum(), 1224);
}

TEST_F(DayViewTest, TheZoomButtonsRestWhileTheAnimatedZoomRuns) {
    Start();
    Select("2026-12-08");
    std::vector<bool> enabledDuringFrames;
    dayChart.SetRepaintHook(
        [&] { enabledDuringFrames.push_back(zoomIn.Enabled() || zoomOut.Enabled()); });
    views.Day().ZoomIn();
    EXPECT_THAT(enabledDuringFrames, ::testing::Each(false));
    EXPECT_EQ(enabledDuringFrames.size(), 7u);
    EXPECT_TRUE(zoomIn.Enabled() && zoomOut.Enabled());
    EXPECT_DOUBLE_EQ(dayChart.BottomAxis().Minimum(), 216);
    views.Day().ZoomIn();
    EXPECT_DOUBLE_EQ(dayChart.BottomAxis().Minimum(), 367.2);
    views.Day().ZoomOut();
    EXPECT_TRUE(zoomIn.Enabled() && zoomOut.Enabled());
    views.Day().ZoomUndo();
    EXPECT_EQ(dayChart.BottomAxis().Minimum(), 0);
    EXPECT_EQ(dayChart.BottomAxis().Maximum(), 1440);
}

// While the right button pans the day, every move brings back the
// four-headed arrow and no readout is written.
TEST_F(DayViewTest, ARightDragKeepsTheFourHeadedArrowAndNoReadout) {
    Start();
    Select("2026-12-08");
    views.Day().ZoomIn(); // room to pan
    Paint();
    HWND chart = dayChart.Handle();
    const TPoint p = day.keys2->PixelOf(700);
    const TRect plot = dayChart.PlotRect();
    const int y = plot.bottom - 2;
    dayCaption.SetCaption("Hours [from 08:00 to 17:00]");
    SendMessageW(chart, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, y));
    EXPECT_TRUE(views.Day().ScrollDragging());
    EXPECT_TRUE(dayChart.Panning());
    EXPECT_EQ(dayChart.Cursor(), crDefault); // the pan's start sets the arrow
    for (int dx : {10, 20, 30}) {
        SendMessageW(chart, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(p.x - dx, y));
        EXPECT_EQ(dayChart.Cursor(), crSizeAll);
    }
    EXPECT_EQ(dayCaption.Caption(), "Hours [from 08:00 to 17:00]");
    SendMessageW(chart, WM_RBUTTONUP, 0, MAKELPARAM(p.x - 30, y));
    EXPECT_FALSE(views.Day().ScrollDragging());
    EXPECT_EQ(dayChart.Cursor(), crDefault);
    EXPECT_GT(dayChart.BottomAxis().Minimum(), 216); // it panned
    // The month chart's right button also ends the drag.
    SendMessageW(chart, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, y));
    SendMessageW(monthChart.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(views.Day().ScrollDragging());
    EXPECT_TRUE(messages.messages.empty());
}

// The right button goes up outside the chart, or another window takes the
// mouse before it does: the drag ends all the same, the arrow comes back
// and the readout follows the pointer again.
TEST_F(DayViewTest, ARightDragEndedOutsideTheChartLeavesTheReadoutWorking) {
    Start();
    Select("2026-12-08");
    HWND chart = dayChart.Handle();
    const TPoint spike = day.keys2->PixelOf(480);
    const TPoint over{spike.x, (spike.y + day.keys2->BasePixel(480)) / 2};
    const std::string readout = "Keys pressed, count per minute [08:00 - 5]";
    const std::function<void()> endings[] = {
        // The system hands a release anywhere to the window holding the
        // mouse, with the point in that window's client pixels.
        [&] { SendMessageW(GetCapture(), WM_RBUTTONUP, 0, MAKELPARAM(-30, 400)); },
        [&] { SetCapture(zoomIn.Handle()); },
    };
    for (const auto& end : endings) {
        dayCaption.SetCaption("Hours [from 08:00 to 17:00]");
        SendMessageW(chart, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(over.x + 20, over.y));
        SendMessageW(chart, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(-30, 400));
        ASSERT_TRUE(views.Day().ScrollDragging());
        ASSERT_EQ(GetCapture(), chart);
        end();
        EXPECT_FALSE(views.Day().ScrollDragging());
        EXPECT_EQ(dayChart.Cursor(), crDefault);
        ReleaseCapture();
        SendMessageW(chart, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
        EXPECT_EQ(dayCaption.Caption(), readout);
    }
    EXPECT_TRUE(messages.messages.empty());
}
