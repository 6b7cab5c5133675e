#include "chart/demo/DemoCharts.h"

#include "support/HostWindow.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"

#include <gtest/gtest.h>

namespace {

class ChartWindowTest : public ::testing::Test {
protected:
    ChartWindowTest() : day(MakeDayChart(form)) {
        for (int minute = 0; minute < 1440; ++minute) {
            day.keys2->AddPoint(minute, minute == 600 ? 10 : 0);
            day.mouse2->AddPoint(minute, minute == 600 ? 20 : 0);
        }
        day.chart->SetParent(&host);
        day.chart->SetBounds(0, 0, 740, 360);
        UpdateWindow(day.chart->Handle());
    }

    LRESULT Send(UINT msg, WPARAM wParam, int x, int y) {
        return SendMessageW(day.chart->Handle(), msg, wParam, MAKELPARAM(x, y));
    }

    RecordingMessageSink sink;
    ScopedMessageSink recorded{sink};
    THostWindow host{THostWindow::kOnScreen}; // the pointer is read over it
    TChartDemoForm form;
    DayChart day;
};

} // namespace

TEST_F(ChartWindowTest, PaintsIntoItsBackBufferOnWmPaint) {
    EXPECT_EQ(day.chart->BackBuffer().Width(), 740);
    EXPECT_EQ(day.chart->BackBuffer().Height(), 360);
    EXPECT_GT(day.chart->PlotRect().Width(), 600);
    // Inside the lowered bevel the outermost gradient ring has the start colour.
    EXPECT_EQ(day.chart->BackBuffer().Pixel(1, 100), 16053486u);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ChartWindowTest, MouseMessagesRaiseTheUserEventsFirstThenZoom) {
    std::vector<std::string> seen;
    day.chart->SetOnMouseDown(
        [&](TComponent& sender, TMouseButton button, TShiftState, int x, int y) {
            EXPECT_EQ(&sender, day.chart);
            EXPECT_EQ(button, mbLeft);
            seen.push_back("down " + std::to_string(x) + "," + std::to_string(y) +
                           (day.chart->Zooming() ? " zooming" : ""));
        });
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 100, 100);
    EXPECT_TRUE(day.chart->Zooming());
    Send(WM_MOUSEMOVE, MK_LBUTTON, 300, 250);
    Send(WM_LBUTTONUP, 0, 300, 250);
    EXPECT_EQ(seen, std::vector<std::string>{"down 100,100"});
    EXPECT_TRUE(day.chart->Zoomed());
    EXPECT_GT(day.chart->BottomAxis().Minimum(), 0);
    day.chart->ZoomUndo();
    EXPECT_EQ(day.chart->BottomAxis().Minimum(), 0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ChartWindowTest, PointAtCursorReadsThePointerOverTheChart) {
    day.chart->BottomAxis().SetRange(590, 610);
    UpdateWindow(day.chart->Handle());
    const TPoint p600 = day.keys2->PixelOf(600);
    const TPoint p601 = day.keys2->PixelOf(601);
    const int bottom = day.chart->PlotRect().bottom;
    TPoint screen = day.chart->ClientToScreen({(p600.x + p601.x) / 2, bottom - 2});
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    EXPECT_EQ(day.keys2->PointAtCursor(), 600);
    EXPECT_EQ(day.mouse2->PointAtCursor(), -1);

    // Left of the first visible point nothing is hit.
    day.chart->BottomAxis().SetRange(590.5, 610);
    UpdateWindow(day.chart->Handle());
    screen = day.chart->ClientToScreen({day.chart->PlotRect().left + 1, bottom - 1});
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    EXPECT_EQ(day.keys2->PointAtCursor(), -1);
}

TEST_F(ChartWindowTest, ALabelHandlerErrorIsShownNotThrownThroughTheWindow) {
    day.chart->SetOnGetAxisLabel([](TChartAxis&, TChartSeries*, int, std::string& text) {
        text = std::to_string(StrToInt("x" + text));
    });
    InvalidateRect(day.chart->Handle(), nullptr, FALSE);
    UpdateWindow(day.chart->Handle());
    ASSERT_FALSE(sink.messages.empty());
    EXPECT_EQ(sink.messages[0].text.rfind("'x", 0), 0u);
}

