#include "TreeView.h"

#include "Exception.h"
#include "Text.h"

#include <cstring>

TTreeNode::TTreeNode(TTreeView& tree, TTreeNode* parent, HTREEITEM item, std::string text)
    : tree_(tree), parent_(parent), item_(item), text_(std::move(text)) {}

void TTreeNode::UpdateItem(UINT mask) {
    TVITEMW item{};
    item.mask = mask;
    item.hItem = item_;
    wideText_ = Widen(text_);
    item.pszText = wideText_.data();
    item.iImage = imageIndex_;
    item.iSelectedImage = selectedIndex_;
    tree_.TreeMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(std::string text) {
    text_ = std::move(text);
    UpdateItem(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int index) {
    imageIndex_ = index;
    UpdateItem(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int index) {
    selectedIndex_ = index;
    UpdateItem(TVIF_SELECTEDIMAGE);
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_)
        ++level;
    return level;
}

void TTreeNode::Expand(bool recurse) {
    tree_.TreeMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
    if (recurse)
        for (TTreeNode* child : children_)
            child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    // A node without children has nothing to collapse, and each message to
    // the platform control costs a layout pass: a history of years has
    // thousands of day nodes.
    if (children_.empty())
        return;
    tree_.TreeMessage(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
    if (recurse)
        for (TTreeNode* child : children_)
            child->Collapse(true);
}

bool TTreeNode::Expanded() const {
    return tree_.TreeMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED) &
           TVIS_EXPANDED;
}

TRect TTreeNode::DisplayRect() const {
    // The message takes the item in the rectangle it fills.
    RECT r{};
    static_assert(sizeof(HTREEITEM) <= sizeof(RECT));
    std::memcpy(&r, &item_, sizeof item_);
    if (!tree_.TreeMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)))
        return {};
    return {r.left, r.top, r.right, r.bottom};
}

TTreeView::TTreeView(TComponent* owner) : TControl(owner) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    SetColor(clWindow);
}

TTreeView::~TTreeView() {
    // The nodes go before the window does: no notification may find them.
    clearing_ = true;
    DestroyHandle();
}

void TTreeView::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.className = WC_TREEVIEWW;
    // The control's own item tooltips would fight the hint of the whole tree.
    params.style |= WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_NOTOOLTIPS;
    if (!readOnly_)
        params.style |= TVS_EDITLABELS;
    if (!hideSelection_)
        params.style |= TVS_SHOWSELALWAYS;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::HandleCreated() {
    if (images_)
        TreeMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_->Handle()));
    TreeMessage(TVM_SETINDENT, WPARAM(indent_), 0);
}

HWND TTreeView::TreeHandle() const {
    HWND hwnd = const_cast<TTreeView*>(this)->Handle();
    if (!hwnd)
        throw Exception("Tree view " + Name() + " has no parent window");
    return hwnd;
}

LRESULT TTreeView::TreeMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    TreeHandle();
    return const_cast<TTreeView*>(this)->CallNative(msg, wParam, lParam);
}

TTreeNode& TTreeView::Insert(TTreeNode* parent, const std::string& text, int imageIndex,
                             int selectedIndex) {
    auto node = std::make_unique<TTreeNode>(*this, parent, nullptr, text);
    node->wideText_ = Widen(text);
    node->imageIndex_ = imageIndex;
    node->selectedIndex_ = selectedIndex;
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent->item_ : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = node->wideText_.data();
    insert.item.lParam = reinterpret_cast<LPARAM>(node.get());
    insert.item.iImage = node->imageIndex_;
    insert.item.iSelectedImage = node->selectedIndex_;
    node->item_ = reinterpret_cast<HTREEITEM>(
        TreeMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!node->item_)
        throw Exception("Cannot add a node to " + Name());
    TTreeNode& made = *node;
    (parent ? parent->children_ : roots_).push_back(&made);
    nodes_.push_back(std::move(node));
    return made;
}

