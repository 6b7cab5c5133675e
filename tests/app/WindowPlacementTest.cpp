#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(KeepOnScreen, AReachableWindowKeepsItsPlaceAndALostOneComesHome) {
    const std::vector<TRect> screens = {{0, 0, 1280, 994}, {1280, 0, 2560, 1024}};
    struct Case {
        const char* what;
        TRect stored, placed;
    } cases[] = {
        {"on the first screen", TRect::FromBounds(244, 110, 740, 360),
         TRect::FromBounds(244, 110, 740, 360)},
        {"on the second screen", TRect::FromBounds(1500, 200, 740, 360),
         TRect::FromBounds(1500, 200, 740, 360)},
        {"partly off, title bar reachable", TRect::FromBounds(1200, 900, 740, 360),
         TRect::FromBounds(1200, 900, 740, 360)},
        {"where a third screen used to be", TRect::FromBounds(2700, 100, 740, 360),
         TRect::FromBounds(270, 317, 740, 360)},
        {"above every screen", TRect::FromBounds(100, -500, 740, 360),
         TRect::FromBounds(270, 317, 740, 360)},
        {"larger than the screen and lost", TRect::FromBounds(-5000, 0, 3000, 2000),
         TRect::FromBounds(0, 0, 1280, 994)},
        {"only a sliver of the title bar shows", TRect::FromBounds(-730, 100, 740, 360),
         TRect::FromBounds(270, 317, 740, 360)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeepOnScreen(c.stored, screens), c.placed) << c.what;
    EXPECT_EQ(KeepOnScreen(TRect::FromBounds(9, 9, 9, 9), {}), TRect::FromBounds(9, 9, 9, 9));
}
