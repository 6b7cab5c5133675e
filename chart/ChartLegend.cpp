#include "ChartLegend.h"

#include "ChartExceptions.h"
#include "ChartMath.h"
#include "ChartSeries.h"

#include <algorithm>

TChartLegend::TChartLegend() {
    auto changed = [this] { Changed(); };
    font_.SetOnChange(changed);
    frame_.SetOnChange(changed);
    dividingLines_.SetOnChange(changed);
}

void TChartLegend::SetColorWidth(int percent) {
    if (percent < 0 || percent > 100)
        throw LegendException("Legend Color Width must be between 0 and 100 %");
    Store(colorWidth_, percent);
}

void TChartLegend::SetTopPos(int percent) {
    if (percent < 0 || percent > 100)
        throw LegendException("Top Legend Position must be between 0 and 100 %");
    Store(topPos_, percent);
}

std::string TChartLegend::ItemText(const TChartSeries& series, int index) {
    if (!series.Title().empty())
        return series.Title();
    if (!series.Name().empty())
        return series.Name();
    return "Series " + std::to_string(index);
}

void TChartLegend::Draw(ChartCanvas& canvas, ChartScale scale,
                        const std::vector<TChartSeries*>& series, int boundsWidth, TRect& plot) {
    layout_ = {};
    items_.clear();
    for (const TChartSeries* s : series)
        if (s->Active() && s->ShowInLegend())
            items_.push_back(s);
    items_.erase(items_.begin(), items_.begin() + std::clamp(firstValue_, 0, int(items_.size())));
    if (items_.empty())
        return;

    canvas.SetFont(font_.Described(scale));
    LegendMeasures measures;
    measures.scale = scale;
    measures.plot = plot;
    measures.boundsWidth = boundsWidth;
    measures.itemCount = int(items_.size());
    measures.itemHeight = canvas.TextExtent("W").cy;
    for (size_t k = 0; k < items_.size(); ++k)
        measures.textWidth =
            std::max(measures.textWidth, canvas.TextExtent(ItemText(*items_[k], int(k))).cx);
    measures.colorWidthPercent = colorWidth_;
    measures.framePenWidth = frame_.VisibleWidth(scale);
    const int shadow = scale(shadowSize_);
    measures.shadowSize = shadow;
    measures.topPos = topPos_;
    measures.maxNumRows = maxNumRows_;
    layout_ = LayoutTopLegend(measures);
    if (layout_.columns == 0)
        return;

    const TRect box = Inflated(layout_.rect, measures.framePenWidth, measures.framePenWidth);
    if (shadow > 0)
        canvas.FillRect(
            {box.left + shadow, box.top + shadow, box.right + shadow, box.bottom + shadow},
            ChartColorToRGB(shadowColor_));
    frame_.Apply(canvas, scale, clBlack);
    canvas.SetBrush(ChartColorToRGB(color_, clWhite), ChartBrushStyle::Solid);
    canvas.Rectangle(box);

    const int shown = std::min(layout_.ShownItems(), int(items_.size()));
    for (int k = 0; k < shown; ++k) {
        canvas.SetFont(font_.Described(scale));
        canvas.SetBrush(clWhite, ChartBrushStyle::Clear);
        TPoint text = layout_.TextOrigin(k);
        canvas.TextAt(text.x, text.y, ItemText(*items_[size_t(k)], k));
        items_[size_t(k)]->DrawLegendShape(canvas, layout_.ColorBox(k));
    }

    const int plotHeight = plot.Height();
    if (resizeChart_)
        plot.top = layout_.rect.bottom + shadow;
    plot.top += vertMargin_ != 0 ? scale(vertMargin_) : MulDivRound(4, plotHeight, 100);
}
