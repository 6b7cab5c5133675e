#pragma once

#include "CustomSeries.h"

enum TMultiArea { maNone, maStacked, maStacked100 };

// An area series: the points' line filled down to the plot's bottom, or,
// stacked, down to the series of its class before it.
class TAreaSeries : public TCustomSeries {
public:
    explicit TAreaSeries(TComponent* owner = nullptr);

    TMultiArea MultiArea() const { return multiArea_; }
    // Applies to every area series of the chart: a stack is all or nothing.
    void SetMultiArea(TMultiArea multiArea);

    double HighestY() const override;
    double LowestY() const override;
    ColumnSpan SpanOf(const PixelColumn& column) const override;
    bool IsKindOf(const TChartSeries& other) const override;

private:
    bool Stacked() const { return multiArea_ == maStacked && ParentChart(); }

    TMultiArea multiArea_ = maNone;
};
