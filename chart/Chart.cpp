#include "Chart.h"

TChart::TChart(TComponent* owner) : TCustomChart(owner) {}

TChart::~TChart() {
    if (Canvas() == bufferCanvas_.get())
        SetCanvas(nullptr);
}

void TChart::PaintBuffer() {
    buffer_.Resize(ClientWidth(), ClientHeight());
    if (!bufferCanvas_) {
        bufferCanvas_ = std::make_unique<GdiChartCanvas>(buffer_.Dc());
        if (!Canvas())
            SetCanvas(bufferCanvas_.get());
    }
    Draw(*bufferCanvas_);
}

void TChart::Paint(HDC dc, const TRect&) {
    PaintBuffer();
    buffer_.Present(dc);
}

void TChart::CanvasDrawn() {
    // The zoom rectangle went onto the back buffer; show it without a paint.
    if (!HandleAllocated() || Canvas() != bufferCanvas_.get())
        return;
    HWND window = Handle();
    if (HDC dc = GetDC(window)) {
        buffer_.Present(dc);
        ReleaseDC(window, dc);
    }
}
