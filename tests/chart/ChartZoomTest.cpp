#include "DayChartFixture.h"

using Kind = RecordingChartCanvas::Kind;

namespace {

struct Range {
    double minimum, maximum;
};

Range RangeOf(TChartAxis& axis) {
    return {axis.Minimum(), axis.Maximum()};
}

} // namespace

TEST_F(DayChartTest, ZoomByPercentNarrowsAboutTheCentreAndUndoRestores) {
    TChartAxis& bottom = day.chart->BottomAxis();
    TChartAxis& left = day.chart->LeftAxis();
    day.chart->ZoomByPercent(115);
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 216);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 1224);
    EXPECT_DOUBLE_EQ(left.Minimum(), 4.5); // 0..30 from the series, now manual
    EXPECT_DOUBLE_EQ(left.Maximum(), 25.5);
    EXPECT_FALSE(left.Automatic());
    // An axis no series uses has the range 0..0, widened to 0..1e-10.
    EXPECT_EQ(day.chart->TopAxis().Minimum(), 0);
    EXPECT_EQ(day.chart->TopAxis().Maximum(), 1e-10);
    EXPECT_EQ(repaints, 7); // animated: 8 steps, 7 frames shown at once
    day.chart->ZoomByPercent(115);
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 367.2);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 1072.8);
    EXPECT_TRUE(day.chart->Zoomed());

    day.chart->ZoomUndo();
    EXPECT_EQ(bottom.Minimum(), 0);
    EXPECT_EQ(bottom.Maximum(), 1440);
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_TRUE(left.Automatic() && left.AutomaticMinimum() && left.AutomaticMaximum());
    EXPECT_FALSE(day.chart->Zoomed());
}

TEST_F(DayChartTest, AnimatedFramesEachCoverAThirdOfTheRemainingWay) {
    std::vector<Range> frames;
    day.chart->SetRepaintHook([&] { frames.push_back(RangeOf(day.chart->BottomAxis())); });
    day.chart->ZoomByPercent(115);
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_DOUBLE_EQ(frames[0].minimum, 72);
    EXPECT_DOUBLE_EQ(frames[0].maximum, 1368);
    EXPECT_DOUBLE_EQ(frames[1].minimum, 120);
    day.chart->SetAnimatedZoom(false);
    frames.clear();
    day.chart->ZoomByPercent(85);
    EXPECT_TRUE(frames.empty());
}

TEST_F(DayChartTest, ZoomByHundredOnlyTurnsTheAxesManual) {
    day.chart->ZoomByPercent(100);
    EXPECT_EQ(day.chart->LeftAxis().Maximum(), 30);
    EXPECT_FALSE(day.chart->LeftAxis().Automatic());
    EXPECT_TRUE(day.chart->Zoomed());
}

TEST_F(DayChartTest, SmallDragsDoNothingAndLargeOnesZoomOrUndo) {
    TChartAxis& bottom = day.chart->BottomAxis();
    // 16 × 100 towards the lower right: a silent no-op.
    day.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    EXPECT_TRUE(day.chart->Zooming());
    day.chart->MouseMove(ssLeft, 116, 200);
    day.chart->MouseUp(mbLeft, 0, 116, 200);
    EXPECT_FALSE(day.chart->Zooming());
    EXPECT_EQ(bottom.Minimum(), 0);
    EXPECT_FALSE(day.chart->Zoomed());

    // 17 × 17: zoom to the rectangle's values.
    const double low = bottom.ValueAtPixel(100), high = bottom.ValueAtPixel(117);
    day.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    day.chart->MouseUp(mbLeft, 0, 117, 117);
    EXPECT_DOUBLE_EQ(bottom.Minimum(), low);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), high);
    EXPECT_DOUBLE_EQ(day.chart->LeftAxis().Maximum(), day.chart->LeftAxis().ValueAtPixel(100));

    // Any other direction undoes.
    for (auto [x, y] : {std::pair{60, 60}, {200, 60}, {60, 200}}) {
        day.chart->ZoomByPercent(115);
        day.chart->MouseDown(mbLeft, ssLeft, 100, 100);
        day.chart->MouseUp(mbLeft, 0, x, y);
        EXPECT_EQ(bottom.Minimum(), 0) << x << "," << y;
        EXPECT_EQ(bottom.Maximum(), 1440);
    }
}

