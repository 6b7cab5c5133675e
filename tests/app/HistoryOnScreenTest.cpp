// The history side of the real main window, driven as a user drives it: a
// prepared history folder, the window on screen, the pointer moved with
// SetCursorPos over a month point and over tree nodes, and what the user
// reads taken back from the native controls. The test moves the screen's
// pointer, so it holds the desktop (RESOURCE_LOCK) while it runs.
#include "MainWindowFixture.h"

#include "chart/CustomSeries.h"
#include "support/DayText.h"
#include "support/PumpMessages.h"
#include "toolkit/FindOwned.h"
#include "toolkit/LocaleInfo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {
std::string WindowText(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return Narrow(text);
}

// The text of the tooltip now on view, or nothing when none is.
std::string TooltipOnView() {
    HWND tip = Application().HintWindow();
    if (!IsWindowVisible(tip))
        return {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    if (!SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        return {};
    wchar_t text[512] = {};
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return Narrow(text);
}
} // namespace

class HistoryOnScreenTest : public MainWindowFixture {
protected:
    HistoryOnScreenTest() {
        WriteFile(history + "26-12-01.dat", DayText({{600, "1000:12000:0"}, {601, "234:345:0"}}));
        WriteFile(history + "26-12-08.dat", DayText({{480, "12345:7:0"}}));
        WriteFile(history + "26-11-30.dat", DayText({{10, "5:5:0"}}));
        // The day log's own files beside the day files never count.
        WriteFile(history + "26-12-01.dat.tmp", DayText({{1, "999:999:0"}}));
        WriteFile(history + "26-12-01.dat.broken", "garbage");
    }

    // Shows the window on top of whatever else is on the display and waits
    // until it has painted.
    void ShowOnTop(TfrmMain& form) {
        form.Show();
        SetWindowPos(form.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        PumpUntil([&] { return form.MonthChart().PlotRect().Width() > 0; });
        Application().ProcessMessages();
    }

    void PointAt(TControl& control, TPoint client) {
        const TPoint screen = control.ClientToScreen(client);
        ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    }

    TTreeNode& Node(TfrmMain& form, const std::string& label) {
        for (TTreeNode* node : form.TreeView().Nodes())
            if (node->Text() == label)
                return *node;
        throw std::runtime_error("no node " + label);
    }

    TPoint Centre(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
};

TEST_F(HistoryOnScreenTest, ThePointerOverAMonthPointWritesTheCaptionUnderTheChart) {
    TfrmMain form(clock, root.Path(), Autostart(machine.Get(), user.Get()));
    auto& keys = FindOwned<TCustomSeries>(form, "chMonthKeys");
    auto& caption = FindOwned<TControl>(form, "stlblBottomTextMont");
    // Start-up showed the current month before the window came up.
    ASSERT_EQ(keys.PointCount(), 31);
    EXPECT_EQ(keys.YAt(7), 12345);
    ShowOnTop(form);

    PointAt(form.MonthChart(), keys.PixelOf(7));
    const std::string tuesday = LocaleText(LOCALE_SABBREVDAYNAME2); // 8 December 2026
    const std::string expected =
        "Keys pressed, count per day [2026.12.08 (" + tuesday + ") - 12 345]";
    EXPECT_TRUE(PumpUntil([&] { return WindowText(caption.Handle()) == expected; }))
        << WindowText(caption.Handle());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HistoryOnScreenTest, ThePointerOverTreeNodesShowsTheirTotalsInTheTooltip) {
    TfrmMain form(clock, root.Path(), Autostart(machine.Get(), user.Get()));
    ShowOnTop(form);
    form.TreeView().Root(0).Expand(false);
    Application().ProcessMessages();
    EXPECT_EQ(SendMessageW(Application().HintWindow(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 10000);

    PointAt(form.TreeView(), Centre(Node(form, "2026-12-01").DisplayRect()));
    const std::string first = "Total keys pressed: 1 234; Total mouse: 1234.50 m";
    EXPECT_TRUE(PumpUntil([&] { return TooltipOnView() == first; }, 5000)) << TooltipOnView();

    // Another node: the hint on view goes, the new one comes.
    PointAt(form.TreeView(), Centre(Node(form, "2026.November").DisplayRect()));
    const std::string second = "Total keys pressed: 5; Total mouse: 0.50 m";
    EXPECT_TRUE(PumpUntil([&] { return TooltipOnView() == second; }, 5000)) << TooltipOnView();
    EXPECT_EQ(form.TreeView().Hint(), second);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HistoryOnScreenTest, APastDayUnderThePointerReadsItsMinutes) {
    TfrmMain form(clock, root.Path(), Autostart(machine.Get(), user.Get()));
    ShowOnTop(form);
    form.TreeView().SetSelected(&Node(form, "2026-12-01"));
    auto& caption = FindOwned<TControl>(form, "stlblBottomText");
    EXPECT_EQ(WindowText(caption.Handle()), "Hours [from 10:00 to 10:01]");
    form.DayChart().BottomAxis().SetRange(590, 610);
    UpdateWindow(form.DayChart().Handle());

    auto& keys = FindOwned<TCustomSeries>(form, "myReadSeriesKeys");
    const TPoint between = {(keys.PixelOf(600).x + keys.PixelOf(601).x) / 2,
                            form.DayChart().PlotRect().bottom - 1};
    PointAt(form.DayChart(), between);
    const std::string expected = "Keys pressed, count per minute [10:00 - 1000]";
    EXPECT_TRUE(PumpUntil([&] { return WindowText(caption.Handle()) == expected; }))
        << WindowText(caption.Handle());
    EXPECT_TRUE(messages.messages.empty());
}

namespace {
void RightButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}
} // namespace

// A right drag that starts over the day chart and ends with the button going
// up outside the window: the pan mode ends with it, and the readout follows
// the pointer over the chart again.
TEST_F(HistoryOnScreenTest, ARightDragReleasedOutsideTheWindowLeavesTheReadoutWorking) {
    TfrmMain form(clock, root.Path());
    ShowOnTop(form);
    form.TreeView().SetSelected(&Node(form, "2026-12-01"));
    TChart& chart = form.DayChart();
    chart.BottomAxis().SetRange(590, 610);
    UpdateWindow(chart.Handle());
    auto& caption = FindOwned<TControl>(form, "stlblBottomText");
    auto& keys = FindOwned<TCustomSeries>(form, "myReadSeriesKeys");
    const TRect plot = chart.PlotRect();
    const DayView& dayView = form.Views().Day();

    PointAt(chart, {CentreX(plot), CentreY(plot)});
    RightButton(true);
    ASSERT_TRUE(PumpUntil([&] { return dayView.ScrollDragging(); }));
    const TRect window = form.BoundsRect();
    ASSERT_TRUE(SetCursorPos(window.right + 30, window.bottom + 30));
    ASSERT_TRUE(PumpUntil([&] {
        return WindowFromPoint({window.right + 30, window.bottom + 30}) != form.Handle();
    }));
    RightButton(false);
    EXPECT_TRUE(PumpUntil([&] { return !dayView.ScrollDragging(); }));
    EXPECT_EQ(chart.Cursor(), crDefault);

    PointAt(chart, {keys.PixelOf(600).x, plot.bottom - 1});
    const std::string expected = "Keys pressed, count per minute [10:00 - 1000]";
    EXPECT_TRUE(PumpUntil([&] { return WindowText(caption.Handle()) == expected; }))
        << WindowText(caption.Handle());
    EXPECT_TRUE(messages.messages.empty());
}
