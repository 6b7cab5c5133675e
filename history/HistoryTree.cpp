#include "HistoryTree.h"

#include "HistoryTreeModel.h"
#include "TreeLabels.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/StrToDate.h"

void BuildHistoryTree(TTreeView& tree, const std::string& historyDir, const Clock& clock,
                      const ErrorReporter& report) {
    tree.Clear();
    // The user's own date settings never apply to file names.
    const TFormatSettings fileNames{'-', "yy-mm-dd"};
    const Date today = clock.Now().date;
    HistoryTreeModel model = BuildHistoryTreeModel(
        ListFolder(historyDir, "*.dat"),
        [&](const std::string& text) { return StrToDate(text, fileNames, clock); }, today);

    for (const MonthNode& month : model.months) {
        TTreeNode& monthNode = tree.AddRoot(month.label, 0, 0);
        for (const DayNode& day : month.days)
            tree.AddChild(monthNode, day.label, day.imageIndex, day.imageIndex);
    }
    tree.FullCollapse();
    const std::string current = MonthLabel(today);
    for (int i = 0; i < tree.RootCount(); ++i) {
        if (tree.Root(i).Text() == current) {
            tree.Root(i).Expand(false);
            tree.SetSelected(&tree.Root(i));
            break;
        }
    }

    if (!model.errors.empty()) {
        std::string text;
        for (const std::string& error : model.errors)
            text += (text.empty() ? "" : "\n") + error;
        report(Exception(text));
    }
}
