#include "toolkit/Conversions.h"

#include "toolkit/Exception.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsSignedDecimalWithinThirtyTwoBits) {
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {{"0", 0},
                 {"57", 57},
                 {"+12", 12},
                 {"-5", -5},
                 {"007", 7},
                 {"65536", 65536},
                 {"2147483647", 2147483647},
                 {"-2147483648", INT32_MIN}};
    for (const Case& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsEverythingElseWithTheRuntimeText) {
    using namespace std::string_view_literals;
    // The text is named whole, past a NUL byte too.
    std::string_view bad[] = {"",    " 5",         "5 ",          "1 2",
                              "+",   "-",          "12a",         "0x10",
                              "$10", "2147483648", "-2147483649", "99999999999999999999",
                              "1.5", "\t3",        "4\0005"sv};
    for (std::string_view text : bad) {
        try {
            (void)StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}
