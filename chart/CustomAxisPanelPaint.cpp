#include "CustomAxisPanel.h"

#include "ChartSeries.h"

void TCustomAxisPanel::Draw(ChartCanvas& canvas) {
    const TRect bounds = ChartBounds();
    TRect plot = MarginRect(bounds);

    DrawBackground(canvas, bounds);
    DrawTitlesAndLegend(canvas, plot);

    for (TChartAxis* axis : axes_)
        axis->AdjustRange();
    for (TChartAxis* axis : axes_)
        if (axis->IsVisible())
            axis->ReserveSpace(canvas, plot);
    for (TChartAxis* axis : axes_)
        axis->SetPositions(plot);
    plot_ = plot;

    DrawBackWall(canvas, plot);
    if (axisVisible_)
        for (TChartAxis* axis : axes_)
            if (axis->IsVisible())
                axis->Draw(canvas, plot);

    DrawSeries(canvas);
    DrawAfterSeries(canvas);
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