// A series filled point by point asks for thousands of repaints; the window
// is marked once, and a request after the paint marks it again.
TEST_F(ChartWindowTest, RepaintRequestsAfterAPaintAreNeverLost) {
    HWND window = day.chart->Handle();
    auto invalid = [&] { return GetUpdateRect(window, nullptr, FALSE) != FALSE; };
    ASSERT_FALSE(invalid());
    for (int minute = 0; minute < 1440; ++minute)
        day.keys2->ReplaceY(minute, minute % 5);
    EXPECT_TRUE(invalid());
    UpdateWindow(window);
    EXPECT_FALSE(invalid());
    day.keys2->ReplaceY(3, 9);
    EXPECT_TRUE(invalid());
    UpdateWindow(window);

    day.chart->Hide();
    day.keys2->ReplaceY(4, 9);
    day.chart->Show();
    UpdateWindow(window);
    EXPECT_FALSE(invalid());
    day.keys2->ReplaceY(5, 9);
    EXPECT_TRUE(invalid());
    EXPECT_TRUE(sink.messages.empty());
}

// A press holds the mouse until its button comes up, whatever it started,
// so the release reaches the chart wherever it happens.
TEST_F(ChartWindowTest, APressHoldsTheMouseUntilItsButtonGoesUpAnywhere) {
    HWND window = day.chart->Handle();
    std::vector<TMouseButton> ups;
    day.chart->SetOnMouseUp(
        [&](TComponent&, TMouseButton button, TShiftState, int, int) { ups.push_back(button); });
    const TRect plot = day.chart->PlotRect();
    const int x = CentreX(plot), y = CentreY(plot);

    Send(WM_RBUTTONDOWN, MK_RBUTTON, x, y);
    EXPECT_EQ(GetCapture(), window);
    EXPECT_TRUE(day.chart->Panning());
    Send(WM_MOUSEMOVE, MK_RBUTTON, -40, 500); // beyond the window: the pan stops
    EXPECT_FALSE(day.chart->Panning());
    EXPECT_EQ(GetCapture(), window);
    Send(WM_RBUTTONUP, 0, -40, 500);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(ups, std::vector<TMouseButton>{mbRight});

    // A press that starts nothing (above the plot) holds it as well; of two
    // buttons held, the last one up lets go.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, x, 2);
    EXPECT_FALSE(day.chart->Zooming());
    EXPECT_EQ(GetCapture(), window);
    Send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, x, 2);
    Send(WM_LBUTTONUP, MK_RBUTTON, x, 2);
    EXPECT_EQ(GetCapture(), window);
    Send(WM_RBUTTONUP, 0, 900, 2);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(ups, (std::vector<TMouseButton>{mbRight, mbLeft, mbRight}));
    EXPECT_TRUE(sink.messages.empty());
}

// Another window takes the mouse in the middle of a drag (another program
// brought to the front, a box): the drag ends as its release would, with
// OnMouseUp, but the zoom rectangle goes without zooming.
TEST_F(ChartWindowTest, LosingTheMouseEndsTheDragAndDropsTheZoomRectangle) {
    std::vector<TMouseButton> ups;
    day.chart->SetOnMouseUp(
        [&](TComponent&, TMouseButton button, TShiftState, int, int) { ups.push_back(button); });
    const TRect plot = day.chart->PlotRect();
    const GdiBackBuffer& picture = day.chart->BackBuffer();
    const TColor before = picture.Pixel(200, 100); // on the rectangle's top edge

    Send(WM_LBUTTONDOWN, MK_LBUTTON, 150, 100);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 300, 250);
    ASSERT_TRUE(day.chart->Zooming());
    EXPECT_EQ(picture.Pixel(200, 100), before ^ 0xFFFFFFu);
    SetCapture(host.Handle());
    EXPECT_FALSE(day.chart->Zooming());
    EXPECT_EQ(picture.Pixel(200, 100), before);
    EXPECT_FALSE(day.chart->Zoomed());
    EXPECT_EQ(day.chart->BottomAxis().Minimum(), 0);
    EXPECT_EQ(ups, std::vector<TMouseButton>{mbLeft});
    // The button's own release, when it comes, finds nothing left to end.
    Send(WM_LBUTTONUP, 0, 300, 250);
    EXPECT_FALSE(day.chart->Zoomed());
    EXPECT_EQ(GetCapture(), host.Handle());
    ReleaseCapture();

    Send(WM_RBUTTONDOWN, MK_RBUTTON, CentreX(plot), CentreY(plot));
    ASSERT_TRUE(day.chart->Panning());
    SetCapture(host.Handle());
    EXPECT_FALSE(day.chart->Panning());
    EXPECT_EQ(ups, (std::vector<TMouseButton>{mbLeft, mbLeft, mbRight}));
    ReleaseCapture();
    EXPECT_TRUE(sink.messages.empty());
}
