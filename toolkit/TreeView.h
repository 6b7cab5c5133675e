#pragma once

// TTreeView: the platform tree-view control, with nodes as objects.
//
//   TTreeNode& AddRoot(text)                after the last root node
//   TTreeNode& AddChild(parent, text)       after the parent's last child
//                                           (both take the image indices too)
//   Clear()                                 removes every node (no OnChange)
//   RootCount(), Root(i), Nodes()           Nodes(): every node in the tree's
//                                           overall order, parent before children
//   Selected() / SetSelected(node)          nullptr when nothing is selected
//   NodeAt(x, y)                            the node under a client point
//   FullCollapse()
//   OnChange (Sender, Node): every change of the selected node, whether by
//   click, right click (RightClickSelect), keyboard or SetSelected.
//   ReadOnly (no label editing), HideSelection, RightClickSelect, Indent
//   (pixels, scaled with the tree), Images (a TImageList; dropped when the
//   list is destroyed; given again when the tree is scaled, so the rows fit
//   the list's new size).
//   Node: Text/SetText, ImageIndex/SelectedIndex (+ setters), Parent(),
//   Level() (0 for roots), Count()/Item(i), Expand(recurse), Collapse(recurse),
//   Expanded(), Handle() (HTREEITEM), DisplayRect() (the label's rectangle in
//   the tree's client pixels; empty while the node is not shown).
// Nodes need the control's window: the tree must have a parent with one.
#include "Control.h"
#include "ImageList.h"

#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>

class TTreeView;

class TTreeNode {
public:
    TTreeNode(TTreeView& tree, TTreeNode* parent, HTREEITEM item, std::string text);
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    TTreeNode* Parent() const { return parent_; }
    int Level() const;
    int Count() const { return int(children_.size()); }
    TTreeNode& Item(int index) const { return *children_.at(size_t(index)); }
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Expanded() const;
    HTREEITEM Handle() const { return item_; }
    TRect DisplayRect() const;

private:
    friend class TTreeView;
    void UpdateItem(UINT mask);

    TTreeView& tree_;
    TTreeNode* parent_;
    HTREEITEM item_;
    std::string text_;
    std::wstring wideText_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    std::vector<TTreeNode*> children_;
};

using TTVChangedEvent = std::function<void(TComponent& Sender, TTreeNode* Node)>;

class TTreeView : public TControl {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    TTreeNode& AddRoot(const std::string& text, int imageIndex = -1, int selectedIndex = -1);
    TTreeNode& AddChild(TTreeNode& parent, const std::string& text, int imageIndex = -1,
                        int selectedIndex = -1);
    void Clear();
    int RootCount() const { return int(roots_.size()); }
    TTreeNode& Root(int index) const { return *roots_.at(size_t(index)); }
    std::vector<TTreeNode*> Nodes() const;
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    TTreeNode* NodeAt(int x, int y) const;
    void FullCollapse();

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);
    bool RightClickSelect() const { return rightClickSelect_; }
    void SetRightClickSelect(bool select) { rightClickSelect_ = select; }
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    void SetOnChange(TTVChangedEvent handler) { onChange_ = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    bool Notify(NMHDR& header, LRESULT& result) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Removing(TComponent* component) override;
    void ChangeScale(int toPpi, int fromPpi) override;

private:
    friend class TTreeNode;
    HWND TreeHandle() const;
    // Every message of the tree's item interface goes this way.
    LRESULT TreeMessage(UINT msg, WPARAM wParam, LPARAM lParam) const;
    TTreeNode& Insert(TTreeNode* parent, const std::string& text, int imageIndex,
                      int selectedIndex);
    TTreeNode* NodeOf(HTREEITEM item) const;

    std::vector<std::unique_ptr<TTreeNode>> nodes_;
    std::vector<TTreeNode*> roots_;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool rightClickSelect_ = false;
    int indent_ = 19;
    ScaledLength indentScale_;
    TImageList* images_ = nullptr;
    bool clearing_ = false;
    TTVChangedEvent onChange_;
};
