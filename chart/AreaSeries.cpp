#include "AreaSeries.h"

#include "ChartAxis.h"
#include "CustomAxisPanel.h"

#include <algorithm>

TAreaSeries::TAreaSeries(TComponent* owner) : TCustomSeries(owner) {
    SetDrawArea(true);
}

bool TAreaSeries::IsKindOf(const TChartSeries& other) const {
    return dynamic_cast<const TAreaSeries*>(&other) != nullptr;
}

void TAreaSeries::SetMultiArea(TMultiArea multiArea) {
    if (multiArea == multiArea_)
        return;
    multiArea_ = multiArea;
    if (ParentChart())
        for (TChartSeries* series : ParentChart()->SeriesList())
            if (series != this && IsKindOf(*series))
                static_cast<TAreaSeries*>(series)->multiArea_ = multiArea;
    RequestRepaint();
}

double TAreaSeries::HighestY() const {
    if (multiArea_ == maStacked100)
        return 100;
    double highest = TCustomSeries::HighestY();
    if (!Stacked())
        return highest;
    // A column stands on the greatest value of each series below it there
    // (SpanOf), which can be higher than any one point's stack: typing in one
    // minute and moving the pointer in the next make one column as high as
    // both. The columns are the plot's as last laid out; before the first
    // layout every point is its own.
    const AxisScale& scale = GetHorizAxis().Scale();
    if (scale.endPos > scale.startPos && DrawArea()) {
        auto columns = Columns(0, PointCount() - 1);
        for (PixelColumn column; columns.Next(column);)
            highest =
                std::max(highest, YAt(column.shown) + StackingOrigin(column.first, column.last));
        return highest;
    }
    for (int i = 0; i < PointCount(); ++i)
        highest = std::max(highest, YAt(i) + StackingOrigin(i));
    return highest;
}

double TAreaSeries::LowestY() const {
    return multiArea_ == maStacked100 ? 0 : TCustomSeries::LowestY();
}

ColumnSpan TAreaSeries::SpanOf(const PixelColumn& column) const {
    if (!Stacked())
        return TCustomSeries::SpanOf(column);
    const TChartAxis& vertical = GetVertAxis();
    const double origin = StackingOrigin(column.first, column.last);
    // Never below the axis's bottom: a zoomed-in stack keeps its strips
    // inside the drawable range.
    const int bottom = vertical.Scale().endPos;
    return {std::min(vertical.PixelOfValue(origin + YAt(column.shown)), bottom),
            std::min(vertical.PixelOfValue(origin), bottom)};
}
