#pragma once

#include "toolkit/TreeView.h"

#include <string>

// The hint of the history tree: the totals of keys and pointer travel of the
// day or the whole month under the pointer, read from the day files when
// the pointer arrives on a node other than the last one. Moving within a
// node, or into empty space and back, reads nothing.
class TreeHint {
public:
    TreeHint(TTreeView& tree, std::string historyDir);

    // A pointer move over the tree, in its client pixels. A file that cannot
    // be read or a line that does not parse raises its error once: the node
    // still becomes the last one (a modal box must not come back with every
    // move of the pointer), and the hint stays as it was.
    void MouseMove(int x, int y);

    const TTreeNode* LastHintNode() const { return lastHintNode_; }

private:
    TTreeView& tree_;
    std::string historyDir_;
    const TTreeNode* lastHintNode_ = nullptr;
};
