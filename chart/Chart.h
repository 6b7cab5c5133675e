#pragma once

#include "CustomChart.h"
#include "GdiBackBuffer.h"
#include "GdiChartCanvas.h"

#include <memory>

// The chart control. It paints into its own back buffer and copies that to
// the window; the buffer also holds the picture the zoom rectangle is drawn
// over between paints.
class TChart : public TCustomChart {
public:
    explicit TChart(TComponent* owner = nullptr);
    ~TChart() override;

    // Paints the whole chart into the back buffer at the client size.
    void PaintBuffer();
    const GdiBackBuffer& BackBuffer() const { return buffer_; }

protected:
    bool PaintsItself() const override { return true; }
    void Paint(HDC dc, const TRect& dirty) override;
    void Resized() override { Invalidate(); }
    void CanvasDrawn() override;

private:
    GdiBackBuffer buffer_;
    std::unique_ptr<GdiChartCanvas> bufferCanvas_;
};
