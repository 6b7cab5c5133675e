#include "RecordingChartCanvas.h"

#include <cstdlib>

void RecordingChartCanvas::SetPen(TColor color, int width, ChartPenStyle style) {
    penColor_ = color;
    penWidth_ = width;
    penStyle_ = style;
}

void RecordingChartCanvas::SetBrush(TColor color, ChartBrushStyle style) {
    brushColor_ = color;
    brushStyle_ = style;
}

ChartSize RecordingChartCanvas::TextExtent(std::string_view text) {
    return {int(text.size()) * charWidth_, std::abs(font_.height)};
}

void RecordingChartCanvas::TextAt(int x, int y, std::string_view text) {
    ChartSize size = TextExtent(text);
    Record(Kind::Text, {x, y, x + size.cx, y + size.cy}).text = text;
}

void RecordingChartCanvas::Polygon(const TPoint* points, int count) {
    Record(Kind::Polygon, {}).points.assign(points, points + count);
}

void RecordingChartCanvas::FillRect(const TRect& rect, TColor color) {
    Record(Kind::Fill, rect).brushColor = color;
}

RecordingChartCanvas::Op& RecordingChartCanvas::Record(Kind kind, const TRect& rect) {
    ops.push_back(Op{kind,
                     rect,
                     {},
                     {},
                     penColor_,
                     penWidth_,
                     penStyle_,
                     penMode_,
                     brushColor_,
                     brushStyle_,
                     font_});
    return ops.back();
}

std::vector<const RecordingChartCanvas::Op*> RecordingChartCanvas::OfKind(Kind kind) const {
    std::vector<const Op*> found;
    for (const Op& op : ops)
        if (op.kind == kind)
            found.push_back(&op);
    return found;
}

std::vector<std::string> RecordingChartCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const Op& op : ops)
        if (op.kind == Kind::Text)
            texts.push_back(op.text);
    return texts;
}
