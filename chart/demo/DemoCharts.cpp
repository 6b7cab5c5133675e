#include "DemoCharts.h"

#include "toolkit/Conversions.h"

namespace {

constexpr TColor kKeysColor = 0x00CCFF;  // #FFCC00
constexpr TColor kMouseColor = 0x15CFA1; // #A1CF15
constexpr TColor kCpuColor = 0xFFCC9A;   // #9ACCFF

void DesignChart(TChart& chart) {
    chart.SetColor(clWhite);
    chart.Gradient().SetVisible(true);
    chart.Gradient().SetDirection(gdFromCenter);
    chart.Gradient().SetStartColor(16053486);
    chart.Gradient().SetEndColor(15195349);
    chart.SetMarginLeft(2);
    chart.SetMarginTop(2);
    chart.SetMarginRight(2);
    chart.SetMarginBottom(7);
    chart.SetBevelInner(bvLowered);
    chart.SetBevelOuter(bvNone);
    chart.Title().SetVisible(false);
    chart.Foot().SetVisible(false);
    chart.BackWall().brush.SetStyle(ChartBrushStyle::Clear);
    chart.BackWall().brush.SetColor(clWhite);
    TChartLegend& legend = chart.Legend();
    legend.SetAlignment(laTop);
    legend.SetLegendStyle(lsSeries);
    legend.SetColorWidth(20);
    legend.Font().SetName("Tahoma");
    legend.Font().SetHeight(-11);
    legend.SetColor(clWhite);
    legend.Frame().SetColor(clGray);
    legend.SetShadowSize(0);
    legend.SetShadowColor(clGray);
    legend.SetHorizMargin(1);
    legend.SetVertMargin(6);
    legend.SetTopPos(0);
    chart.SetView3D(false);
    chart.SetView3DWalls(false);

    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetAxisValuesFormat("#0");
    bottom.SetLabelsAngle(360);
    bottom.LabelsFont().SetName("Tahoma");
    bottom.LabelsFont().SetHeight(-11);
    bottom.SetLabelsSeparation(20);
    bottom.SetLabelsSize(16);
    bottom.SetRoundFirstLabel(false);
    bottom.SetTitleSize(9);
    bottom.Axis().SetVisible(false);
    bottom.Axis().SetWidth(1);
    bottom.Grid().SetVisible(false);
    bottom.Grid().SetColor(12698049);
    bottom.Grid().SetStyle(ChartPenStyle::Solid);
    bottom.Ticks().SetColor(clBlack);
    bottom.SetTickLength(6);

    TChartAxis& left = chart.LeftAxis();
    left.Title().SetCaption("Activity");
    left.LabelsFont().SetName("Tahoma");
    left.LabelsFont().SetHeight(-11);
    left.SetTitleSize(2);
    left.Axis().SetWidth(1);
    left.Grid().SetColor(13948116);
    left.Grid().SetStyle(ChartPenStyle::Solid);
    left.Ticks().SetColor(clBlack);
    left.SetTickLength(5);
    left.SetMinorTickCount(4);
    left.SetMinorTickLength(0);
}

template <typename Series>
Series& AddSeries(TComponent& owner, TChart& chart, const char* name, const char* title,
                  TColor color, bool active) {
    Series& series = owner.Make<Series>();
    series.SetName(name);
    series.SetParentChart(&chart);
    series.SetTitle(title);
    series.SetSeriesColor(color);
    series.SetActive(active);
    return series;
}

TAreaSeries& AddArea(TComponent& owner, TChart& chart, const char* name, const char* title,
                     TColor color, bool active) {
    TAreaSeries& area = AddSeries<TAreaSeries>(owner, chart, name, title, color, active);
    area.SetMultiArea(maStacked);
    area.LinePen().SetVisible(false);
    area.LinePen().SetWidth(3);
    area.AreaLinesPen().SetVisible(false);
    return area;
}

TLineSeries& AddLine(TComponent& owner, TChart& chart, const char* name, const char* title,
                     TColor color, bool active, bool pointer) {
    TLineSeries& line = AddSeries<TLineSeries>(owner, chart, name, title, color, active);
    line.LinePen().SetWidth(3);
    line.Pointer().SetStyle(psCircle);
    line.Pointer().SetHorizSize(3);
    line.Pointer().SetVertSize(3);
    line.Pointer().SetInflateMargins(false);
    line.Pointer().SetVisible(pointer);
    return line;
}

// A small deterministic generator: the demo and the benchmarks want the
// same picture every run.
unsigned Next(unsigned& state) {
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7FFF;
}

} // namespace

