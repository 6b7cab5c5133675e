// The day chart's handlers of the real main window, reached as its form
// description binds them: the zoom buttons and the keypad keys, the right
// drag's cursor, the pan limits of the day and the hour labels.
#include "MainWindowFixture.h"

#include "chart/ChartAxis.h"
#include "chart/RecordingChartCanvas.h"
#include "support/DayText.h"
#include "support/PumpMessages.h"
#include "toolkit/FindOwned.h"
#include "toolkit/StdControls.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {
struct Range {
    double minimum, maximum;
    bool operator==(const Range&) const = default;
};
Range BottomRange(TChart& chart) {
    return {chart.BottomAxis().Minimum(), chart.BottomAxis().Maximum()};
}
} // namespace

// Today's day on view in the window on screen, with some activity at 10:00.
class MainChartHandlersTest : public MainWindowFixture {
protected:
    MainChartHandlersTest() {
        WriteFile(history + "26-12-08.dat", DayText({{600, "10:20:0"}, {601, "4:4:0"}}));
        form = Start();
        form->Show();
        TTreeView& tree = form->TreeView();
        tree.SetSelected(&tree.Root(0).Item(0));
        chart().PaintBuffer();
    }

    TChart& chart() { return form->DayChart(); }
    HWND Button(const char* name) { return FindOwned<TSpeedButton>(*form, name).Handle(); }

    std::unique_ptr<TfrmMain> form;
};

TEST_F(MainChartHandlersTest, TheZoomButtonsAndTheKeypadKeysZoomTheDay) {
    ASSERT_TRUE(chart().Visible());
    ASSERT_EQ(BottomRange(chart()), (Range{0, 1440}));
    // The zoom in and out each take 15 % of the view; undo goes back to the
    // whole day. Buttons and keys do the same.
    struct Way {
        const char* name;
        std::function<void()> in, out, undo;
    } ways[] = {
        {"buttons", [&] { SendMessageW(Button("sbtnZoomIn"), BM_CLICK, 0, 0); },
         [&] { SendMessageW(Button("sbtnZoomOut"), BM_CLICK, 0, 0); },
         [&] { SendMessageW(Button("sbtnZoomUndo"), BM_CLICK, 0, 0); }},
        {"keypad", [&] { PressKey(form->TreeView().Handle(), VK_ADD); },
         [&] { PressKey(form->TreeView().Handle(), VK_SUBTRACT); },
         [&] { PressKey(form->TreeView().Handle(), VK_MULTIPLY); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        way.in();
        EXPECT_EQ(BottomRange(chart()), (Range{216, 1224}));
        way.out();
        const Range out = BottomRange(chart());
        EXPECT_LT(out.minimum, 216);
        EXPECT_GT(out.maximum, 1224);
        way.undo();
        EXPECT_EQ(BottomRange(chart()), (Range{0, 1440}));
    }
}

// The chart itself takes the arrow back when a drag begins; each move of the
// drag shows the four-headed arrow, and the release the arrow again.
TEST_F(MainChartHandlersTest, ARightDragShowsTheFourHeadedArrowUntilTheButtonGoesUp) {
    const TRect plot = chart().PlotRect();
    const int x = (plot.left + plot.right) / 2, y = (plot.top + plot.bottom) / 2;
    HWND window = chart().Handle();
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    EXPECT_TRUE(form->Views().Day().ScrollDragging());
    SendMessageW(window, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(x + 3, y));
    EXPECT_EQ(chart().Cursor(), crSizeAll);
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(x + 3, y));
    EXPECT_FALSE(form->Views().Day().ScrollDragging());
    EXPECT_EQ(chart().Cursor(), crDefault);
}

// Dragged far to the left and up, the view would leave the day and go below
// zero; the day chart stays within 0..1440 and above 0.1.
TEST_F(MainChartHandlersTest, PanningStaysWithinTheDayAndAboveZero) {
    chart().ZoomByPercent(115); // 216..1224
    chart().PaintBuffer();
    const TRect plot = chart().PlotRect();
    const int x = (plot.left + plot.right) / 2, y = (plot.top + plot.bottom) / 2;
    HWND window = chart().Handle();
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
    for (int step = 1; step <= 20; ++step) {
        // Leftwards moves the view to later minutes; upwards to lower values.
        SendMessageW(window, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(x - step * 10, y - step * 5));
        EXPECT_LE(chart().BottomAxis().Maximum(), 1440);
        EXPECT_GE(chart().LeftAxis().Minimum(), 0.1 - 1e-9);
    }
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(x - 200, y - 100));
    EXPECT_GT(chart().BottomAxis().Minimum(), 216); // it did move, as far as allowed
    EXPECT_GT(chart().BottomAxis().Maximum(), 1224);
}

TEST_F(MainChartHandlersTest, TheBottomAxisCountsHours) {
    RecordingChartCanvas canvas;
    chart().Draw(canvas);
    const int labelRow = chart().PlotRect().bottom + 6; // under the ticks
    std::vector<std::string> labels;
    for (const auto* op : canvas.OfKind(RecordingChartCanvas::Kind::Text))
        if (op->rect.top == labelRow)
            labels.push_back(op->text);
    ASSERT_EQ(labels.size(), 25u);
    EXPECT_THAT(std::vector<std::string>(labels.begin(), labels.begin() + 3),
                ElementsAre("24", "23", "22"));
    EXPECT_EQ(labels.back(), "0");
}
