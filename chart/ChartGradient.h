#pragma once

#include "ChartCanvas.h"
#include "ChartPersistent.h"

enum TGradientDirection {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft
};

// The chart's background gradient. Only the centre direction is drawn; the
// others are kept as set and fall back to it.
class TChartGradient : public TChartPersistent {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Store(visible_, visible); }
    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection direction) { Store(direction_, direction); }
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor color) { Store(startColor_, color); }
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor color) { Store(endColor_, color); }

    void Draw(ChartCanvas& canvas, const TRect& bounds) const;

private:
    bool visible_ = false;
    TGradientDirection direction_ = gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
};
