// Popup menus on the screen (the system's menu windows, class #32768) and
// their items. Menus belong to the window manager, so their items are read
// directly by handle.
#include "Commands.h"
#include "WindowText.h"

#include "toolkit/Text.h"

#include <vector>

namespace {
constexpr UINT kGetMenuHandle = 0x01E1; // MN_GETHMENU

struct Search {
    long long pid; // 0: any process
    std::vector<HWND> menus;
};

BOOL CALLBACK CollectMenu(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (WindowClass(window) == "#32768" && IsWindowVisible(window) &&
        (search->pid == 0 || WindowProcess(window) == DWORD(search->pid)))
        search->menus.push_back(window);
    return TRUE;
}

void DescribeItem(HWND menuWindow, HMENU menu, UINT index, UINT defaultItem, Json& out) {
    wchar_t text[512] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 511;
    const bool read = GetMenuItemInfoW(menu, index, TRUE, &info) != FALSE;
    RECT rect{};
    GetMenuItemRect(menuWindow, menu, index, &rect);
    out.BeginObject()
        .Field("index", static_cast<long long>(index))
        .Field("read", read)
        .Field("text", Narrow(text))
        .Field("id", static_cast<long long>(info.wID))
        .Field("separator", (info.fType & MFT_SEPARATOR) != 0)
        .Field("checked", (info.fState & MFS_CHECKED) != 0)
        .Field("disabled", (info.fState & MFS_DISABLED) != 0)
        .Field("default", (info.fState & MFS_DEFAULT) != 0)
        .Field("defaultByIndex", defaultItem == index)
        .Field("highlighted", (info.fState & MFS_HILITE) != 0)
        .Field("rect", rect)
        .EndObject();
}
} // namespace

void ListPopupMenus(const Args& args, Json& out) {
    Search search{args.empty() ? 0 : NumberArg(args, 0), {}};
    EnumWindows(CollectMenu, reinterpret_cast<LPARAM>(&search));
    out.BeginArray();
    for (HWND window : search.menus) {
        auto menu = reinterpret_cast<HMENU>(SendMessageW(window, kGetMenuHandle, 0, 0));
        RECT rect{};
        GetWindowRect(window, &rect);
        const int count = menu ? GetMenuItemCount(menu) : -1;
        const UINT defaultItem = menu ? GetMenuDefaultItem(menu, TRUE, 0) : UINT(-1);
        out.BeginObject()
            .Field("hwnd", HandleNumber(window))
            .Field("pid", static_cast<long long>(WindowProcess(window)))
            .Field("menu", reinterpret_cast<long long>(menu))
            .Field("rect", rect)
            .Field("count", count)
            .Key("items")
            .BeginArray();
        for (int i = 0; i < count; ++i)
            DescribeItem(window, menu, UINT(i), defaultItem, out);
        out.EndArray().EndObject();
    }
    out.EndArray();
}
