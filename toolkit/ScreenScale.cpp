#include "ScreenScale.h"

#include <cstdint>
#include <cstdlib>

int ScaleLength(int value, int toPpi, int fromPpi) {
    if (toPpi == fromPpi || fromPpi <= 0)
        return value;
    const int64_t product = int64_t(value) * toPpi;
    const int64_t magnitude = (std::llabs(product) * 2 + fromPpi) / (int64_t(fromPpi) * 2);
    return int(product < 0 ? -magnitude : magnitude);
}

TRect ScaleBounds(const TRect& bounds, int toPpi, int fromPpi) {
    return TRect::FromBounds(
        ScaleLength(bounds.left, toPpi, fromPpi), ScaleLength(bounds.top, toPpi, fromPpi),
        ScaleLength(bounds.Width(), toPpi, fromPpi), ScaleLength(bounds.Height(), toPpi, fromPpi));
}

int ScaledLength::Rescale(int current, int fromPpi, int toPpi) {
    if (!scaled_ || current != shown_ || fromPpi != shownPpi_) {
        given_ = current;
        givenPpi_ = fromPpi;
    }
    scaled_ = true;
    shown_ = ScaleLength(given_, toPpi, givenPpi_);
    shownPpi_ = toPpi;
    return shown_;
}

void ScaledLength::Settle(int placed) {
    if (scaled_)
        shown_ = placed;
}

void ScaledBounds::Settle(const TRect& placed) {
    left_.Settle(placed.left);
    top_.Settle(placed.top);
    width_.Settle(placed.Width());
    height_.Settle(placed.Height());
}

TRect ScaledBounds::Rescale(const TRect& current, int fromPpi, int toPpi) {
    return TRect::FromBounds(left_.Rescale(current.left, fromPpi, toPpi),
                             top_.Rescale(current.top, fromPpi, toPpi),
                             width_.Rescale(current.Width(), fromPpi, toPpi),
                             height_.Rescale(current.Height(), fromPpi, toPpi));
}

PictureFit ShippedPicture(int size) {
    PictureFit best{kShippedPictureSizes[0], 1};
    int bestDrawn = 0;
    for (int shipped : kShippedPictureSizes) {
        const int factor = size / shipped;
        // Larger is better; at a tie the larger shipped picture has the finer
        // detail.
        if (factor >= 1 && shipped * factor >= bestDrawn) {
            best = {shipped, factor};
            bestDrawn = shipped * factor;
        }
    }
    return best;
}
