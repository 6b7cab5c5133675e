#include "BarSeries.h"

#include "ChartAxis.h"
#include "ChartExceptions.h"
#include "CustomAxisPanel.h"
#include "SeriesGeometry.h"

#include <algorithm>

TCustomBarSeries::TCustomBarSeries(TComponent* owner) : TChartSeries(owner) {
    YValues().SetName("Bar");
    auto changed = [this] { RequestRepaint(); };
    barPen_.SetOnChange(changed);
    barBrush_.SetOnChange(changed);
}

void TCustomBarSeries::SetBarWidthPercent(int percent) {
    if (percent < 1 || percent > 100)
        throw BarException("Bar Width Percent must be between 1 and 100");
    if (percent != barWidthPercent_) {
        barWidthPercent_ = percent;
        RequestRepaint();
    }
}

bool TCustomBarSeries::IsKindOf(const TChartSeries& other) const {
    return dynamic_cast<const TCustomBarSeries*>(&other) != nullptr;
}

bool TBarSeries::IsKindOf(const TChartSeries& other) const {
    return dynamic_cast<const TBarSeries*>(&other) != nullptr;
}

double TCustomBarSeries::Origin(int index) const {
    if (multiBar_ == mbStacked && ParentChart())
        return StackingOrigin(index);
    return useYOrigin_ ? yOrigin_ : 0;
}

double TCustomBarSeries::HighestY() const {
    if (multiBar_ == mbStacked100)
        return 100;
    double highest = TChartSeries::HighestY();
    if (multiBar_ == mbStacked && ParentChart())
        for (int i = 0; i < PointCount(); ++i)
            highest = std::max(highest, YAt(i) + Origin(i));
    if (useYOrigin_)
        highest = std::max(highest, yOrigin_);
    return highest;
}

double TCustomBarSeries::LowestY() const {
    if (multiBar_ == mbStacked100)
        return 0;
    double lowest = TChartSeries::LowestY();
    return useYOrigin_ ? std::min(lowest, yOrigin_) : lowest;
}

void TCustomBarSeries::DrawValues(ChartCanvas& canvas) {
    const int first = FirstVisible();
    if (first < 0 || PointCount() == 0)
        return;
    const TChartAxis& horizontal = GetHorizAxis();
    const TChartAxis& vertical = GetVertAxis();
    const int slot =
        std::max(1, horizontal.Scale().Length() / std::max(1, LastVisible() - first + 1));
    const int half = std::max(1, slot * barWidthPercent_ / 200);
    barPen_.Apply(canvas, PixelScale());
    for (int i = first; i <= LastVisible(); ++i) {
        const double origin = Origin(i);
        const double top = multiBar_ == mbStacked ? origin + YAt(i) : YAt(i);
        const int x = horizontal.PixelOfValue(XAt(i));
        const TPoint a{x - half, vertical.PixelOfValue(top)};
        const TPoint b{x + half, vertical.PixelOfValue(origin)};
        if (!DrawablePixel(a) || !DrawablePixel(b))
            continue;
        canvas.SetBrush(
            ChartColorToRGB(barBrush_.Color() != clTeeColor ? barBrush_.Color() : ValueColor(i)),
            barBrush_.Style());
        canvas.Rectangle({a.x, std::min(a.y, b.y), b.x, std::max(a.y, b.y) + 1});
    }
}

void TCustomBarSeries::DrawLegendShape(ChartCanvas& canvas, const TRect& box) const {
    barPen_.Apply(canvas, PixelScale());
    canvas.SetBrush(ChartColorToRGB(SeriesColor()), barBrush_.Style());
    canvas.Rectangle(box);
}
