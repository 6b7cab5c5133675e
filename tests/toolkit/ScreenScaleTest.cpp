#include "toolkit/ScreenScale.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ScaleLength, RoundsToTheNearestPixelHalvesAwayFromZero) {
    struct Case {
        int value, to, from, expected;
    };
    const Case cases[] = {
        {740, 96, 96, 740},  {740, 144, 96, 1110}, {740, 120, 96, 925}, {740, 192, 96, 1480},
        {3, 144, 96, 5},     {1, 144, 96, 2},      {1, 120, 96, 1},     {19, 144, 96, 29},
        {-11, 144, 96, -17}, {-11, 120, 96, -14},  {-11, 96, 96, -11},  {0, 192, 96, 0},
        {225, 96, 144, 150}, {5, 96, 144, 3},      {-8, 72, 96, -6},    {7, 100, 0, 7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleLength(c.value, c.to, c.from), c.expected)
            << c.value << " " << c.from << " -> " << c.to;
}

TEST(ScaleBounds, ScalesPositionAndSizeSoEqualControlsStayEqual) {
    // Three buttons 23 wide side by side: at 125 % each is 29 wide.
    EXPECT_EQ(ScaleBounds(TRect::FromBounds(487, 4, 23, 22), 120, 96),
              TRect::FromBounds(609, 5, 29, 28));
    EXPECT_EQ(ScaleBounds(TRect::FromBounds(510, 4, 23, 22), 120, 96),
              TRect::FromBounds(638, 5, 29, 28));
    EXPECT_EQ(ScaleBounds(TRect::FromBounds(244, 110, 740, 360), 96, 96),
              TRect::FromBounds(244, 110, 740, 360));
}

TEST(ScaledLength, EveryScaleComesFromTheValueAsGivenSoNothingDrifts) {
    // One pixel at 96 is 1.5 at 144 and 1.25 at 120: scaling results again
    // would walk away from it.
    const std::vector<int> path = {144, 120, 144, 96, 192, 120, 96};
    for (int designed : {1, 3, 19, 150, 281, -11}) {
        ScaledLength length;
        int value = designed, ppi = 96;
        for (int to : path) {
            value = length.Rescale(value, ppi, to);
            ppi = to;
            EXPECT_EQ(value, ScaleLength(designed, to, 96)) << designed << " at " << to;
        }
    }
}

TEST(ScaledLength, AValueChangedAtOneScaleIsTheGivenOneFromThen) {
    ScaledLength width;
    EXPECT_EQ(width.Rescale(150, 96, 144), 225);
    // The user drags it to 301 at 144; at 96 that is 201, and back at 144
    // it is 301 again, not 302.
    EXPECT_EQ(width.Rescale(301, 144, 96), 201);
    EXPECT_EQ(width.Rescale(201, 96, 144), 301);
    EXPECT_EQ(width.Rescale(301, 144, 120), 251);
    EXPECT_EQ(width.Rescale(251, 120, 144), 301);
}

TEST(ScaledLength, WhereTheLayoutPutTheResultStillScalesFromTheGivenValue) {
    // A button kept at its parent's right edge, one pixel off its scaled
    // place, goes back to where it was designed.
    ScaledLength left;
    EXPECT_EQ(left.Rescale(414, 96, 144), 621);
    left.Settle(620);
    EXPECT_EQ(left.Rescale(620, 144, 96), 414);
    // Settling before any scaling gives nothing to scale from.
    ScaledLength fresh;
    fresh.Settle(5);
    EXPECT_EQ(fresh.Rescale(7, 96, 192), 14);
}

TEST(ScaledBounds, AHeightTheLayoutChangedLeavesTheWidthAlone) {
    ScaledBounds bounds;
    TRect r = bounds.Rescale(TRect::FromBounds(0, 0, 150, 326), 96, 120);
    EXPECT_EQ(r, TRect::FromBounds(0, 0, 188, 408));
    r.bottom = 400; // the parent aligns it to its height
    r = bounds.Rescale(r, 120, 144);
    EXPECT_EQ(r, TRect::FromBounds(0, 0, 225, 480));
    r = bounds.Rescale(r, 144, 96);
    EXPECT_EQ(r.Width(), 150);
}

TEST(ShippedPicture, DrawsTheLargestPictureThatFitsWithoutBlurringIt) {
    struct Case {
        int size;
        PictureFit fit;
    };
    const Case cases[] = {
        {16, {16, 1}}, {20, {20, 1}},
        {24, {24, 1}}, {32, {32, 1}}, // 100, 125, 150, 200 %
        {28, {24, 1}},                // 175 %: 2 pixels around
        {36, {32, 1}}, {40, {20, 2}}, // 250 %: doubled
        {48, {24, 2}}, {64, {32, 2}},
        {96, {32, 3}}, {12, {16, 1}}, // below the designed size: the designed picture
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShippedPicture(c.size), c.fit) << c.size;
}
