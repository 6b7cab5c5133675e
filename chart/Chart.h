#pragma once

#include "CustomChart.h"
#include "GdiBackBuffer.h"
#include "GdiChartCanvas.h"

#include <memory>

// The chart control. It paints into its own back buffer, which also holds
// the picture the zoom rectangle is drawn over between paints.
class TChart : public TCustomChart {
public:
    explicit TChart(TComponent* owner = nullptr);
    ~TChart() override;

    // Paints the whole chart into the back buffer at the client size.
    void PaintBuffer();
    const GdiBackBuffer& BackBuffer() const { return buffer_; }

private:
    GdiBackBuffer buffer_;
    std::unique_ptr<GdiChartCanvas> bufferCanvas_;
};
