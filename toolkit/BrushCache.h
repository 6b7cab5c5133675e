#pragma once

#include "Handle.h"

#include <cstdint>

// A brush made once and kept while what it paints stays the same, so a
// control answers every WM_CTLCOLOR* message without making a brush per paint.
class BrushCache {
public:
    HBRUSH Solid(COLORREF color) { return Get(Key{color, nullptr}); }
    HBRUSH Pattern(HBITMAP bitmap) { return Get(Key{0, bitmap}); }

private:
    struct Key {
        COLORREF color;
        HBITMAP bitmap;
        bool operator==(const Key&) const = default;
    };
    HBRUSH Get(Key key) {
        if (!brush_ || !(key == key_)) {
            brush_.Reset(key.bitmap ? CreatePatternBrush(key.bitmap) : CreateSolidBrush(key.color));
            key_ = key;
        }
        return static_cast<HBRUSH>(brush_.Get());
    }

    GdiObject brush_;
    Key key_{0, nullptr};
};
