#include "Chart.h"

TChart::TChart(TComponent* owner) : TCustomChart(owner) {}

TChart::~TChart() {
    SetCanvas(nullptr);
}

void TChart::PaintBuffer() {
    buffer_.Resize(Width(), Height());
    if (!bufferCanvas_) {
        bufferCanvas_ = std::make_unique<GdiChartCanvas>(buffer_.Dc());
        SetCanvas(bufferCanvas_.get());
    }
    Paint(*bufferCanvas_);
}
