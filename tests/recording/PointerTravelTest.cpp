#include "recording/PointerTravel.h"

#include <gtest/gtest.h>

TEST(PointerStep, RoundsEachStepHalfToEven) {
    struct Case {
        ScreenPoint from, to;
        uint32_t pixels;
    } cases[] = {
        {{100, 100}, {103, 104}, 5},
        {{0, 0}, {1, 1}, 1}, // sqrt 2
        {{0, 0}, {2, 2}, 3}, // sqrt 8 = 2.83
        {{5, 5}, {5, 5}, 0},
        {{10, 0}, {0, 0}, 10}, // direction does not matter
        {{0, 0}, {-3, -4}, 5},
        // Far apart: each axis is taken as a 16-bit distance, and the sum of
        // squares must not wrap into a negative number.
        {{0, 0}, {65535, 65535}, 92680},
        {{-40000, 0}, {40000, 0}, 14464}, // 80000 as 16 bits
        {{INT32_MIN, 0}, {INT32_MAX, 0}, 65535},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointerStep(c.from, c.to), c.pixels)
            << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
}

TEST(PixelsToDecimetres, NearestWholeDecimetreAtTheScreensResolution) {
    struct Case {
        uint32_t pixels;
        int ppi;
        uint32_t dm;
    } cases[] = {
        {3780, 96, 10},
        {1000, 96, 3},
        {188, 96, 0},
        {189, 96, 1},
        {0, 96, 0},
        {3780, 192, 5},
        {4294967295u, 96, 11363768},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelsToDecimetres(c.pixels, c.ppi), c.dm) << c.pixels << " @ " << c.ppi;
}

TEST(AlignedMinuteInterval, FallsOnTheNextMinute) {
    EXPECT_EQ(AlignedMinuteInterval(30), 30000u);
    EXPECT_EQ(AlignedMinuteInterval(0), 60000u);
    EXPECT_EQ(AlignedMinuteInterval(59), 1000u);
}
