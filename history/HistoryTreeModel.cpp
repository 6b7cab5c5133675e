#include "HistoryTreeModel.h"

#include "TreeLabels.h"
#include "toolkit/Exception.h"

HistoryTreeModel BuildHistoryTreeModel(const std::vector<std::string>& names,
                                       const std::function<Date(const std::string&)>& parseDate,
                                       const Date& today) {
    HistoryTreeModel tree;
    for (const std::string& name : names) {
        const std::string stem = name.size() >= 4 ? name.substr(0, name.size() - 4) : name;
        Date date;
        try {
            date = parseDate(stem);
        } catch (const Exception& error) {
            tree.errors.push_back(error.Message());
            continue;
        }
        const std::string monthLabel = MonthLabel(date);
        MonthNode* month = nullptr;
        for (MonthNode& m : tree.months)
            if (m.label == monthLabel) {
                month = &m;
                break;
            }
        if (!month) {
            tree.months.push_back({monthLabel, {}});
            month = &tree.months.back();
        }
        month->days.push_back({DayLabel(date), date == today ? 2 : 1});
    }
    return tree;
}
