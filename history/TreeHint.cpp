#include "TreeHint.h"

#include "DayTotals.h"
#include "ReadoutTexts.h"
#include "TreeLabels.h"
#include "toolkit/Application.h"
#include "toolkit/LocaleInfo.h"

TreeHint::TreeHint(TTreeView& tree, std::string historyDir)
    : tree_(tree), historyDir_(std::move(historyDir)) {}

void TreeHint::MouseMove(int x, int y) {
    const TTreeNode* node = tree_.NodeAt(x, y);
    if (!node || node == lastHintNode_)
        return;
    lastHintNode_ = node;
    const std::string pattern = node->Level() == 0 ? MonthFilePattern(node->Text())
                                                   : DayFileOfLabel(std::string(), node->Text());
    const DayTotals totals = ReadTotalsOfFiles(historyDir_, pattern);
    Application().CancelHint();
    tree_.SetHint(TreeHintText(totals, DecimalSeparator()));
}
