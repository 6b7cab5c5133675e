#pragma once

#include "toolkit/Clock.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/TreeView.h"

#include <string>

// Fills the tree with a month node per month and a day node per day file of
// the history folder, collapses it, and expands and selects the current
// month (which raises the tree's OnChange). Names that are not dates are
// left out and reported together, in one report once the tree is whole; the
// rest of the folder is still listed.
void BuildHistoryTree(TTreeView& tree, const std::string& historyDir, const Clock& clock,
                      const ErrorReporter& report);
