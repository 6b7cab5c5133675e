#include "recording/ActiveSpan.h"

#include <gtest/gtest.h>

TEST(ActiveSpan, FirstIsSetOnceAndLastOnlyGrows) {
    ActiveSpan span;
    span.Update(100, 0); // a zero value changes nothing
    EXPECT_EQ(span, (ActiveSpan{0, 0}));
    span.Update(480, 5);
    EXPECT_EQ(span, (ActiveSpan{480, 0})); // the first activity does not touch the last minute
    span.Update(1020, 3);
    span.Update(600, 1); // earlier than last: ignored
    EXPECT_EQ(span, (ActiveSpan{480, 1020}));
}

TEST(ActiveSpan, ActivityAtMidnightCannotBeTheFirstMinute) {
    ActiveSpan span;
    span.Update(0, 9);
    EXPECT_EQ(span.first, 0);
    span.Update(7, 1);
    EXPECT_EQ(span.first, 7);
}

TEST(ActiveSpan, ClosingSetsOnlyTheEndsNotSetYet) {
    struct Case {
        ActiveSpan span;
        uint16_t at;
        ActiveSpan closed;
    } cases[] = {
        {{0, 0}, 601, {601, 601}},     // a tick with no activity before it
        {{480, 0}, 601, {480, 601}},   // one active minute, then the tick
        {{480, 900}, 601, {480, 900}}, // both set: nothing moves
        {{480, 0}, 480, {480, 480}},   // a day read whole, closed at its first minute
        {{0, 0}, 0, {0, 0}},           // ... and one without activity keeps none
    };
    for (Case c : cases) {
        c.span.CloseAt(c.at);
        EXPECT_EQ(c.span, c.closed) << c.at;
    }
}

TEST(ActiveSpan, CaptionIsTheHintAndTheSpanOrTheHintAlone) {
    EXPECT_EQ((ActiveSpan{480, 1020}).Caption("Hours"), "Hours [from 08:00 to 17:00]");
    EXPECT_EQ((ActiveSpan{61, 1439}).Caption("Hours"), "Hours [from 01:01 to 23:59]");
    EXPECT_EQ((ActiveSpan{}).Caption("Hours"), "Hours");
    EXPECT_EQ((ActiveSpan{0, 600}).Caption(""), "");
}

TEST(FormatMinuteOfDay, TwoDigitHoursAndMinutes) {
    EXPECT_EQ(FormatMinuteOfDay(0), "00:00");
    EXPECT_EQ(FormatMinuteOfDay(61), "01:01");
    EXPECT_EQ(FormatMinuteOfDay(1439), "23:59");
}
