#include "HistoryWindowFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::StartsWith;

class TreeHintTest : public HistoryWindowTest {
protected:
    TreeHintTest() {
        // 1234 keys and 12345 decimetres on the 1st, a quiet 2nd.
        WriteFile(history + "26-12-01.dat", DayText({{600, "1000:12000:0"}, {601, "234:345:7"}}));
        WriteFile(history + "26-12-02.dat", DayText({}));
        WriteFile(history + "26-11-30.dat", DayText({{5, "1:1:0"}}));
        Start();
        Node("2026.November").Expand(false);
        Node("2026.December").Expand(false);
    }

    void MoveTo(const std::string& label) {
        const TPoint p = PointOn(label);
        SendMessageW(tree.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    }
    void MoveToEmptySpace() { SendMessageW(tree.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(75, 340)); }
};

TEST_F(TreeHintTest, ADayShowsItsTotals) {
    EXPECT_EQ(tree.Hint(), "");
    MoveTo("2026-12-01");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 1 234; Total mouse: 1234.50 m");
    EXPECT_EQ(views.Hint().LastHintNode(), &Node("2026-12-01"));
    MoveTo("2026-12-02");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 0; Total mouse: 0.00 m");
    EXPECT_TRUE(messages.messages.empty());
}

// The month's totals cover every day file of that month, and only day files:
// the day log's temporary and broken copies beside them never count.
TEST_F(TreeHintTest, AMonthShowsTheTotalsOfItsDayFiles) {
    WriteFile(history + "26-12-08.dat", DayText({{700, "6:5:0"}}));
    WriteFile(history + "26-12-01.dat.tmp", DayText({{1, "1000:1000:0"}}));
    WriteFile(history + "26-12-01.dat.broken", "garbage");
    WriteFile(history + "26-12-02.data", "garbage");
    CreateDirectoryW(Widen(history + "26-12-03.dat").c_str(), nullptr);
    MoveTo("2026.December");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 1 240; Total mouse: 1235.00 m");
    MoveTo("2026.November");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 1; Total mouse: 0.10 m");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TreeHintTest, ADayWhoseFileWasRemovedShowsZero) {
    DeleteFileW(Widen(history + "26-12-01.dat").c_str());
    MoveTo("2026-12-01");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 0; Total mouse: 0.00 m");
}

// Totals are read when the pointer arrives on another node: moving within
// the node, or into empty space and back, reads nothing.
TEST_F(TreeHintTest, NothingIsReadAgainUntilTheLastNodeChanges) {
    MoveTo("2026-12-01");
    WriteFile(history + "26-12-01.dat", DayText({{1, "5:5:0"}}));
    const TPoint p = PointOn("2026-12-01");
    SendMessageW(tree.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x + 3, p.y + 1));
    MoveToEmptySpace();
    ASSERT_EQ(tree.NodeAt(75, 340), nullptr);
    MoveTo("2026-12-01");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 1 234; Total mouse: 1234.50 m");
    MoveTo("2026-12-02");
    MoveTo("2026-12-01");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 5; Total mouse: 0.50 m");
}

// A file that cannot be read gives its error box once, when the pointer
// arrives; the node becomes the last one and the hint stays as it was, so no
// box follows the pointer. After another node it is read again.
TEST_F(TreeHintTest, AnUnreadableFileIsReportedOnceOnArrival) {
    MoveTo("2026-12-02");
    WriteFile(history + "26-12-01.dat", DayText({{9, "1:x:0"}}));
    for (int i = 0; i < 5; ++i) {
        const TPoint p = PointOn("2026-12-01");
        SendMessageW(tree.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x + i, p.y));
    }
    ASSERT_THAT(Messages(), ElementsAre("'x' is not a valid integer value"));
    EXPECT_EQ(messages.messages[0].caption, "Ostrelle");
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 0; Total mouse: 0.00 m");
    EXPECT_EQ(views.Hint().LastHintNode(), &Node("2026-12-01"));

    FileHandle held = Hold(history + "26-11-30.dat");
    MoveTo("2026.November");
    MoveTo("2026.November");
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_THAT(messages.messages[1].text,
                StartsWith("Cannot open file \"" + history + "26-11-30.dat\". "));

    MoveTo("2026-12-01"); // arriving again: read again, reported again
    EXPECT_EQ(messages.messages.size(), 3u);
    EXPECT_EQ(tree.Hint(), "Total keys pressed: 0; Total mouse: 0.00 m");
}

TEST_F(TreeHintTest, TheHintStaysUpForTenSeconds) {
    EXPECT_EQ(SendMessageW(Application().HintWindow(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 10000);
}
