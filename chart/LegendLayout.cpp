#include "LegendLayout.h"

#include "ChartMath.h"

#include <algorithm>

LegendLayout LayoutTopLegend(const LegendMeasures& m) {
    const ChartScale& px = m.scale;
    LegendLayout layout;
    layout.scale = m.scale;
    layout.textWidth = m.textWidth;
    layout.itemHeight = m.itemHeight;
    layout.colorWidth = RoundHalfEven((m.textWidth + px(4)) * m.colorWidthPercent / 100.0);
    const int itemWidth = m.textWidth + layout.colorWidth + px(12);
    if (m.itemCount <= 0 || m.plot.right <= px(8) || itemWidth <= 0)
        return layout;
    const int fit = (m.plot.Width() - 2 * m.framePenWidth - px(8)) / itemWidth;
    layout.columns = std::max(0, std::min(m.itemCount, fit));
    if (layout.columns == 0)
        return layout;
    layout.rows = std::min((m.itemCount + layout.columns - 1) / layout.columns, m.maxNumRows);
    if (layout.rows <= 0) {
        layout.columns = 0;
        layout.rows = 0;
        return layout;
    }

    int top = m.plot.top + (m.framePenWidth > 0 ? m.framePenWidth + px(1) : 0);
    int width = std::min(m.plot.Width(),
                         2 * m.shadowSize +
                             (layout.colorWidth + m.textWidth + px(8)) * layout.columns + px(8));
    int offset = RoundHalfEven(m.topPos * double(m.boundsWidth - width) / 100.0);
    int centre = CentreX(m.plot);
    layout.rect = {offset + centre - width / 2, top, offset + centre + width / 2,
                   top + layout.rows * m.itemHeight + px(2)};
    return layout;
}

TPoint LegendLayout::TextOrigin(int k) const {
    const ChartScale& px = scale;
    int row = k / columns;
    int column = k % columns;
    return {rect.left + colorWidth + px(8) + column * (textWidth + colorWidth + px(8)),
            rect.top + px(1) + row * itemHeight};
}

TRect LegendLayout::ColorBox(int k) const {
    const ChartScale& px = scale;
    TPoint text = TextOrigin(k);
    return {text.x - px(4) - colorWidth, text.y + px(2), text.x - px(4),
            text.y + itemHeight - px(2)};
}
