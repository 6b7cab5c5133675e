// chartdemo: the day chart and the month chart of the main window, side by
// side, with made-up activity, to look at and try by hand. Left drag towards
// the lower right zooms, any other drag undoes; right drag pans; the wheel
// scrolls the vertical axis; numeric-pad
// plus, minus and multiply zoom in, out and undo the day chart. The title
// bar shows the point under the pointer, as the program's readout will.
#include "DemoCharts.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ScreenDpi.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Readout(TChart& chart, bool minutes) {
    std::string text;
    for (int i = 0; i < chart.SeriesListCount(); ++i) {
        TChartSeries& series = chart.SeriesAt(i);
        int index = series.Active() ? series.PointAtCursor() : -1;
        if (index < 0)
            continue;
        char buffer[64];
        long x = std::lround(series.XAt(index));
        if (minutes)
            std::snprintf(buffer, sizeof buffer, " [%02ld:%02ld - %.0f]", x / 60, x % 60,
                          series.YAt(index));
        else
            std::snprintf(buffer, sizeof buffer, " [day %ld - %.1f]", x, series.YAt(index));
        text = series.Title() + buffer;
    }
    return text;
}

} // namespace

// The demo window is the application's main form: closing it ends the run.
// Everything runs in the application's loop, so an error anywhere is shown
// in its error box and the demo goes on.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application().SetTitle("Tallyvane chart demo");
    TForm window(nullptr);
    window.SetCaption("Tallyvane chart demo");
    window.SetClientSize(1260, 360);
    window.SetKeyPreview(true);
    TChartDemoForm form;
    DemoCharts charts{};
    Application().Dispatch([&] {
        charts = LoadDemoCharts(form);
        charts.day.chart->SetParent(&window);
        charts.month.chart->SetParent(&window);
        FillDayActivity(charts.day, 2026);
        FillMonthActivity(charts.month, 12);
        // Sized at the designed scale: at the screen's, charts and all.
        window.ScaleTo(WindowPixelsPerInch(window.Handle()));
    });
    if (!charts.day.chart)
        return 1;

    auto showReadout = [&](TChart& chart, bool minutes) {
        std::string text = Readout(chart, minutes);
        if (!text.empty())
            window.SetCaption(text);
    };
    charts.day.chart->SetOnMouseMove(
        [&](TComponent&, TShiftState, int, int) { showReadout(*charts.day.chart, true); });
    charts.month.chart->SetOnMouseMove(
        [&](TComponent&, TShiftState, int, int) { showReadout(*charts.month.chart, false); });
    window.SetOnKeyDown([&](TComponent&, WORD& key, TShiftState) {
        if (key == VK_ADD)
            charts.day.chart->ZoomByPercent(115);
        else if (key == VK_SUBTRACT)
            charts.day.chart->ZoomByPercent(85);
        else if (key == VK_MULTIPLY)
            charts.day.chart->ZoomUndo();
    });
    Application().Run();
    return 0;
}
