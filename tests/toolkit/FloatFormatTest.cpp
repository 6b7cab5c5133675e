#include "toolkit/FloatFormat.h"

#include "toolkit/LocaleInfo.h"

#include <gtest/gtest.h>

TEST(FormatFloat, TheDistancePatternWritesTwoDecimalsAndEndsInM) {
    struct Case {
        double value;
        const char* separator;
        const char* text;
    } cases[] = {
        {1234.5, ".", "1234.50 m"},
        {1234.5, ",", "1234,50 m"}, // the user's separator, whatever it is
        {0, ".", "0.00 m"},
        {0.1, ".", "0.10 m"},
        {1234567.8, ".", "1234567.80 m"}, // no digit groups
        {-0.5, ".", "-0.50 m"},
        {-0.001, ".", "0.00 m"}, // rounds to zero: no sign
        {214748364.7, ".", "214748364.70 m"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat("0.00 m.", c.value, c.separator), c.text) << c.value;
}

TEST(FormatFloat, PlaceholdersAndLiterals) {
    EXPECT_EQ(FormatFloat("#0", 5.6, "."), "6");
    EXPECT_EQ(FormatFloat("0.0", 2.26, "."), "2.3");
    EXPECT_EQ(FormatFloat("000", 7, "."), "007");
    EXPECT_EQ(FormatFloat("#.00", 0.5, "."), ".50");
    EXPECT_EQ(FormatFloat("[0]", 3, "."), "[3]");
    EXPECT_EQ(FormatFloat("none", 3, "."), "none");
}

TEST(FormatFloat, TheUsersSeparatorComesFromTheLocale) {
    // The test prefix runs in an English locale.
    EXPECT_EQ(DecimalSeparator(), ".");
    EXPECT_EQ(FormatFloat("0.00 m.", 12.5), "12.50 m");
}
