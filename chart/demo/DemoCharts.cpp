#include "DemoCharts.h"

#include "chart/ChartFormClasses.h"
#include "toolkit/ControlClasses.h"
#include "toolkit/FormLoader.h"

namespace {

template <typename T> T* Find(const TComponent& form, const char* name) {
    auto* found = dynamic_cast<T*>(form.FindComponent(name));
    if (!found)
        throw Exception(std::string("The chart design has no ") + name);
    return found;
}

// A small deterministic generator: the demo and the benchmarks want the
// same picture every run.
unsigned Next(unsigned& state) {
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7FFF;
}

} // namespace

DemoCharts FindDemoCharts(const TComponent& form) {
    DemoCharts charts{};
    DayChart& day = charts.day;
    day.chart = Find<TChart>(form, "myChart");
    day.keys1 = Find<TLineSeries>(form, "mySeriesKeys1");
    day.mouse1 = Find<TLineSeries>(form, "mySeriesMouse1");
    day.cpu1 = Find<TLineSeries>(form, "mySeriesCPU1");
    day.reserved = Find<TBarSeries>(form, "SeriesReserved");
    day.keys2 = Find<TAreaSeries>(form, "mySeriesKeys2");
    day.mouse2 = Find<TAreaSeries>(form, "mySeriesMouse2");
    day.cpu2 = Find<TAreaSeries>(form, "mySeriesCPU2");
    day.readKeys = Find<TAreaSeries>(form, "myReadSeriesKeys");
    day.readMouse = Find<TAreaSeries>(form, "myReadSeriesMouse");
    day.readCpu = Find<TAreaSeries>(form, "myReadSeriesCPU");
    MonthChart& month = charts.month;
    month.chart = Find<TChart>(form, "ChartMonth");
    month.keys = Find<TLineSeries>(form, "chMonthKeys");
    month.mouse = Find<TLineSeries>(form, "chMonthMouse");
    month.cpu = Find<TLineSeries>(form, "chMonthCPU");
    return charts;
}

DemoCharts LoadDemoCharts(TChartDemoForm& form) {
    FormClasses classes;
    RegisterControlClasses(classes);
    RegisterChartClasses(classes);
    classes.Abstract<TChartDemoForm>("TChartDemoForm");
    // The main window's handlers stay unbound here: whoever loads the charts
    // binds what it wants to their events.
    FormHandlers handlers;
    handlers.LeaveMissingUnbound();
    LoadFormObjects(form, classes, handlers, ReadFormResource(L"FRMMAIN"), "FRMMAIN",
                    {"myChart", "ChartMonth"}, "TChartDemoForm");

    DemoCharts charts = FindDemoCharts(form);
    DayChart& day = charts.day;
    MonthChart& month = charts.month;

    // Away from the main window nothing aligns them: they stand side by side
    // at fixed sizes, both visible, until their user places them.
    const TRect places[] = {TRect::FromBounds(0, 0, 740, 360), TRect::FromBounds(740, 0, 520, 360)};
    TChart* both[] = {day.chart, month.chart};
    for (int i = 0; i < 2; ++i) {
        both[i]->SetAlign(alNone);
        both[i]->SetBounds(places[i].left, places[i].top, places[i].Width(), places[i].Height());
        both[i]->Show();
    }
    return charts;
}

void FillDayActivity(DayChart& day, unsigned seed) {
    unsigned state = seed;
    for (TChartSeries* series :
         {static_cast<TChartSeries*>(day.keys2), static_cast<TChartSeries*>(day.mouse2),
          static_cast<TChartSeries*>(day.cpu1)})
        series->ClearPoints();
    for (int minute = 0; minute < 1440; ++minute) {
        const bool working = (minute >= 8 * 60 && minute < 12 * 60) ||
                             (minute >= 13 * 60 && minute < 17 * 60 + 30) ||
                             (minute >= 20 * 60 && minute < 21 * 60 && Next(state) % 3 == 0);
        double keys = working ? 20 + Next(state) % 120 : 0;
        double mouse = working ? 5 + Next(state) % 60 : (Next(state) % 50 == 0 ? 3 : 0);
        day.keys2->AddPoint(minute, keys);
        day.mouse2->AddPoint(minute, mouse);
        day.cpu1->AddPoint(minute, 0);
    }
}

void FillMonthActivity(MonthChart& month, unsigned seed) {
    unsigned state = seed;
    month.keys->ClearPoints();
    month.mouse->ClearPoints();
    for (int dayNumber = 1; dayNumber <= 31; ++dayNumber) {
        const bool weekend = dayNumber % 7 == 6 || dayNumber % 7 == 0;
        month.keys->AddPoint(dayNumber, weekend ? Next(state) % 2000 : 15000 + Next(state) % 20000);
        month.mouse->AddPoint(dayNumber,
                              weekend ? Next(state) % 200 : 1500 + Next(state) % 2500 / 10.0);
    }
}
