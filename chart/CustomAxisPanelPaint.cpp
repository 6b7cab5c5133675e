#include "CustomAxisPanel.h"

#include "ChartSeries.h"

void TCustomAxisPanel::Draw(ChartCanvas& canvas) {
    const TRect bounds = ChartBounds();
    TRect plot = MarginRect(bounds);

    DrawBackground(canvas, bounds);
    DrawTitlesAndLegend(canvas, plot);

    const TRect inside = plot;
    auto layOut = [&] {
        plot = inside;
        for (TChartAxis* axis : axes_)
            if (axis->IsVisible())
                axis->ReserveSpace(canvas, plot);
        for (TChartAxis* axis : axes_)
            axis->SetPositions(plot);
    };
    for (TChartAxis* axis : axes_)
        axis->AdjustRange();
    layOut();
    // How high a stacked area's columns stand depends on how many points
    // share a pixel column, so on the plot's width: with the plot now laid
    // out, the ranges are taken again, and the layout follows if they moved.
    if (RangesMovedWithLayout())
        layOut();
    plot_ = plot;

    DrawBackWall(canvas, plot);
    if (axisVisible_)
        for (TChartAxis* axis : axes_)
            if (axis->IsVisible())
                axis->Draw(canvas, plot);

    DrawSeries(canvas);
    DrawAfterSeries(canvas);
}

bool TCustomAxisPanel::RangesMovedWithLayout() {
    bool moved = false;
    for (TChartAxis* axis : axes_) {
        const AxisScale before = axis->Scale();
        axis->AdjustRange();
        moved = moved || axis->Scale().minimum != before.minimum ||
                axis->Scale().maximum != before.maximum;
    }
    return moved;
}

void TCustomAxisPanel::DrawSeries(ChartCanvas& canvas) {
    for (TChartSeries* series : series_) {
        series->ClearVisibleRange();
        if (!series->Active())
            continue;
        series->CalcVisibleRange();
        if (series->FirstVisible() < 0)
            continue;
        // The plot's right and bottom edges are plot pixels too.
        if (clipPoints_)
            canvas.ClipRect({plot_.left, plot_.top, plot_.right + 1, plot_.bottom + 1});
        series->DrawValues(canvas);
        if (clipPoints_)
            canvas.UnClip();
    }
}
