#include "UiTest.h"

#include "toolkit/TreeView.h"

#include <commctrl.h>

namespace {
std::wstring ItemText(HWND tree, HTREEITEM item, int* image = nullptr, int* selected = nullptr) {
    wchar_t text[64] = {};
    TVITEMW info{};
    info.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = 64;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    if (image)
        *image = info.iImage;
    if (selected)
        *selected = info.iSelectedImage;
    return text;
}

HTREEITEM Next(HWND tree, UINT how, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(from)));
}

const char kTreeForm[] = R"(object f: TForm
  ClientWidth = 400
  ClientHeight = 300
  object TreeView: TTreeView
    Width = 150
    Align = alLeft
    Font.Name = 'Tahoma'
    Font.Height = -11
    ReadOnly = True
    HideSelection = False
    RightClickSelect = True
    ShowHint = True
    Indent = 19
    Images = ImageList
    OnChange = TreeViewChange
    OnMouseMove = TreeViewMouseMove
  end
  object ImageList: TImageList
    Bitmaps = ('TESTGLYPH' 'TESTGLYPH' 'TESTGLYPH')
  end
end)";
} // namespace

class TreeViewTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        handlers.Add<void(TComponent&, TTreeNode*)>(
            "TreeViewChange", [this](TComponent&, TTreeNode* node) {
                changes.push_back(node ? node->Text() : "(none)");
            });
        handlers.Add<void(TComponent&, TShiftState, int, int)>(
            "TreeViewMouseMove", [this](TComponent&, TShiftState, int, int) { ++moves; });
        Load(form, kTreeForm);
        tree = &form.Find<TTreeView>("TreeView");
    }

    THostWindow form;
    TTreeView* tree = nullptr;
    std::vector<std::string> changes;
    int moves = 0;
};

TEST_F(TreeViewTest, TheSettingsReachThePlatformControl) {
    HWND hwnd = tree->Handle();
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    EXPECT_STREQ(cls, WC_TREEVIEWW);
    EXPECT_FALSE(Style(hwnd) & TVS_EDITLABELS);
    EXPECT_TRUE(Style(hwnd) & TVS_SHOWSELALWAYS);
    EXPECT_EQ(SendMessageW(hwnd, TVM_GETINDENT, 0, 0), 19);
    auto& images = form.Find<TImageList>("ImageList");
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(SendMessageW(hwnd, TVM_GETIMAGELIST, TVSIL_NORMAL, 0),
              reinterpret_cast<LRESULT>(images.Handle()));
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(tree->Width(), 150);
}

TEST_F(TreeViewTest, NodesAreItemsInTheOrderTheyWereAdded) {
    TTreeNode& december = tree->AddRoot("2026.December");
    december.SetImageIndex(0);
    december.SetSelectedIndex(0);
    TTreeNode& november = tree->AddRoot("2026.November");
    TTreeNode& day = tree->AddChild(december, "2026-12-08");
    day.SetImageIndex(2);
    day.SetSelectedIndex(2);
    tree->AddChild(november, "2026-11-30");
    TTreeNode& first1 = tree->AddChild(december, "2026-12-01", 1, 1);

    HWND hwnd = tree->Handle();
    EXPECT_EQ(SendMessageW(hwnd, TVM_GETCOUNT, 0, 0), 5);
    HTREEITEM first = Next(hwnd, TVGN_ROOT, nullptr);
    EXPECT_EQ(ItemText(hwnd, first), L"2026.December");
    EXPECT_EQ(ItemText(hwnd, Next(hwnd, TVGN_NEXT, first)), L"2026.November");
    HTREEITEM child = Next(hwnd, TVGN_CHILD, first);
    int image = -1, selected = -1;
    EXPECT_EQ(ItemText(hwnd, child, &image, &selected), L"2026-12-08");
    EXPECT_EQ(image, 2);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(ItemText(hwnd, Next(hwnd, TVGN_NEXT, child), &image, &selected), L"2026-12-01");
    EXPECT_EQ(image, 1); // given as it was added
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(first1.ImageIndex(), 1);

    std::vector<std::string> order;
    for (TTreeNode* node : tree->Nodes())
        order.push_back(node->Text() + "@" + std::to_string(node->Level()));
    EXPECT_EQ(order, (std::vector<std::string>{"2026.December@0", "2026-12-08@1", "2026-12-01@1",
                                               "2026.November@0", "2026-11-30@1"}));
    EXPECT_EQ(day.Parent(), &december);
    EXPECT_EQ(december.Count(), 2);
}

TEST_F(TreeViewTest, ExpandingOneLevelAndSelectingRaiseTheChange) {
    TTreeNode& month = tree->AddRoot("2026.December");
    TTreeNode& day = tree->AddChild(month, "2026-12-08");
    tree->AddChild(day, "deeper");
    month.Expand(true);
    ASSERT_TRUE(day.Expanded());
    tree->FullCollapse();
    EXPECT_FALSE(month.Expanded());
    EXPECT_FALSE(day.Expanded());
    month.Expand(false);
    EXPECT_TRUE(month.Expanded());
    EXPECT_FALSE(day.Expanded());
    tree->SetSelected(&month);
    EXPECT_EQ(tree->Selected(), &month);
    EXPECT_EQ(changes, (std::vector<std::string>{"2026.December"}));

    // A right click selects the node under the pointer.
    // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
    RECT r{};
    HTREEITEM item = day.Handle();
    memcpy(&r, &item, sizeof item);
    ASSERT_TRUE(SendMessageW(tree->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
    // The platform control waits for the release in a loop of its own, so
    // the release is queued first.
    LPARAM at = MAKELPARAM(r.left + 2, (r.top + r.bottom) / 2);
    PostMessageW(tree->Handle(), WM_RBUTTONUP, 0, at);
    SendMessageW(tree->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    Application().ProcessMessages();
    EXPECT_EQ(tree->Selected(), &day);
    EXPECT_EQ(tree->NodeAt(r.left + 2, (r.top + r.bottom) / 2), &day);
    EXPECT_EQ(tree->NodeAt(300, 290), nullptr);
    EXPECT_EQ(changes.back(), "2026-12-08");

    SendMessageW(tree->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(moves, 1);
}

TEST_F(TreeViewTest, ClearingRemovesEveryNodeWithoutAChangeEvent) {
    TTreeNode& month = tree->AddRoot("2026.December");
    tree->AddChild(month, "2026-12-08");
    tree->SetSelected(&month);
    changes.clear();
    tree->Clear();
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(tree->RootCount(), 0);
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_TRUE(tree->Nodes().empty());
}

// The platform tree answers the hint window's question about the form of
// its notifications for its parent; the hint text must still arrive.
TEST_F(TreeViewTest, TheHintReachesTheHintWindow) {
    tree->SetHint("Total keys pressed: 1 234; Total mouse: 1234,50 m");
    HWND hwnd = tree->Handle();
    EXPECT_EQ(SendMessageW(hwnd, WM_NOTIFYFORMAT,
                           reinterpret_cast<WPARAM>(Application().HintWindow()), NF_QUERY),
              NFR_UNICODE);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
    wchar_t text[128] = {};
    tool.lpszText = text;
    SendMessageW(Application().HintWindow(), TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Total keys pressed: 1 234; Total mouse: 1234,50 m");
}
