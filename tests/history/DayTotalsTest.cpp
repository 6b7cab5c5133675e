#include "history/DayTotals.h"

#include "support/TempFolder.h"
#include "toolkit/Exception.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::StartsWith;

TEST(SumDayLines, SumsKeysAndMouseAndNeverReadsCpu) {
    EXPECT_EQ(SumDayLines("57:12:0\r\n0:0:0\r\n"), (DayTotals{57, 12}));
    EXPECT_EQ(SumDayLines("1:2:x\r\n3:4:\r\n"), (DayTotals{4, 6}));
    EXPECT_EQ(SumDayLines("-5:3:0\n"), (DayTotals{-5, 3}));
    EXPECT_EQ(SumDayLines(""), (DayTotals{}));
}

// The sums are 32-bit and wrap as the stored values do, without undefined
// behaviour on the way.
TEST(SumDayLines, WrapsAtThirtyTwoBits) {
    EXPECT_EQ(SumDayLines("2147483647:2147483647:0\r\n1:2:0\r\n"),
              (DayTotals{INT32_MIN, INT32_MIN + 1}));
    EXPECT_EQ(SumDayLines("-2147483648:0:0\r\n-1:0:0\r\n"), (DayTotals{INT32_MAX, 0}));
    DayTotals sum{INT32_MAX, 0};
    sum += DayTotals{1, -1};
    EXPECT_EQ(sum, (DayTotals{INT32_MIN, -1}));
}

TEST(SumDayLines, ABrokenLineRaisesTheConversionError) {
    for (const char* text : {"1:2:0\r\n12\r\n", "x:1:0\r\n", "1::0\r\n", "\r\n"}) {
        try {
            (void)SumDayLines(text);
            ADD_FAILURE() << "accepted " << text;
        } catch (const Exception& e) {
            EXPECT_THAT(e.Message(), ::testing::EndsWith("' is not a valid integer value"));
        }
    }
}

// The day log keeps its temporary and broken copies beside the day files;
// a name the pattern only matches through its short name, and a folder, are
// no day files either.
TEST(ReadTotalsOfFiles, CountsOnlyTheDayFilesThemselves) {
    TempFolder dir;
    WriteFile(dir / "26-12-01.dat", "1:10:0\r\n");
    WriteFile(dir / "26-12-02.dat", "2:20:0\r\n");
    WriteFile(dir / "26-11-30.dat", "100:100:0\r\n");
    WriteFile(dir / "26-12-02.dat.tmp", "1000:1000:0\r\n");
    WriteFile(dir / "26-12-02.dat.broken", "oops");
    WriteFile(dir / "26-12-02.dat.broken2", "oops");
    WriteFile(dir / "26-12-03.data", "oops");
    CreateDirectoryW(Widen(dir / "26-12-04.dat").c_str(), nullptr);
    EXPECT_EQ(ReadTotalsOfFiles(dir.Path(), "26-12-*.dat"), (DayTotals{3, 30}));
    EXPECT_EQ(ReadTotalsOfFiles(dir.Path(), "26-12-02.dat"), (DayTotals{2, 20}));
    EXPECT_EQ(ReadTotalsOfFiles(dir.Path(), "26-12-09.dat"), (DayTotals{}));
    EXPECT_EQ(ReadTotalsOfFiles(dir / "missing\\", "26-12-*.dat"), (DayTotals{}));
}

TEST(ReadTotalsOfFiles, AFileThatCannotBeOpenedRaisesTheOpenError) {
    TempFolder dir;
    WriteFile(dir / "26-12-01.dat", "1:10:0\r\n");
    FileHandle held = Hold(dir / "26-12-01.dat");
    ASSERT_TRUE(held);
    try {
        (void)ReadTotalsOfFiles(dir.Path(), "26-12-*.dat");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_THAT(e.Message(), StartsWith("Cannot open file \"" + dir / "26-12-01.dat\". "));
    }
}
