#include "chart/GradientRings.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

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

namespace {
// The picture of a gradient painter on a plain pixel array, later fills over
// earlier ones; pixels left unpainted stay 0xFF000000.
template <typename Painter>
std::vector<TColor> Picture(int w, int h, TColor start, TColor end, Painter paint) {
    std::vector<TColor> pixels(size_t(w) * size_t(h), 0xFF000000);
    paint(TRect{0, 0, w, h}, start, end, [&](const TRect& r, TColor colour) {
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x)
                pixels[size_t(y) * size_t(w) + size_t(x)] = colour;
    });
    return pixels;
}
} // namespace

// The bands are only a faster way to paint the rings: every size, odd and
// even, wide and tall, with colours that change every ring or rarely.
TEST(GradientRings, BandsPaintExactlyWhatTheRingsPaint) {
    const std::pair<TColor, TColor> colours[] = {
        {kStart, kEnd}, {0x000000, 0xFFFFFF}, {0x102030, 0x112131}};
    auto rings = [](const TRect& b, TColor s, TColor e, auto&& f) {
        ForEachGradientStrip(b, s, e, f);
    };
    auto bands = [](const TRect& b, TColor s, TColor e, auto&& f) {
        ForEachGradientBand(b, s, e, f);
    };
    std::vector<std::pair<int, int>> sizes;
    for (int w = 0; w <= 24; ++w)
        for (int h = 0; h <= 24; ++h)
            sizes.push_back({w, h});
    sizes.insert(sizes.end(), {{740, 360}, {361, 740}, {1920, 1080}, {301, 1}});
    for (auto [start, end] : colours)
        for (auto [w, h] : sizes)
            ASSERT_EQ(Picture(w, h, start, end, bands), Picture(w, h, start, end, rings))
                << w << " x " << h << ", from " << start << " to " << end;
}

TEST(GradientRings, BandsOfTheDesignedColoursAreFew) {
    int fills = 0;
    ForEachGradientBand(TRect{0, 0, 1920, 1080}, kStart, kEnd,
                        [&](const TRect& r, TColor) { fills += r.Width() > 0 && r.Height() > 0; });
    EXPECT_LT(fills, 400); // the rings are 3840 strips
}
