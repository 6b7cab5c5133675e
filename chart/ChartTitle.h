#pragma once

#include "ChartPen.h"

#include <string>

#include "toolkit/Alignment.h"

// The title and foot text blocks. The program hides both; they are kept so
// that designs load, and take no space and draw nothing while hidden.
class TChartTitle : public TChartPersistent {
public:
    explicit TChartTitle(bool visible = true) : visible_(visible) {}

    const std::string& Text() const { return text_; }
    void SetText(std::string text) { Store(text_, std::move(text)); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Store(visible_, visible); }
    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool adjust) { Store(adjustFrame_, adjust); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { Store(alignment_, alignment); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Store(color_, color); }
    TChartFont& Font() { return font_; }
    TChartBrush& Brush() { return brush_; }
    TChartPen& Frame() { return frame_; }

    // The font, brush and frame report their changes to the same place.
    void Link(const std::function<void()>& onChange) {
        SetOnChange(onChange);
        font_.SetOnChange(onChange);
        brush_.SetOnChange(onChange);
        frame_.SetOnChange(onChange);
    }

private:
    std::string text_;
    bool visible_;
    bool adjustFrame_ = true;
    TAlignment alignment_ = taCenter;
    TColor color_ = clTeeColor;
    TChartFont font_;
    TChartBrush brush_{clTeeColor, ChartBrushStyle::Clear};
    TChartPen frame_{clBlack, 1, ChartPenStyle::Solid, false};
};
