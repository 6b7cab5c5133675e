#include "CustomChart.h"

#include "ChartSeries.h"

TCustomChart::TCustomChart(TComponent* owner) : TCustomAxisPanel(owner) {
    auto changed = [this] { Invalidate(); };
    title_.Link(changed);
    foot_.Link(changed);
    legend_.SetOnChange(changed);
    backWall_.pen.SetOnChange(changed);
    backWall_.brush.SetOnChange(changed);
    originalCursor_ = Cursor();
}

bool TCustomChart::AnyActiveSeries() const {
    for (const TChartSeries* series : SeriesList())
        if (series->Active())
            return true;
    return false;
}

void TCustomChart::DrawTitlesAndLegend(ChartCanvas& canvas, TRect& plot) {
    // Title and foot: one line each, centred, when shown and not empty.
    const ChartScale scale = PixelScale();
    titleRect_ = footRect_ = {};
    for (TChartTitle* block : {&title_, &foot_}) {
        if (!block->Visible() || block->Text().empty())
            continue;
        canvas.SetFont(block->Font().Described(scale));
        canvas.SetBrush(clWhite, ChartBrushStyle::Clear);
        ChartSize size = canvas.TextExtent(block->Text());
        const bool top = block == &title_;
        const int y = top ? plot.top : plot.bottom - size.cy;
        const int x = CentreX(plot) - size.cx / 2;
        canvas.TextAt(x, y, block->Text());
        (top ? titleRect_ : footRect_) = {x, y, x + size.cx, y + size.cy};
        if (top)
            plot.top += size.cy + scale(4);
        else
            plot.bottom -= size.cy + scale(4);
    }
    if (legend_.Visible() && AnyActiveSeries())
        legend_.Draw(canvas, scale, SeriesList(), ChartBounds().Width(), plot);
    else
        legend_.Draw(canvas, scale, {}, 0, plot); // clears the last layout
}

void TCustomChart::DrawBackWall(ChartCanvas& canvas, const TRect& plot) {
    backWall_.pen.Apply(canvas, PixelScale(), clBlack);
    backWall_.brush.Apply(canvas, clWhite);
    canvas.Rectangle({plot.left, plot.top, plot.right + 1, plot.bottom + 1});
}

void TCustomChart::DrawAfterSeries(ChartCanvas& canvas) {
    // A drag in progress keeps its rectangle across repaints.
    if (zoom_.active)
        DrawZoomRectangle(canvas);
}

void TCustomChart::DrawZoomRectangle(ChartCanvas& canvas) const {
    TColor background = ChartColorToRGB(Color());
    canvas.SetPen(background == clWhite ? clBlack : background, PixelScale().PenWidth(1),
                  ChartPenStyle::Solid);
    canvas.SetPenMode(ChartPenMode::NotXor);
    canvas.SetBrush(clWhite, ChartBrushStyle::Clear);
    canvas.Rectangle({zoom_.x0, zoom_.y0, zoom_.x1, zoom_.y1});
    canvas.SetPenMode(ChartPenMode::Copy);
}
