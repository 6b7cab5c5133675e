#include "CustomChart.h"

std::array<TChartAxis*, 4> TCustomChart::ZoomAxes() {
    std::array<TChartAxis*, 4> axes{};
    size_t n = 0;
    for (TChartAxis* axis : AxisList())
        if (axis != &DepthAxis())
            axes.at(n++) = axis;
    return axes;
}

void TCustomChart::SaveScales() {
    const auto axes = ZoomAxes();
    for (size_t i = 0; i < axes.size(); ++i)
        saved_[i] = {axes[i]->Automatic(), axes[i]->AutomaticMinimum(), axes[i]->AutomaticMaximum(),
                     axes[i]->Minimum(), axes[i]->Maximum()};
}

void TCustomChart::ApplyZoom(const std::array<Targets, 4>& targets) {
    if (scalesRestored_) {
        SaveScales();
        scalesRestored_ = false;
    }
    const auto axes = ZoomAxes();
    if (animatedZoom_) {
        // Each frame covers a third of the remaining way and is shown before
        // the next is computed.
        for (int step = 1; step < animatedZoomSteps_; ++step) {
            for (size_t i = 0; i < 4; ++i) {
                TChartAxis& axis = *axes[i];
                axis.SetRange(axis.Minimum() + (targets[i].minimum - axis.Minimum()) / 3,
                              axis.Maximum() - (axis.Maximum() - targets[i].maximum) / 3);
            }
            Repaint();
        }
    }
    for (size_t i = 0; i < 4; ++i)
        axes[i]->SetRange(targets[i].minimum, targets[i].maximum);
    zoomed_ = true;
    if (onZoom_)
        onZoom_(*this);
}

void TCustomChart::ZoomRect(int left, int top, int right, int bottom) {
    TZoomPanningRecord r{true, left, top, right, bottom};
    r.Normalize();
    std::array<Targets, 4> targets;
    const auto axes = ZoomAxes();
    for (size_t i = 0; i < 4; ++i) {
        const TChartAxis& axis = *axes[i];
        targets[i] = axis.Horizontal() ? Targets{axis.ValueAtPixel(r.x0), axis.ValueAtPixel(r.x1)}
                                       : Targets{axis.ValueAtPixel(r.y1), axis.ValueAtPixel(r.y0)};
    }
    ApplyZoom(targets);
}

void TCustomChart::ZoomByPercent(double percent) {
    std::array<Targets, 4> targets;
    const auto axes = ZoomAxes();
    for (size_t i = 0; i < 4; ++i) {
        const TChartAxis& axis = *axes[i];
        double minimum = axis.Minimum();
        double maximum = axis.Maximum();
        if (axis.Automatic() || axis.AutomaticMinimum())
            minimum = axis.CalcAutomaticMinimum();
        if (axis.Automatic() || axis.AutomaticMaximum())
            maximum = axis.CalcAutomaticMaximum();
        const double delta = (maximum - minimum) * (percent - 100) * 0.01;
        targets[i] = {minimum + delta, maximum - delta};
    }
    ApplyZoom(targets);
    Invalidate();
}

void TCustomChart::ZoomUndo() {
    if (!scalesRestored_) {
        const auto axes = ZoomAxes();
        for (size_t i = 0; i < axes.size(); ++i) {
            TChartAxis& axis = *axes[i];
            const SavedScale& saved = saved_[i];
            // The range goes back before the flags: SetRange turns an axis
            // fully manual, which would lose a restored partial flag.
            if (!saved.automatic)
                axis.SetRange(saved.minimum, saved.maximum);
            axis.SetAutomatic(saved.automatic);
            axis.SetAutomaticMinimum(saved.automaticMinimum);
            axis.SetAutomaticMaximum(saved.automaticMaximum);
        }
    }
    scalesRestored_ = true;
    if (onUndoZoom_)
        onUndoZoom_(*this);
    Invalidate();
    zoomed_ = false;
}
