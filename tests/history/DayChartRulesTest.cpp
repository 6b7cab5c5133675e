#include "history/DayChartRules.h"

#include <gtest/gtest.h>

TEST(HourLabel, ShowsTheHourAMinuteLiesIn) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"}, {"60", "1"}, {"90", "1"}, {"1340", "22"}, {"1440", "24"}, {"", ""}, {"x", "x"}};
    for (auto [in, out] : cases)
        EXPECT_EQ(HourLabel(in), out) << in;
}

TEST(AllowDayScroll, KeepsTheDayBetweenATenthAndMinute1440) {
    struct Case {
        bool bottom;
        double aMin, aMax;
        bool allowed;
    } cases[] = {
        {true, 0.1, 1000, true},  {true, 0.09, 1000, false}, {false, 0.05, 10, false},
        {true, 10, 1440.4, true}, {true, 10, 1440.6, false}, {false, 10, 5000, true},
        {true, 10, 1440.5, true}, // half to even: 1440
    };
    for (const Case& c : cases)
        EXPECT_EQ(AllowDayScroll(c.bottom, c.aMin, c.aMax), c.allowed)
            << c.bottom << " " << c.aMin << ".." << c.aMax;
}