void HourLabels(TChart& chart, TChartAxis& sender, std::string& labelText) {
    if (&sender == &chart.BottomAxis() && !labelText.empty())
        labelText = IntToStr(StrToInt(labelText) / 60);
}

DayChart MakeDayChart(TComponent& owner) {
    TChart& chart = owner.Make<TChart>();
    chart.SetName("myChart");
    chart.SetClientSize(740, 360);
    DesignChart(chart);
    chart.SetAnimatedZoom(true);
    chart.BottomAxis().SetMinimum(0);
    chart.BottomAxis().SetMaximum(1440);
    chart.BottomAxis().SetIncrement(60);
    chart.BottomAxis().SetLabelStyle(talValue);
    chart.BottomAxis().SetMinorTickCount(5);
    chart.BottomAxis().SetMinorTickLength(3);
    chart.SetOnGetAxisLabel([&chart](TChartAxis& sender, TChartSeries*, int, std::string& text) {
        HourLabels(chart, sender, text);
    });

    DayChart day{};
    day.chart = &chart;
    day.keys1 = &AddLine(owner, chart, "mySeriesKeys1", "Keys pressed, count per minute",
                         kKeysColor, false, false);
    day.keys1->Pointer().Brush().SetColor(52479);
    day.mouse1 = &AddLine(owner, chart, "mySeriesMouse1", "Mouse distance, dm per minute",
                          kMouseColor, false, false);
    day.cpu1 = &AddLine(owner, chart, "mySeriesCPU1", "CPU load, %", kCpuColor, false, true);
    day.cpu1->SetShowInLegend(false);
    day.reserved =
        &AddSeries<TBarSeries>(owner, chart, "SeriesReserved", "reserved", kCpuColor, false);
    day.reserved->SetBarWidthPercent(30);
    day.reserved->SetMultiBar(mbStacked);
    day.reserved->BarPen().SetVisible(false);
    day.reserved->SetShowInLegend(false);
    day.keys2 =
        &AddArea(owner, chart, "mySeriesKeys2", "Keys pressed, count per minute", kKeysColor, true);
    day.mouse2 = &AddArea(owner, chart, "mySeriesMouse2", "Mouse distance, dm per minute",
                          kMouseColor, true);
    day.cpu2 =
        &AddArea(owner, chart, "mySeriesCPU2", "CPU load, average % per minute", kCpuColor, false);
    day.readKeys = &AddArea(owner, chart, "myReadSeriesKeys", "Keys pressed, count per minute",
                            kKeysColor, false);
    day.readMouse = &AddArea(owner, chart, "myReadSeriesMouse", "Mouse distance, dm per minute",
                             kMouseColor, false);
    day.readCpu = &AddArea(owner, chart, "myReadSeriesCPU", "CPU load, average % per minute",
                           kCpuColor, false);
    return day;
}

MonthChart MakeMonthChart(TComponent& owner) {
    TChart& chart = owner.Make<TChart>();
    chart.SetName("ChartMonth");
    chart.SetClientSize(740, 360);
    DesignChart(chart);
    chart.SetAllowZoom(false);
    chart.BottomAxis().SetMaximum(31);
    chart.BottomAxis().SetMinimum(1);
    chart.BottomAxis().SetIncrement(1);
    chart.BottomAxis().SetMinorTickCount(0);
    chart.BottomAxis().SetMinorTickLength(4);

    MonthChart month{};
    month.chart = &chart;
    month.keys = &AddLine(owner, chart, "chMonthKeys", "Keys pressed, count per day", kKeysColor,
                          true, true);
    month.keys->Pointer().Brush().SetColor(52479);
    month.mouse = &AddLine(owner, chart, "chMonthMouse", "Mouse distance, m per day", kMouseColor,
                           true, true);
    month.cpu = &AddLine(owner, chart, "chMonthCPU", "CPU load, %", kCpuColor, false, true);
    month.cpu->SetShowInLegend(false);
    return month;
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
