#pragma once

// The arithmetic of screen scales. Form descriptions and the chart's designs
// give their sizes at 96 pixels per inch (100 %); a screen at 144 (150 %)
// shows the same window with one and a half times as many pixels.
//
//   ScaleLength(value, to, from)   value x to / from, to the nearest pixel
//   ScaleBounds(rect, to, from)    left, top, width and height each scaled
//   ScaledLength                   a length that is scaled from the value it
//                                  was given at, never from an earlier result
//   ShippedPicture(size)           which shipped picture draws a square of
//                                  that size, and how many times enlarged
#include "Geometry.h"

constexpr int kDesignedPixelsPerInch = 96;

// value x toPpi / fromPpi rounded to the nearest, halves away from zero (as
// the platform's MulDiv): a scale to itself changes nothing, and a negative
// value (a font's character height) scales as its magnitude does.
int ScaleLength(int value, int toPpi, int fromPpi);

// Sizes scale as lengths, so that controls of one designed size (a row of
// buttons) keep one size; a position scales as the distance from the origin.
TRect ScaleBounds(const TRect& bounds, int toPpi, int fromPpi);

// A length the user or a description gave at one scale and the program shows
// at others. Each new scale is computed from the value as given: taken to
// 120, 144 and back to 96 it is the designed value again, however the
// roundings fell. A value changed since the last scaling (the user dragged
// the splitter) is what is given from then on.
class ScaledLength {
public:
    // The length at `toPpi`, for one that is `current` at `fromPpi` now.
    int Rescale(int current, int fromPpi, int toPpi);
    // The last result as the layout that goes with the scaling placed it (an
    // anchor kept it at its edge): still scaled from the value as given.
    void Settle(int placed);

private:
    bool scaled_ = false;
    int given_ = 0;
    int givenPpi_ = kDesignedPixelsPerInch;
    int shown_ = 0;
    int shownPpi_ = kDesignedPixelsPerInch;
};

// The four lengths of a control's bounds, each tracked on its own, so that a
// height the layout changes does not make the width drift.
class ScaledBounds {
public:
    TRect Rescale(const TRect& current, int fromPpi, int toPpi);
    void Settle(const TRect& placed);

private:
    ScaledLength left_, top_, width_, height_;
};

// The small pictures (tree images, button glyphs) are shipped square at the
// sizes the common scales need; kShippedPictureSizes[0] is the designed one.
constexpr int kShippedPictureSizes[] = {16, 20, 24, 32};

// How a square of `size` pixels is filled from the shipped pictures without
// blurring them: the picture of `shipped` pixels drawn `factor` times as
// large (each pixel a factor x factor block), as large as fits, centred in
// the square. A shipped size is drawn as it is.
struct PictureFit {
    int shipped = 16;
    int factor = 1;
    int Drawn() const { return shipped * factor; }
    bool operator==(const PictureFit&) const = default;
};
PictureFit ShippedPicture(int size);
