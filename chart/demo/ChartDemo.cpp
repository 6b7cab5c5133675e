// chartdemo: the day chart and the month chart of the main window, side by
// side, with made-up activity, to look at and try by hand. Left drag towards
// the lower right zooms, any other drag undoes; right drag pans (the day
// chart within the day); the wheel scrolls the vertical axis; numeric-pad
// plus, minus and multiply zoom in, out and undo the day chart. The title
// bar shows the point under the pointer, as the program's readout will.
#include "DemoCharts.h"

#include "toolkit/Application.h"

#include <cmath>
#include <cstdio>

namespace {

class TDemoWindow : public TControl {
public:
    TDemoWindow() : TControl(nullptr) {
        SetCaption("Tallyvane chart demo");
        SetBounds(0, 0, 1280, 410);
        Handle();
    }
    ~TDemoWindow() override { DestroyComponents(); }

    std::function<void(WPARAM key)> onKey;

protected:
    void CreateParams(TCreateParams& params) override {
        params.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_KEYDOWN && onKey)
            onKey(wParam);
        if (msg == WM_DESTROY)
            PostQuitMessage(0);
        return TControl::WndProc(msg, wParam, lParam);
    }
};

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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application().SetTitle("Tallyvane chart demo");
    TDemoWindow window;
    TChartDemoForm form;
    DemoCharts charts{};
    Application().Dispatch([&] {
        charts = LoadDemoCharts(form);
        charts.day.chart->SetParent(&window);
        charts.month.chart->SetParent(&window);
        FillDayActivity(charts.day, 2026);
        FillMonthActivity(charts.month, 12);
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
    window.onKey = [&](WPARAM key) {
        Application().Dispatch([&] {
            if (key == VK_ADD)
                charts.day.chart->ZoomByPercent(115);
            else if (key == VK_SUBTRACT)
                charts.day.chart->ZoomByPercent(85);
            else if (key == VK_MULTIPLY)
                charts.day.chart->ZoomUndo();
        });
    };

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
