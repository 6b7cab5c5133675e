#include "HistoryWindowFixture.h"

#include "toolkit/LocaleInfo.h"

#include <gmock/gmock.h>

class ChartReadoutsTest : public HistoryWindowTest {
protected:
    ChartReadoutsTest() {
        WriteFile(history + "26-12-08.dat",
                  DayText({{581, "10:57:0"}, {582, "10:57:0"}, {900, "3:0:0"}}));
        WriteFile(history + "26-12-01.dat", DayText({{600, "9:9:0"}}));
        WriteFile(history + "26-12-02.dat", DayText({{480, "5:0:0"}, {1020, "0:3:0"}}));
        WriteFile(history + "26-02-01.dat", DayText({{1, "4:5:0"}}));
        WriteFile(history + "26-11-08.dat", DayText({{1, "12345:12345:0"}}));
        Start();
    }

    static TPoint Over(const TCustomSeries& series, int index) { return series.PixelOf(index); }
    // Over the strip from point `index` to the next, at height y.
    static TPoint Between(const TCustomSeries& series, int index, int y) {
        return {(series.PixelOf(index).x + series.PixelOf(index + 1).x) / 2, y};
    }

    DayChart& day = charts.day;
    MonthChart& month = charts.month;
};

// Where a keys area and a mouse area meet, both report a point; the mouse
// series, later in series order, writes.
TEST_F(ChartReadoutsTest, TheDayReadoutNamesTheLastSeriesWithAPointThere) {
    Select("2026-12-08");
    dayChart.BottomAxis().SetRange(570, 590);
    Paint();
    // The top of the keys area is the base of the mouse area stacked on it.
    const TPoint edge = Between(*day.keys2, 581, day.keys2->PixelOf(581).y);
    ASSERT_EQ(day.keys2->PointAtPixel(edge.x, edge.y), 581);
    ASSERT_EQ(day.mouse2->PointAtPixel(edge.x, edge.y), 581);
    views.Readouts().DayReadoutAt(edge);
    EXPECT_EQ(dayCaption.Caption(), "Mouse distance, dm per minute [09:41 - 57]");

    views.Readouts().DayReadoutAt(Between(*day.keys2, 581, dayChart.PlotRect().bottom - 1));
    EXPECT_EQ(dayCaption.Caption(), "Keys pressed, count per minute [09:41 - 10]");

    // Nothing under the pointer: the caption keeps the last readout.
    views.Readouts().DayReadoutAt({dayChart.PlotRect().right - 2, dayChart.PlotRect().top + 1});
    EXPECT_EQ(dayCaption.Caption(), "Keys pressed, count per minute [09:41 - 10]");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ChartReadoutsTest, APastDayReadsFromTheReadSeries) {
    Select("2026-12-01");
    dayChart.BottomAxis().SetRange(590, 610);
    Paint();
    views.Readouts().DayReadoutAt(Between(*day.readKeys, 600, dayChart.PlotRect().bottom - 1));
    EXPECT_EQ(dayCaption.Caption(), "Keys pressed, count per minute [10:00 - 9]");
}

// A quiet day on the whole-day chart, where two or three minutes share
// each pixel column: at the designed width, one pixel wider and wider
// still, both spikes are on the screen and the readout over each names it.
TEST_F(ChartReadoutsTest, EachSpikeOfAQuietDayIsDrawnAndNamedAtAnyWidth) {
    Select("2026-12-02");
    struct {
        const TAreaSeries* series;
        int minute;
        std::string caption;
    } spikes[] = {{day.readKeys, 480, "Keys pressed, count per minute [08:00 - 5]"},
                  {day.readMouse, 1020, "Mouse distance, dm per minute [17:00 - 3]"}};
    for (int width : {732, 733, 893, 894}) {
        form.SetClientSize(width, 326);
        Paint();
        ASSERT_EQ(dayChart.ClientWidth(), width - 153);
        for (const auto& spike : spikes) {
            const TPoint top = spike.series->PixelOf(spike.minute);
            const TPoint at{top.x, (top.y + spike.series->BasePixel(spike.minute)) / 2};
            EXPECT_EQ(dayChart.BackBuffer().Pixel(at.x, at.y),
                      ChartColorToRGB(spike.series->SeriesColor()))
                << spike.minute << " at width " << width;
            views.Readouts().DayReadoutAt(at);
            EXPECT_EQ(dayCaption.Caption(), spike.caption) << "width " << width;
        }
    }
}

TEST_F(ChartReadoutsTest, TheMonthReadoutGivesDateWeekdayAndGroupedValue) {
    Select("2026.November");
    const std::string sunday = LocaleText(LOCALE_SABBREVDAYNAME7); // 8 November 2026
    views.Readouts().MonthReadoutAt(Over(*month.keys, 7));
    EXPECT_EQ(monthCaption.Caption(),
              "Keys pressed, count per day [2026.11.08 (" + sunday + ") - 12 345]");
    views.Readouts().MonthReadoutAt(Over(*month.mouse, 7));
    EXPECT_EQ(monthCaption.Caption(),
              "Mouse distance, m per day [2026.11.08 (" + sunday + ") - 1 234]");
    EXPECT_TRUE(messages.messages.empty());
}

// The month chart has points 29 to 31 in every month; over one the month
// lacks there is nothing to read: no box, and the caption stays.
TEST_F(ChartReadoutsTest, ADayTheMonthLacksLeavesTheCaptionAndShowsNoBox) {
    Select("2026.February");
    views.Readouts().MonthReadoutAt(Over(*month.keys, 0));
    const std::string before = monthCaption.Caption();
    ASSERT_THAT(before, ::testing::StartsWith("Keys pressed, count per day [2026.02.01 ("));
    for (int index : {28, 29, 30}) {
        ASSERT_EQ(month.keys->XAt(index), index + 1);
        views.Readouts().MonthReadoutAt(Over(*month.keys, index));
        EXPECT_EQ(monthCaption.Caption(), before);
    }
    EXPECT_TRUE(messages.messages.empty());
}

// The readouts over the real windows' messages, as the pointer moves.
TEST_F(ChartReadoutsTest, MouseMovesOverTheChartsWriteTheCaptions) {
    Select("2026.November");
    const TPoint p = Over(*month.keys, 7);
    SendMessageW(monthChart.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    EXPECT_THAT(monthCaption.Caption(),
                ::testing::StartsWith("Keys pressed, count per day [2026.11.08"));
    wchar_t text[256] = {};
    GetWindowTextW(monthCaption.Handle(), text, 256);
    EXPECT_EQ(Narrow(text), monthCaption.Caption());
}