TTreeNode& TTreeView::AddRoot(const std::string& text, int imageIndex, int selectedIndex) {
    return Insert(nullptr, text, imageIndex, selectedIndex);
}

TTreeNode& TTreeView::AddChild(TTreeNode& parent, const std::string& text, int imageIndex,
                               int selectedIndex) {
    return Insert(&parent, text, imageIndex, selectedIndex);
}

void TTreeView::Clear() {
    if (HandleAllocated()) {
        clearing_ = true;
        TreeMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        clearing_ = false;
    }
    roots_.clear();
    nodes_.clear();
}

std::vector<TTreeNode*> TTreeView::Nodes() const {
    std::vector<TTreeNode*> all;
    auto visit = [&all](auto& self, const std::vector<TTreeNode*>& level) -> void {
        for (TTreeNode* node : level) {
            all.push_back(node);
            self(self, node->children_);
        }
    };
    visit(visit, roots_);
    return all;
}

TTreeNode* TTreeView::NodeOf(HTREEITEM item) const {
    if (!item)
        return nullptr;
    TVITEMW info{};
    info.mask = TVIF_PARAM;
    info.hItem = item;
    if (!TreeMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info)))
        return nullptr;
    return reinterpret_cast<TTreeNode*>(info.lParam);
}

TTreeNode* TTreeView::Selected() const {
    if (!HandleAllocated())
        return nullptr;
    auto item = reinterpret_cast<HTREEITEM>(TreeMessage(TVM_GETNEXTITEM, TVGN_CARET, 0));
    return NodeOf(item);
}

void TTreeView::SetSelected(TTreeNode* node) {
    TreeMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
}

TTreeNode* TTreeView::NodeAt(int x, int y) const {
    TVHITTESTINFO hit{};
    hit.pt = {x, y};
    auto item =
        reinterpret_cast<HTREEITEM>(TreeMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (!(hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT)))
        return nullptr;
    return NodeOf(item);
}

void TTreeView::FullCollapse() {
    for (TTreeNode* root : roots_)
        root->Collapse(true);
}

void TTreeView::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    SetWindowStyle(TVS_EDITLABELS, !readOnly);
}

void TTreeView::SetHideSelection(bool hide) {
    hideSelection_ = hide;
    SetWindowStyle(TVS_SHOWSELALWAYS, !hide);
}

void TTreeView::SetIndent(int indent) {
    indent_ = indent;
    if (HandleAllocated())
        TreeMessage(TVM_SETINDENT, WPARAM(indent), 0);
}

void TTreeView::SetImages(TImageList* images) {
    images_ = images;
    if (HandleAllocated())
        TreeMessage(TVM_SETIMAGELIST, TVSIL_NORMAL,
                    reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void TTreeView::ChangeScale(int toPpi, int fromPpi) {
    TControl::ChangeScale(toPpi, fromPpi);
    // The list has its new size already (its form scales it first); the
    // platform measures the rows when it is given a list, and makes the
    // indent at least an image wide, so the indent comes after.
    SetImages(images_);
    SetIndent(indentScale_.Rescale(indent_, fromPpi, toPpi));
}

void TTreeView::Removing(TComponent* component) {
    if (component == images_)
        SetImages(nullptr);
}

bool TTreeView::Notify(NMHDR& header, LRESULT& result) {
    if (header.code == TVN_SELCHANGEDW) {
        if (!clearing_ && onChange_) {
            auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
            onChange_(*this, reinterpret_cast<TTreeNode*>(change.itemNew.lParam));
        }
        result = 0;
        return true;
    }
    if (header.code == TVN_BEGINLABELEDITW) {
        result = readOnly_; // TRUE refuses the edit
        return true;
    }
    return false;
}

void TTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    // The platform control does not move the selection on a right click.
    if (button == mbRight && rightClickSelect_)
        if (TTreeNode* node = NodeAt(x, y))
            SetSelected(node);
    TControl::MouseDown(button, shift, x, y);
}
