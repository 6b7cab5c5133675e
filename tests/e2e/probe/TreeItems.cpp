// The items of a tree-view control in another process, in the tree's overall
// order (a parent before its children). The item structure and its text
// buffer live in the control's process, where the control fills them.
#include "Commands.h"
#include "RemoteMemory.h"

#include "toolkit/Text.h"

#include <commctrl.h>

namespace {
constexpr int kTextChars = 512;
constexpr std::size_t kTextOffset = sizeof(TVITEMW);

class TreeReader {
public:
    explicit TreeReader(HWND tree)
        : tree_(tree), remote_(tree, kTextOffset + kTextChars * sizeof(wchar_t)) {
        selected_ = Next(TVGN_CARET, nullptr);
    }

    void Walk(HTREEITEM item, int level, Json& out) {
        for (; item; item = Next(TVGN_NEXT, item)) {
            Describe(item, level, out);
            Walk(Next(TVGN_CHILD, item), level + 1, out);
        }
    }

    HTREEITEM Next(UINT relation, HTREEITEM item) {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }

private:
    void Describe(HTREEITEM item, int level, Json& out) {
        TVITEMW query{};
        query.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        query.hItem = item;
        query.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
        query.pszText = static_cast<wchar_t*>(remote_.At(kTextOffset));
        query.cchTextMax = kTextChars;
        remote_.Put(0, query);
        SendMessageW(tree_, TVM_GETITEMW, 0, remote_.Param());
        const auto answer = remote_.Get<TVITEMW>(0);
        wchar_t text[kTextChars] = {};
        remote_.Read(kTextOffset, text, sizeof text);
        text[kTextChars - 1] = L'\0';

        // The item's text rectangle, on the screen, where a click selects it.
        // The message takes the item in the rectangle's first bytes.
        remote_.Put(0, RECT{});
        remote_.Put(0, item);
        bool shown = SendMessageW(tree_, TVM_GETITEMRECT, TRUE, remote_.Param()) != 0;
        RECT rect = shown ? remote_.Get<RECT>(0) : RECT{};
        if (shown)
            MapWindowPoints(tree_, nullptr, reinterpret_cast<POINT*>(&rect), 2);

        out.BeginObject()
            .Field("item", reinterpret_cast<long long>(item))
            .Field("text", Narrow(text))
            .Field("level", level)
            .Field("image", answer.iImage)
            .Field("selectedImage", answer.iSelectedImage)
            .Field("expanded", (answer.state & TVIS_EXPANDED) != 0)
            .Field("selected", item == selected_)
            .Field("shown", shown)
            .Field("rect", rect)
            .EndObject();
    }

    HWND tree_;
    RemoteMemory remote_;
    HTREEITEM selected_ = nullptr;
};
} // namespace

void ListTreeItems(const Args& args, Json& out) {
    TreeReader reader(WindowArg(args, 0));
    out.BeginArray();
    reader.Walk(reader.Next(TVGN_ROOT, nullptr), 0, out);
    out.EndArray();
}
