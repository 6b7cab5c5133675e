#include "DayChartFixture.h"

#include "chart/ChartExceptions.h"

#include <algorithm>

using Kind = RecordingChartCanvas::Kind;

TEST_F(DayChartTest, LaysOutPlotAxesAndLegendFromTheDesign) {
    // Ten series, the never-active bar series among them, in design order.
    ASSERT_EQ(day.chart->SeriesListCount(), 10);
    EXPECT_EQ(&day.chart->SeriesAt(3), day.reserved);
    EXPECT_EQ(day.reserved->BarWidthPercent(), 30);
    EXPECT_EQ(day.reserved->MultiBar(), mbStacked);
    EXPECT_EQ(day.chart->PlotRect(), kPlot);
    const AxisScale& bottom = day.chart->BottomAxis().Scale();
    EXPECT_EQ(bottom.startPos, 42);
    EXPECT_EQ(bottom.endPos, 724);
    EXPECT_EQ(day.chart->BottomAxis().PosLabels(), 318);
    EXPECT_EQ(day.chart->LeftAxis().PosLabels(), 36);
    EXPECT_EQ(day.chart->LeftAxis().PosTitle(), 18);
    EXPECT_EQ(day.chart->LeftAxis().Minimum(), 0);
    EXPECT_EQ(day.chart->LeftAxis().Maximum(), 30); // 10 + 20 stacked
    EXPECT_EQ(day.chart->Legend().Rect(), (TRect{141, 10, 599, 23}));
}

TEST_F(DayChartTest, PaintsInTheDesignedOrder) {
    // Gradient strips first, the frame, axes, then the clipped series.
    auto first = [&](Kind kind) {
        return std::find_if(canvas.ops.begin(), canvas.ops.end(),
                            [&](const auto& op) { return op.kind == kind; }) -
               canvas.ops.begin();
    };
    EXPECT_EQ(canvas.ops.front().kind, Kind::Fill);
    EXPECT_EQ(canvas.ops.front().brushColor, 16053486u);
    auto rectangles = canvas.OfKind(Kind::Rectangle);
    ASSERT_EQ(rectangles.size(), 2u); // legend box, back wall
    EXPECT_EQ(rectangles[0]->rect, (TRect{140, 9, 600, 24}));
    EXPECT_EQ(rectangles[0]->penColor, clGray);
    EXPECT_EQ(rectangles[1]->rect, (TRect{42, 29, 725, 313}));
    EXPECT_EQ(rectangles[1]->brushStyle, ChartBrushStyle::Clear);
    EXPECT_EQ(rectangles[1]->penColor, clBlack);
    auto clips = canvas.OfKind(Kind::Clip);
    ASSERT_EQ(clips.size(), 2u); // the two active areas
    EXPECT_EQ(clips[0]->rect, (TRect{42, 29, 725, 313}));
    EXPECT_LT(first(Kind::Text), first(Kind::Clip));
    EXPECT_LT(first(Kind::Clip), first(Kind::Polygon));
    EXPECT_EQ(canvas.ops.back().kind, Kind::UnClip);
}

TEST_F(DayChartTest, BottomLabelsAreHoursFromTheMaximumDown) {
    std::vector<std::string> hours;
    for (const auto* op : canvas.OfKind(Kind::Text))
        if (op->rect.top == 318)
            hours.push_back(op->text);
    ASSERT_EQ(hours.size(), 25u);
    EXPECT_EQ(hours.front(), "24");
    EXPECT_EQ(hours[1], "23");
    EXPECT_EQ(hours.back(), "0");
    // Angle 360: each label starts at its tick (upright).
    auto texts = canvas.OfKind(Kind::Text);
    auto zero = std::find_if(texts.begin(), texts.end(),
                             [](auto* op) { return op->rect.top == 318 && op->text == "0"; });
    EXPECT_EQ((*zero)->rect.left, 42);
    EXPECT_EQ((*zero)->font.angle, 0);
}

