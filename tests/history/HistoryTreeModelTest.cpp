#include "history/HistoryTreeModel.h"

#include "toolkit/Exception.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
// Reads "yy-mm-dd" as the program's file names are written; anything else
// raises the date error. Enough to drive the model on its own.
Date ParseName(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3 || m < 1 || m > 12 ||
        d < 1 || d > 31)
        throw Exception("'" + text + "' is not a valid date");
    return {y < 100 ? 2000 + y : y, m, d};
}

std::vector<std::string> Labels(const HistoryTreeModel& tree) {
    std::vector<std::string> out;
    for (const MonthNode& m : tree.months) {
        out.push_back(m.label);
        for (const DayNode& d : m.days)
            out.push_back("  " + d.label + " " + std::to_string(d.imageIndex));
    }
    return out;
}
} // namespace

TEST(BuildHistoryTreeModel, MonthsInListingOrderAndTodayMarked) {
    HistoryTreeModel tree = BuildHistoryTreeModel({"26-11-30.dat", "26-12-01.dat", "26-12-08.dat"},
                                                  ParseName, {2026, 12, 8});
    EXPECT_EQ(Labels(tree),
              (std::vector<std::string>{"2026.November", "  2026-11-30 1", "2026.December",
                                        "  2026-12-01 1", "  2026-12-08 2"}));
    EXPECT_TRUE(tree.errors.empty());
}

TEST(BuildHistoryTreeModel, TheListingOrderDecidesAndSameDatesRepeat) {
    HistoryTreeModel tree = BuildHistoryTreeModel({"26-12-08.dat", "26-11-30.dat", "26-12-8.dat"},
                                                  ParseName, {2026, 12, 8});
    EXPECT_EQ(Labels(tree),
              (std::vector<std::string>{"2026.December", "  2026-12-08 2", "  2026-12-08 2",
                                        "2026.November", "  2026-11-30 1"}));
}

// A stray file is reported and left out; the days listed after it still get
// their nodes, so no day of the history becomes unreachable.
TEST(BuildHistoryTreeModel, AStrayNameIsReportedAndSkipped) {
    HistoryTreeModel tree = BuildHistoryTreeModel({"26-11-30.dat", "notes.dat", "26-12-01.dat"},
                                                  ParseName, {2026, 12, 9});
    EXPECT_EQ(tree.errors, (std::vector<std::string>{"'notes' is not a valid date"}));
    EXPECT_EQ(Labels(tree), (std::vector<std::string>{"2026.November", "  2026-11-30 1",
                                                      "2026.December", "  2026-12-01 1"}));
}
