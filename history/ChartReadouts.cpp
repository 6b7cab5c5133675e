#include "ChartReadouts.h"

#include "ReadoutTexts.h"
#include "TreeLabels.h"
#include "chart/ChartMath.h"

namespace {
struct PointUnderPointer {
    const TChartSeries* series = nullptr;
    int index = -1;
};

// The last active series in series order with a point at a client point.
PointUnderPointer LastPointAt(TChart& chart, TPoint at) {
    PointUnderPointer found;
    for (const TChartSeries* series : chart.SeriesList()) {
        if (!series->Active())
            continue;
        const int index = series->PointAtPixel(at.x, at.y);
        if (index >= 0)
            found = {series, index};
    }
    return found;
}
} // namespace

ChartReadouts::ChartReadouts(Parts parts, const DayView& dayView, const Clock& clock)
    : parts_(parts), dayView_(dayView), clock_(clock) {}

// The pointer is read once for all series: each read is a round trip to the
// window system.
void ChartReadouts::DayChartMouseMove() {
    DayReadoutAt(parts_.dayChart.CursorClientPos());
}

void ChartReadouts::MonthChartMouseMove() {
    MonthReadoutAt(parts_.monthChart.CursorClientPos());
}

void ChartReadouts::DayReadoutAt(TPoint at) {
    if (dayView_.ScrollDragging()) {
        parts_.dayChart.SetCursor(crSizeAll);
        return;
    }
    const PointUnderPointer point = LastPointAt(parts_.dayChart, at);
    if (!point.series)
        return;
    parts_.dayCaption.SetCaption(DayReadoutText(
        point.series->Title(), point.series->XAt(point.index), point.series->YAt(point.index)));
}

void ChartReadouts::MonthReadoutAt(TPoint at) {
    const PointUnderPointer point = LastPointAt(parts_.monthChart, at);
    const TTreeNode* month = parts_.tree.Selected();
    if (!point.series || !month)
        return;
    const std::string& label = month->Text();
    const std::string year = label.substr(0, 4);
    const std::string number = MonthOfLabel(label).month;
    const int day = RoundHalfEven(point.series->XAt(point.index));
    const std::optional<std::string> weekday = WeekdayOf(year, number, day, clock_);
    if (!weekday)
        return;
    parts_.monthCaption.SetCaption(MonthReadoutText(point.series->Title(), year, number, day,
                                                    *weekday, point.series->YAt(point.index)));
}
