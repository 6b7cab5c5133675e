#pragma once

// Small geometry values used by the controls instead of four loose integers.
// TRect is half-open: Right and Bottom are one past the last pixel, as RECT.
struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static TRect FromBounds(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(TPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    bool operator==(const TRect&) const = default;
};