TEST_F(DayChartTest, LeftAxisTitleRunsUpwardsWithItsLowerEdgeOnTheTitlePixel) {
    auto texts = canvas.OfKind(Kind::Text);
    auto title =
        std::find_if(texts.begin(), texts.end(), [](auto* op) { return op->text == "Activity"; });
    ASSERT_NE(title, texts.end());
    EXPECT_EQ((*title)->font.angle, 90);
    // Unrotated origin: 11 left of the title pixel 18, half the 48-pixel
    // width below the axis centre (29 + 312) / 2 = 170.
    EXPECT_EQ((*title)->rect.left, 18 - 11);
    EXPECT_EQ((*title)->rect.top, 170 + 24);
}

TEST_F(DayChartTest, LeftLabelsAreRightAlignedAtTheLabelRow) {
    auto texts = canvas.OfKind(Kind::Text);
    auto thirty =
        std::find_if(texts.begin(), texts.end(), [](auto* op) { return op->text == "30"; });
    ASSERT_NE(thirty, texts.end());
    EXPECT_EQ((*thirty)->rect.right, 36);
    EXPECT_EQ((*thirty)->rect.top, 29 - 11 / 2);
    // Ticks: 5 pixels, from one pixel left of the axis line at x = 42.
    auto lines = canvas.OfKind(Kind::Line);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](auto* op) {
        return op->rect == TRect{41, 29, 36, 29} && op->penColor == clBlack;
    }));
    // Grid across the plot inside the frame (28 at y 48), none on the frame.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](auto* op) {
        return op->rect == TRect{43, 48, 724, 48} && op->penColor == 13948116u;
    }));
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](auto* op) {
        return op->penColor == 13948116u && (op->rect.top == 29 || op->rect.top == 312);
    }));
}

TEST_F(DayChartTest, BottomTicksAndMinorTicksHangBelowThePlot) {
    auto lines = canvas.OfKind(Kind::Line);
    int ticks = 0, minor = 0;
    for (const auto* op : lines) {
        if (op->rect.top != 313 || op->rect.left != op->rect.right)
            continue;
        if (op->rect.bottom == 319)
            ++ticks;
        else if (op->rect.bottom == 316)
            ++minor;
    }
    EXPECT_EQ(ticks, 25);
    EXPECT_EQ(minor, 24 * 5); // none beyond 0 or 1440: outside the axis
}

TEST_F(DayChartTest, StackedAreasAreOneStripPerSegmentInTheirColours) {
    auto polygons = canvas.OfKind(Kind::Polygon);
    // Each area: one strip from each pixel column to the next; the minutes
    // that share a column are drawn as one.
    ASSERT_FALSE(polygons.empty());
    // The mouse strip from minute 600 to 601: on top of the keys.
    auto strip = std::find_if(polygons.begin(), polygons.end(), [](auto* op) {
        return op->points[0] == TPoint{326, 29} && op->brushColor == 0x15CFA1u;
    });
    ASSERT_NE(strip, polygons.end());
    EXPECT_EQ((*strip)->points[1], (TPoint{327, 312}));
    EXPECT_EQ((*strip)->points[3], (TPoint{326, 218})); // base: the keys' top
    EXPECT_EQ((*strip)->penStyle, ChartPenStyle::Clear);
}

TEST_F(DayChartTest, InactiveSeriesLeaveOnlyBackgroundAndFrame) {
    for (int i = 0; i < day.chart->SeriesListCount(); ++i)
        day.chart->SeriesAt(i).SetActive(false);
    Paint();
    EXPECT_TRUE(canvas.OfKind(Kind::Text).empty());
    EXPECT_TRUE(canvas.OfKind(Kind::Polygon).empty());
    EXPECT_TRUE(canvas.OfKind(Kind::Line).empty());
    ASSERT_EQ(canvas.OfKind(Kind::Rectangle).size(), 1u); // the back wall
    EXPECT_EQ(day.chart->Legend().Layout().columns, 0);
}