TEST_F(DayChartTest, TheZoomRectangleIsDrawnNotXorAndErasedByRedrawing) {
    canvas.ops.clear();
    day.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    day.chart->MouseMove(ssLeft, 100, 100); // same corner: nothing
    day.chart->MouseMove(ssLeft, 150, 140);
    day.chart->MouseUp(mbLeft, 0, 110, 105);
    auto rectangles = canvas.OfKind(Kind::Rectangle);
    ASSERT_EQ(rectangles.size(), 4u); // empty, erase, new, erase
    EXPECT_EQ(rectangles[0]->rect, (TRect{100, 100, 100, 100}));
    EXPECT_EQ(rectangles[1]->rect, rectangles[0]->rect);
    EXPECT_EQ(rectangles[2]->rect, (TRect{100, 100, 150, 140}));
    EXPECT_EQ(rectangles[3]->rect, rectangles[2]->rect);
    for (const auto* r : rectangles) {
        EXPECT_EQ(r->penMode, ChartPenMode::NotXor);
        EXPECT_EQ(r->penColor, clBlack); // on a white chart
        EXPECT_EQ(r->brushStyle, ChartBrushStyle::Clear);
    }
}

TEST_F(DayChartTest, PressesOutsideThePlotStartNothing) {
    day.chart->MouseDown(mbLeft, ssLeft, 5, 5); // the margin
    EXPECT_FALSE(day.chart->Zooming());
    day.chart->MouseDown(mbLeft, ssLeft, 200, 15); // the legend
    EXPECT_FALSE(day.chart->Zooming());
    day.chart->MouseDown(mbLeft, ssLeft, 300, 325); // below the label row
    EXPECT_FALSE(day.chart->Zooming());
    day.chart->MouseDown(mbLeft, ssLeft, 300, 316); // on the bottom axis
    EXPECT_TRUE(day.chart->Zooming());
    day.chart->MouseUp(mbLeft, 0, 300, 316);
}

TEST_F(DayChartTest, UserMouseEventsComeFirst) {
    std::vector<std::string> seen;
    day.chart->SetOnMouseDown([&](TComponent&, TMouseButton, TShiftState, int, int) {
        seen.push_back(day.chart->Zooming() ? "down while zooming" : "down");
    });
    day.chart->SetOnMouseUp([&](TComponent&, TMouseButton, TShiftState, int, int) {
        seen.push_back(day.chart->Zooming() ? "up while zooming" : "up");
    });
    day.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    day.chart->MouseUp(mbLeft, 0, 100, 100);
    EXPECT_EQ(seen, (std::vector<std::string>{"down", "up while zooming"}));
}

TEST_F(DayChartTest, RightDragPansWithTheProgramsLimits) {
    TChartAxis& bottom = day.chart->BottomAxis();
    TChartAxis& left = day.chart->LeftAxis();
    int scrolls = 0;
    day.chart->SetOnScroll([&](TComponent&) { ++scrolls; });
    // The design binds the program's limits: nothing below 0.1, nothing
    // past minute 1440.
    day.chart->ZoomByPercent(115); // 216..1224, left 4.5..25.5
    Paint();
    const double perPixel = 1008.0 / 682;

    day.chart->MouseDown(mbRight, ssRight, 400, 200);
    EXPECT_TRUE(day.chart->Panning());
    day.chart->MouseMove(ssRight, 390, 210); // left and down
    EXPECT_NEAR(bottom.Minimum(), 216 + 10 * perPixel, 1e-9);
    EXPECT_GT(left.Minimum(), 4.5); // the view follows the pointer down
    EXPECT_EQ(scrolls, 1);

    // Far right past 1440: the bottom axis refuses, the event still comes.
    const Range before = RangeOf(bottom);
    day.chart->MouseMove(ssRight, 400 - 200, 210);
    EXPECT_EQ(bottom.Minimum(), before.minimum);
    EXPECT_EQ(scrolls, 2);

    // Leaving the plot ends the pan; coming back does not resume it.
    day.chart->MouseMove(ssRight, 5, 210);
    EXPECT_FALSE(day.chart->Panning());
    const Range after = RangeOf(bottom);
    day.chart->MouseMove(ssRight, 300, 210);
    EXPECT_EQ(bottom.Minimum(), after.minimum);
    day.chart->MouseUp(mbRight, 0, 300, 210);

    // Undo goes back past the pan and the zoom.
    day.chart->ZoomUndo();
    EXPECT_EQ(bottom.Minimum(), 0);
    EXPECT_EQ(bottom.Maximum(), 1440);
    EXPECT_TRUE(left.Automatic());
}

