#include "SeriesPointer.h"

void TSeriesPointer::Draw(ChartCanvas& canvas, ChartScale scale, int x, int y,
                          TColor pointColor) const {
    pen_.Apply(canvas, scale, pointColor);
    brush_.Apply(canvas, pointColor);
    const int horizSize = scale(horizSize_), vertSize = scale(vertSize_);
    const TRect box{x - horizSize, y - vertSize, x + horizSize, y + vertSize};
    switch (style_) {
    case psCircle:
        canvas.Ellipse(box);
        break;
    case psTriangle: {
        const TPoint corners[3] = {{box.left, box.bottom}, {x, box.top}, {box.right, box.bottom}};
        canvas.Polygon(corners, 3);
        break;
    }
    case psDownTriangle: {
        const TPoint corners[3] = {{box.left, box.top}, {x, box.bottom}, {box.right, box.top}};
        canvas.Polygon(corners, 3);
        break;
    }
    case psDiamond: {
        const TPoint corners[4] = {{x, box.top}, {box.right, y}, {x, box.bottom}, {box.left, y}};
        canvas.Polygon(corners, 4);
        break;
    }
    case psCross:
        canvas.Line(box.left, y, box.right + 1, y);
        canvas.Line(x, box.top, x, box.bottom + 1);
        break;
    case psDiagCross:
    case psStar:
        canvas.Line(box.left, box.top, box.right + 1, box.bottom + 1);
        canvas.Line(box.left, box.bottom, box.right + 1, box.top - 1);
        if (style_ == psStar) {
            canvas.Line(box.left, y, box.right + 1, y);
            canvas.Line(x, box.top, x, box.bottom + 1);
        }
        break;
    case psSmallDot:
        canvas.FillRect({x, y, x + 1, y + 1}, ChartColorToRGB(pointColor));
        break;
    case psRectangle:
        canvas.Rectangle({box.left, box.top, box.right + 1, box.bottom + 1});
        break;
    }
}