TEST_F(DayChartTest, UnstackingFollowsActivity) {
    // With the keys off, the mouse area stands on the axis: 0..20.
    day.keys2->SetActive(false);
    Paint();
    EXPECT_EQ(day.chart->LeftAxis().Maximum(), 20);
    EXPECT_EQ(day.mouse2->BasePixel(600), kPlot.bottom);
}

TEST_F(DayChartTest, GetAxisLabelIsAskedForTheIncrementAndEachLabel) {
    int bottomCalls = 0;
    day.chart->SetOnGetAxisLabel(
        [&](TChartAxis& sender, TChartSeries* series, int index, std::string& text) {
            EXPECT_EQ(series, nullptr);
            EXPECT_EQ(index, -1);
            if (&sender == &day.chart->BottomAxis())
                ++bottomCalls;
            DayHourLabels(sender, series, index, text);
        });
    Paint();
    EXPECT_EQ(bottomCalls, 2 + 25);
}

TEST_F(DayChartTest, ChangesOnlyAskForARepaint) {
    invalidations = 0;
    day.keys2->ReplaceY(5, 7);
    day.chart->LeftAxis().Title().SetCaption("Activity (12 keys)");
    day.chart->LeftAxis().Title().SetCaption("Activity (12 keys)"); // unchanged
    day.keys2->SetTitle("Keys pressed, count per minute");          // unchanged
    day.chart->Legend().SetColorWidth(25);
    EXPECT_EQ(invalidations, 3);
    EXPECT_EQ(repaints, 0);
}

TEST_F(DayChartTest, HitTestFindsTheStripUnderThePixel) {
    day.chart->BottomAxis().SetRange(590, 610); // minutes 34 pixels apart
    Paint();
    // Minute 600 at x 383, 601 at x 417; the keys strip spans 218..312 at
    // 600, the mouse strip above it up to the top.
    EXPECT_EQ(day.keys2->PixelOf(600), (TPoint{383, 218}));
    EXPECT_EQ(day.keys2->PointAtPixel(400, 300), 600);
    EXPECT_EQ(day.mouse2->PointAtPixel(400, 300), -1);
    EXPECT_EQ(day.keys2->PointAtPixel(400, 200), -1);
    EXPECT_EQ(day.mouse2->PointAtPixel(400, 200), 600);
    EXPECT_EQ(day.mouse2->PointAtPixel(383, 29), 600); // the point itself
    EXPECT_EQ(day.keys2->PointAtPixel(700, 20), -1);   // above the plot
}

TEST_F(DayChartTest, LeftOfTheFirstVisiblePointNothingIsHit) {
    day.chart->BottomAxis().SetRange(590.5, 610);
    Paint();
    EXPECT_EQ(day.keys2->FirstVisible(), 591);
    EXPECT_EQ(day.keys2->PointAtPixel(43, 311), -1);
    EXPECT_EQ(day.keys2->PointAtPixel(60, 312), 591); // on the segment 591 → 592
}