TEST_F(DayChartTest, PanThenZoomThenUndoReturnsToTheViewBeforeThePan) {
    TChartAxis& left = day.chart->LeftAxis();
    day.chart->MouseDown(mbRight, ssRight, 400, 200);
    day.chart->MouseMove(ssRight, 400, 220); // down: the values move up
    day.chart->MouseUp(mbRight, 0, 400, 220);
    EXPECT_GT(left.Minimum(), 0.1);
    EXPECT_FALSE(left.Automatic());
    EXPECT_EQ(day.chart->BottomAxis().Minimum(), 0); // refused: below 0.1
    day.chart->ZoomByPercent(115);
    day.chart->ZoomUndo();
    EXPECT_TRUE(left.Automatic());
    EXPECT_EQ(day.chart->BottomAxis().Minimum(), 0);
    EXPECT_EQ(day.chart->BottomAxis().Maximum(), 1440);
}

TEST_F(DayChartTest, PanningHasNoLimitsWithoutAnAllowScrollHandler) {
    day.chart->SetOnAllowScroll(nullptr);
    day.chart->MouseDown(mbRight, ssRight, 400, 200);
    day.chart->MouseMove(ssRight, 420, 200);
    EXPECT_NEAR(day.chart->BottomAxis().Minimum(), -20 * 1440.0 / 682, 1e-9);
    day.chart->MouseUp(mbRight, 0, 420, 200);
}

TEST_F(DayChartTest, WithoutZoomALeftDragDrawsNothingButARightDragPans) {
    day.chart->SetAllowZoom(false);
    canvas.ops.clear();
    day.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    day.chart->MouseMove(ssLeft, 200, 200);
    day.chart->MouseUp(mbLeft, 0, 200, 200);
    EXPECT_TRUE(canvas.ops.empty());
    EXPECT_EQ(day.chart->BottomAxis().Minimum(), 0);

    day.chart->SetAllowPanning(pmVertical);
    day.chart->MouseDown(mbRight, ssRight, 400, 200);
    day.chart->MouseMove(ssRight, 300, 250);
    EXPECT_EQ(day.chart->BottomAxis().Minimum(), 0); // horizontal not allowed
    EXPECT_GT(day.chart->LeftAxis().Minimum(), 0);
}

TEST_F(DayChartTest, WheelShiftsTheVerticalAxesByThreePercent) {
    day.chart->WheelScroll(true);
    TChartAxis& left = day.chart->LeftAxis();
    EXPECT_DOUBLE_EQ(left.Minimum(), 0.9);
    EXPECT_DOUBLE_EQ(left.Maximum(), 30.9);
    EXPECT_FALSE(left.Automatic() || left.AutomaticMinimum() || left.AutomaticMaximum());
    day.chart->WheelScroll(false);
    EXPECT_NEAR(left.Minimum(), 0, 1e-12);
    EXPECT_EQ(day.chart->BottomAxis().Minimum(), 0);
}

TEST_F(DayChartTest, APressWhileZoomingIsIgnored) {
    day.chart->MouseDown(mbLeft, ssLeft, 100, 100);
    day.chart->MouseDown(mbRight, ssRight | ssLeft, 150, 150);
    EXPECT_FALSE(day.chart->Panning());
    day.chart->MouseUp(mbRight, ssLeft, 150, 150);
    EXPECT_TRUE(day.chart->Zooming()); // only the left release ends it
    day.chart->MouseUp(mbLeft, 0, 101, 101);
    EXPECT_FALSE(day.chart->Zooming());
}
