#pragma once

#include "toolkit/Clock.h"
#include "toolkit/TreeView.h"

#include <string>

// Fills the tree with a month node per month and a day node per day file of
// the history folder, collapses it, and expands and selects the current
// month (which raises the tree's OnChange). Names that are not dates are
// reported together in one error box and left out; the rest of the folder
// is still listed.
void BuildHistoryTree(TTreeView& tree, const std::string& historyDir, const Clock& clock);