TEST_F(DayChartTest, ALineStartsAtTheLeftEdgeAndPointersCoverTheirSegments) {
    day.cpu1->SetActive(true);
    day.keys2->SetActive(false);
    day.mouse2->SetActive(false);
    for (int minute = 0; minute < 1440; ++minute)
        day.cpu1->AddPoint(minute, minute % 2 ? 10 : 20);
    day.chart->BottomAxis().SetRange(100.5, 110);
    Paint();
    std::vector<const RecordingChartCanvas::Op*> drawn;
    for (const auto& op : canvas.ops)
        if (op.kind == Kind::Line || op.kind == Kind::Ellipse)
            if (op.penWidth == 3 || op.kind == Kind::Ellipse)
                drawn.push_back(&op);
    ASSERT_GE(drawn.size(), 3u);
    // Minute 100.5 is the plot's left edge, halfway between 20 and 10: 15.
    const int y15 = day.chart->LeftAxis().PixelOfValue(15);
    EXPECT_EQ(drawn[0]->kind, Kind::Line);
    EXPECT_EQ(drawn[0]->rect.left, kPlot.left);
    EXPECT_EQ(drawn[0]->rect.top, y15);
    // Then the segment 101 → 102, and only then the marker of 101.
    EXPECT_EQ(drawn[1]->kind, Kind::Line);
    EXPECT_EQ(drawn[2]->kind, Kind::Ellipse);
    TPoint p101 = day.cpu1->PixelOf(101);
    EXPECT_EQ(drawn[2]->rect, (TRect{p101.x - 3, p101.y - 3, p101.x + 3, p101.y + 3}));
    EXPECT_EQ(drawn[2]->brushColor, 0xFFCC9Au); // the series colour
    EXPECT_EQ(drawn[2]->penColor, clBlack);
    // Inside a marker's box the point is hit.
    EXPECT_EQ(day.cpu1->PointAtPixel(p101.x + 2, p101.y - 2), 101);
}

