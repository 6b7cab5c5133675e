#pragma once

#include "toolkit/Clock.h"

#include <functional>
#include <string>
#include <vector>

// The history tree as plain data: month nodes in the order their first file
// is listed, day nodes in listing order under their month.
struct DayNode {
    std::string label;
    int imageIndex = 1; // 2 marks the day of the build
};

struct MonthNode {
    std::string label;
    std::vector<DayNode> days;
};

struct HistoryTreeModel {
    std::vector<MonthNode> months;
    // One message for each listed name that is not a date; those entries
    // are left out and the rest of the folder is still listed.
    std::vector<std::string> errors;
};

// Builds the tree from the names a listing of "*.dat" gave. `parseDate`
// reads a name without its extension as a date or raises the date error.
HistoryTreeModel BuildHistoryTreeModel(const std::vector<std::string>& names,
                                       const std::function<Date(const std::string&)>& parseDate,
                                       const Date& today);
