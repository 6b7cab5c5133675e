#include "chart/GradientRings.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr TColor kStart = 16053486; // R 238, G 244, B 244
constexpr TColor kEnd = 15195349;   // R 213, G 220, B 231

// Paints the strips into a colour map, later strips over earlier ones.
std::map<std::pair<int, int>, TColor> Paint(const TRect& bounds) {
    std::map<std::pair<int, int>, TColor> pixels;
    ForEachGradientStrip(bounds, kStart, kEnd, [&](const TRect& r, TColor colour) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels[{x, y}] = colour;
    });
    return pixels;
}

} // namespace

TEST(GradientRings, RingColourMovesFromStartToEnd) {
    EXPECT_EQ(GradientRingColor(kStart, kEnd, 0, 100), kStart);
    EXPECT_EQ(GradientRingColor(kStart, kEnd, 100, 100), kEnd);
    // Per channel, start + MulDiv(end - start, 1, 2), halves away from zero:
    // R 238 - 13 = 225, G 244 - 12 = 232, B 244 - 7 = 237.
    EXPECT_EQ(GradientRingColor(kStart, kEnd, 1, 2), TColor(225 | 232 << 8 | 237 << 16));
    EXPECT_EQ(GradientRingColor(kStart, kEnd, 5, 0), kStart);
}

TEST(GradientRings, OutermostRingIsExactlyTheStartColour) {
    auto pixels = Paint({0, 0, 40, 20});
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ((pixels[{x, 0}]), kStart);
        EXPECT_EQ((pixels[{x, 19}]), kStart);
    }
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ((pixels[{0, y}]), kStart);
        EXPECT_EQ((pixels[{39, y}]), kStart);
    }
    EXPECT_EQ(pixels.size(), 800u); // every pixel painted
}

TEST(GradientRings, WideChartsEndInAHorizontalBand) {
    // 40 × 10: the vertical inset stops at 5 while the horizontal one goes
    // on, so the middle rows carry the colours of rings 5 to 19.
    auto pixels = Paint({0, 0, 40, 10});
    EXPECT_EQ((pixels[{20, 5}]), GradientRingColor(kStart, kEnd, 5 + 19, 25));
    EXPECT_EQ((pixels[{10, 5}]), GradientRingColor(kStart, kEnd, 5 + 10, 25));
    EXPECT_EQ((pixels[{3, 3}]), GradientRingColor(kStart, kEnd, 3 + 3, 25));
}
