#include "HistoryWindowFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::StartsWith;

namespace {
std::vector<double> Ys(const TChartSeries& series) {
    std::vector<double> ys;
    for (int i = 0; i < series.PointCount(); ++i)
        ys.push_back(series.YAt(i));
    return ys;
}

std::vector<double> Xs(const TChartSeries& series) {
    std::vector<double> xs;
    for (int i = 0; i < series.PointCount(); ++i)
        xs.push_back(series.XAt(i));
    return xs;
}

// 31 values, zero but for the days given.
std::vector<double> Month(const std::vector<std::pair<int, double>>& days) {
    std::vector<double> values(31, 0);
    for (const auto& [day, value] : days)
        values[size_t(day - 1)] = value;
    return values;
}
} // namespace

// Start-up selects the current month: its totals are on view before the
// window first shows.
TEST_F(HistoryWindowTest, StartUpShowsTheCurrentMonthsTotals) {
    WriteFile(history + "26-12-01.dat", DayText({{600, "57:12:0"}}));
    WriteFile(history + "26-12-08.dat", DayText({{601, "3:4:9"}, {602, "7:0:0"}}));
    WriteFile(history + "26-11-30.dat", DayText({{1, "99:99:0"}}));
    Start();
    EXPECT_TRUE(monthChart.Visible());
    EXPECT_FALSE(dayChart.Visible());
    std::vector<double> days;
    for (int d = 1; d <= 31; ++d)
        days.push_back(d);
    EXPECT_THAT(Xs(*charts.month.keys), ElementsAreArray(days));
    EXPECT_THAT(Xs(*charts.month.mouse), ElementsAreArray(days));
    EXPECT_THAT(Ys(*charts.month.keys), ElementsAreArray(Month({{1, 57}, {8, 10}})));
    EXPECT_THAT(Ys(*charts.month.mouse), ElementsAreArray(Month({{1, 1.2}, {8, 0.4}})));
    EXPECT_EQ(charts.month.cpu->PointCount(), 0);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HistoryWindowTest, EveryMonthHasThirtyOnePointsInEachSeries) {
    WriteFile(history + "26-12-08.dat", "");
    // February of a year that is not a leap year, a file for every day.
    for (int d = 1; d <= 28; ++d)
        WriteFile(history + Format("27-02-%02d.dat", d), Format("%d:%d:0\r\n", d, 10 * d));
    WriteFile(history + "26-11-01.dat", DayText({{0, "1:12345:0"}}));
    WriteFile(history + "26-11-15.dat", "2147483647:0:0\r\n1:0:0\r\n"); // wraps at 32 bits
    Start();

    Select("2027.February");
    std::vector<std::pair<int, double>> keys, mouse;
    for (int d = 1; d <= 28; ++d) {
        keys.emplace_back(d, d);
        mouse.emplace_back(d, d);
    }
    EXPECT_THAT(Ys(*charts.month.keys), ElementsAreArray(Month(keys)));
    EXPECT_THAT(Ys(*charts.month.mouse), ElementsAreArray(Month(mouse)));

    Select("2026.November");
    EXPECT_THAT(Ys(*charts.month.keys), ElementsAreArray(Month({{1, 1}, {15, INT32_MIN}})));
    EXPECT_THAT(Ys(*charts.month.mouse), ElementsAreArray(Month({{1, 1234.5}})));
    EXPECT_TRUE(messages.messages.empty());
}

// Every selection reads the files anew; the day log's own files beside them
// never count.
TEST_F(HistoryWindowTest, EachSelectionReadsTheDayFilesAndOnlyThem) {
    WriteFile(history + "26-12-03.dat", "5:5:0\r\n");
    Start();
    WriteFile(history + "26-12-03.dat", "6:6:0\r\n");
    WriteFile(history + "26-12-03.dat.tmp", "1000:1000:0\r\n");
    WriteFile(history + "26-12-03.dat.broken", "garbage");
    WriteFile(history + "26-12-04.dat.broken2", "garbage");
    WriteFile(history + "26-12-05.data", "garbage");
    CreateDirectoryW(Widen(history + "26-12-06.dat").c_str(), nullptr);
    Select("2026-12-08");
    Select("2026.December");
    EXPECT_THAT(Ys(*charts.month.keys), ElementsAreArray(Month({{3, 6}})));
    EXPECT_TRUE(messages.messages.empty());
}

// A broken line or a file that cannot be opened: the error box, the series
// hold the days before, and the chart on view stays.
TEST_F(HistoryWindowTest, AFileThatCannotBeTakenStopsTheMonthWhereItIs) {
    WriteFile(history + "26-11-01.dat", "1:10:0\r\n");
    WriteFile(history + "26-11-02.dat", "2:20:0\r\n");
    WriteFile(history + "26-11-03.dat", "3:30:0\r\n12:7\r\n");
    WriteFile(history + "26-10-01.dat", "1:10:0\r\n");
    WriteFile(history + "26-10-02.dat", "2:20:0\r\n");
    Start();
    Select("2026-12-08");
    ASSERT_TRUE(dayChart.Visible());

    Select("2026.November");
    ASSERT_THAT(Messages(), ElementsAre("'' is not a valid integer value"));
    EXPECT_EQ(messages.messages[0].caption, "Ostrelle");
    EXPECT_THAT(Ys(*charts.month.keys), ElementsAre(1, 2));
    EXPECT_THAT(Ys(*charts.month.mouse), ElementsAre(1, 2));
    EXPECT_TRUE(dayChart.Visible());
    EXPECT_FALSE(monthChart.Visible());

    FileHandle held = Hold(history + "26-10-02.dat");
    Select("2026.October");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_THAT(messages.messages[1].text,
                StartsWith("Cannot open file \"" + history + "26-10-02.dat\". "));
    EXPECT_THAT(Ys(*charts.month.keys), ElementsAre(1));
    EXPECT_TRUE(dayChart.Visible());
}

// The view leaves the axes, the legend and the caption under the chart alone:
// a pan of the month chart stays when another month is selected.
TEST_F(HistoryWindowTest, AnotherMonthKeepsThePanAndTheCaption) {
    WriteFile(history + "26-11-01.dat", "1:10:0\r\n");
    Start();
    monthChart.BottomAxis().SetRange(-3, 40);
    monthCaption.SetCaption("Keys pressed, count per day [2026.12.01 (Tue) - 0]");
    Select("2026.November");
    EXPECT_EQ(monthChart.BottomAxis().Minimum(), -3);
    EXPECT_EQ(monthChart.BottomAxis().Maximum(), 40);
    EXPECT_EQ(monthCaption.Caption(), "Keys pressed, count per day [2026.12.01 (Tue) - 0]");
    EXPECT_TRUE(monthChart.Legend().Visible());
}