TEST(ChartProperties, RefuseInvalidWritesWithTheirMessages) {
    TChart chart;
    TBarSeries bar;
    auto message = [](auto&& write) -> std::string {
        try {
            write();
        } catch (const ChartException& e) {
            return e.Message();
        }
        return "accepted";
    };
    TChartAxis& axis = chart.BottomAxis();
    axis.SetMaximum(1440);
    EXPECT_EQ(message([&] { axis.SetMinimum(2000); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(message([&] { axis.SetMaximum(-1); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(message([&] { axis.SetIncrement(-1); }), "Axis increment must be >= 0");
    EXPECT_EQ(message([&] { axis.SetLabelsSeparation(-1); }),
              "Labels Separation % must be greater than 0");
    EXPECT_EQ(message([&] { axis.SetLabelsSeparation(0); }), "accepted");
    EXPECT_EQ(message([&] { axis.SetLabelsAngle(361); }),
              "Axis Labels Angle must be between 0 and 359 degrees");
    EXPECT_EQ(message([&] { axis.SetLabelsAngle(360); }), "accepted");
    EXPECT_EQ(message([&] { chart.Legend().SetColorWidth(101); }),
              "Legend Color Width must be between 0 and 100 %");
    EXPECT_EQ(message([&] { chart.Legend().SetTopPos(-1); }),
              "Top Legend Position must be between 0 and 100 %");
    EXPECT_EQ(message([&] { bar.SetBarWidthPercent(0); }),
              "Bar Width Percent must be between 1 and 100");
    EXPECT_EQ(bar.BarWidthPercent(), 70);
    EXPECT_THROW(axis.SetIncrement(-1), AxisException);
    EXPECT_THROW(chart.Legend().SetColorWidth(-1), LegendException);

    chart.BeginLoading(); // a design may set the bounds in any order
    EXPECT_EQ(message([&] { axis.SetMinimum(5000); }), "accepted");
    chart.EndLoading();
}

TEST(ChartProperties, SetRangeSwapsWidensAndTurnsTheAxisManual) {
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetRange(10, 5);
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 10);
    EXPECT_FALSE(axis.Automatic() || axis.AutomaticMinimum() || axis.AutomaticMaximum());
    axis.SetRange(3, 3);
    EXPECT_EQ(axis.Minimum(), 3);
    EXPECT_EQ(axis.Maximum(), 3 + 1e-10);

    axis.SetAutomatic(true);
    EXPECT_TRUE(axis.AutomaticMinimum() && axis.AutomaticMaximum());
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    axis.SetAutomaticMinimum(true); // the other partial flag is set
    EXPECT_TRUE(axis.Automatic());
}

TEST(ChartProperties, InactiveSeriesCountOnlyWhenNoActiveSeriesUsesTheAxis) {
    TChart chart;
    TLineSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.AddPoint(1, 50);
    b.AddPoint(1, 5);
    b.AddPoint(2, 8);
    a.SetActive(false);
    EXPECT_EQ(chart.LeftAxis().CalcAutomaticMaximum(), 8);
    b.SetActive(false);
    EXPECT_EQ(chart.LeftAxis().CalcAutomaticMaximum(), 50);
    EXPECT_EQ(chart.LeftAxis().CalcAutomaticMinimum(), 5);
    EXPECT_EQ(chart.RightAxis().CalcAutomaticMaximum(), 0);
    EXPECT_EQ(chart.SeriesListCount(), 2);
    EXPECT_EQ(&chart.SeriesAt(1), &b);
}

TEST_F(DayChartTest, APointOfNoColourLeavesAGap) {
    day.mouse2->SetActive(false);
    day.keys2->ClearPoints();
    day.keys2->AddPoint(0, 10);
    day.keys2->AddPoint(720, 20, "", clNone);
    day.keys2->AddPoint(1440, 10);
    Paint();
    auto polygons = canvas.OfKind(Kind::Polygon);
    // Only 720 → 1440, in the series colour, and the last point's column.
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0]->points[1].x, kPlot.right);
    EXPECT_EQ(polygons[0]->brushColor, 0x00CCFFu);
    EXPECT_EQ(polygons[1]->points[0].x, kPlot.right);
    EXPECT_EQ(polygons[1]->points[1].x, kPlot.right + 1);
    EXPECT_EQ(polygons[1]->brushColor, 0x00CCFFu);
}

TEST_F(DayChartTest, SeriesOutOfTheLegendAreStillDrawn) {
    day.cpu1->SetActive(true); // designed with ShowInLegend False
    for (int minute = 0; minute < 1440; ++minute)
        day.cpu1->AddPoint(minute, 5);
    Paint();
    EXPECT_EQ(day.chart->Legend().Layout().columns, 2);
    EXPECT_EQ(day.cpu1->FirstVisible(), 0);
    EXPECT_EQ(canvas.OfKind(Kind::Ellipse).size(), 1440u);
    const auto texts = canvas.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "CPU load, %"), 0);
}

// Keys in one minute and travel in the next share a pixel column over the
// whole day, and the column stands as high as both: the left axis reaches
// its top, so no column is cut off at the plot's edge.
TEST_F(DayChartTest, TheLeftAxisReachesTheHighestColumnNotJustTheHighestMinute) {
    for (int minute = 0; minute < 1440; ++minute) {
        day.keys2->ReplaceY(minute, 0);
        day.mouse2->ReplaceY(minute, 0);
    }
    // Two neighbouring minutes on one column, found with the labels as wide
    // as they will be (three digits).
    day.keys2->ReplaceY(10, 100);
    Paint();
    const TChartAxis& bottom = day.chart->BottomAxis();
    int a = 600;
    while (bottom.PixelOfValue(a) != bottom.PixelOfValue(a + 1))
        ++a;
    day.keys2->ReplaceY(10, 0);
    day.keys2->ReplaceY(a, 100);
    day.mouse2->ReplaceY(a + 1, 80);
    Paint();
    EXPECT_GE(day.chart->LeftAxis().Maximum(), 180);
    // The column: keys up to 100, the travel on them up to 180, inside the plot.
    const TChartAxis& left = day.chart->LeftAxis();
    const int x = bottom.PixelOfValue(a);
    EXPECT_GE(left.PixelOfValue(180), day.chart->PlotRect().top);
    EXPECT_EQ(day.mouse2->PointAtPixel(x, left.PixelOfValue(170)), a + 1);
    EXPECT_EQ(day.keys2->PointAtPixel(x, left.PixelOfValue(50)), a);
}
