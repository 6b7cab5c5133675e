#include "MonthView.h"

#include "DayTotals.h"
#include "TreeLabels.h"
#include "toolkit/Files.h"

MonthView::MonthView(Parts parts, std::string historyDir)
    : parts_(parts), historyDir_(std::move(historyDir)) {}

void MonthView::Show(const std::string& monthLabel) {
    parts_.keys.ClearPoints();
    parts_.mouse.ClearPoints();
    for (int day = 1; day <= 31; ++day) {
        const std::string path = MonthDayFile(historyDir_, monthLabel, day);
        const DayTotals totals = FileExists(path) ? ReadDayTotals(path) : DayTotals{};
        parts_.keys.AddPoint(day, totals.keys);
        parts_.mouse.AddPoint(day, totals.mouse / 10.0); // metres, one decimal
    }
    parts_.dayChart.Hide();
    parts_.monthChart.Show();
}
