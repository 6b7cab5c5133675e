// Popup menus on the screen (the system's menu windows, class #32768) and
// their items. The menu window gives its menu's handle; the items are read
// here where the system allows it, and inside the owning process otherwise
// (Wine keeps a menu's items with the process that made it).
#include "Commands.h"
#include "MenuItems.h"
#include "RemoteMenuReader.h"
#include "WindowText.h"

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

std::string Items(HWND window, HMENU menu) {
    if (GetMenuItemCount(menu) >= 0) {
        Json items;
        DescribeMenuItems(menu, window, items);
        return items.Text();
    }
    return ReadMenuInProcess(WindowProcess(window), menu, window);
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
        out.BeginObject()
            .Field("hwnd", HandleNumber(window))
            .Field("pid", static_cast<long long>(WindowProcess(window)))
            .Field("menu", reinterpret_cast<long long>(menu))
            .Field("rect", rect)
            .Key("items")
            .Raw(menu ? Items(window, menu) : "[]")
            .EndObject();
    }
    out.EndArray();
}
