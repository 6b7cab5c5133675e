#include "toolkit/AlignLayout.h"

#include <gtest/gtest.h>

namespace {
TRect B(int l, int t, int w, int h) {
    return TRect::FromBounds(l, t, w, h);
}
} // namespace

TEST(AlignLayout, PlacesEachAlignmentInTurnAroundWhatIsLeft) {
    struct Case {
        const char* name;
        std::vector<AlignItem> items;
        std::vector<TRect> expected;
    } cases[] = {
        {"tree, splitter, chart as in the main window",
         {{alLeft, B(0, 0, 150, 10)}, {alLeft, B(150, 0, 3, 10)}, {alClient, B(0, 0, 1, 1)}},
         {B(0, 0, 150, 300), B(150, 0, 3, 300), B(153, 0, 247, 300)}},
        {"top and bottom first, then left and right in the rest",
         {{alLeft, B(0, 0, 20, 1)},
          {alTop, B(0, 0, 1, 30)},
          {alRight, B(0, 0, 40, 1)},
          {alBottom, B(0, 0, 1, 50)},
          {alClient, B(0, 0, 1, 1)},
          {alNone, B(5, 6, 7, 8)}},
         {B(0, 30, 20, 220), B(0, 0, 400, 30), B(360, 30, 40, 220), B(0, 250, 400, 50),
          B(20, 30, 340, 220), B(5, 6, 7, 8)}},
        {"same alignment goes by position, not list order",
         {{alLeft, B(150, 0, 3, 1)}, {alLeft, B(0, 0, 150, 1)}},
         {B(150, 0, 3, 300), B(0, 0, 150, 300)}},
        {"ties keep list order",
         {{alTop, B(0, 0, 1, 10)}, {alTop, B(0, 0, 1, 20)}},
         {B(0, 0, 400, 10), B(0, 10, 400, 20)}},
        {"right-aligned: rightmost first",
         {{alRight, B(300, 0, 10, 1)}, {alRight, B(390, 0, 10, 1)}},
         {B(380, 0, 10, 300), B(390, 0, 10, 300)}},
        {"an over-full parent gives empty controls, never negative ones",
         {{alLeft, B(0, 0, 300, 1)}, {alLeft, B(300, 0, 300, 1)}, {alClient, B(0, 0, 1, 1)}},
         {B(0, 0, 300, 300), B(300, 0, 100, 300), B(400, 0, 0, 300)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutAligned({0, 0, 400, 300}, c.items), c.expected) << c.name;
}

TEST(AlignLayout, AnEmptyOrNegativeClientAreaGivesEmptyStrips) {
    auto placed =
        LayoutAligned({10, 10, 5, 5}, {{alTop, B(0, 0, 1, 20)}, {alClient, B(0, 0, 1, 1)}});
    EXPECT_EQ(placed[0], (TRect{10, 10, 10, 10}));
    EXPECT_EQ(placed[1], (TRect{10, 10, 10, 10}));
}
