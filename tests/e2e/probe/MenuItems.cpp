#include "MenuItems.h"

#include "toolkit/Text.h"

#include <string>

void DescribeMenuItems(HMENU menu, HWND menuWindow, Json& out) {
    const int count = GetMenuItemCount(menu);
    const UINT defaultItem = GetMenuDefaultItem(menu, TRUE, 0);
    out.BeginArray();
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID;
        info.dwTypeData = text;
        info.cch = 511;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        RECT rect{};
        GetMenuItemRect(menuWindow, menu, UINT(i), &rect);
        out.BeginObject()
            .Field("index", i)
            .Field("text", Narrow(text))
            .Field("id", static_cast<long long>(info.wID))
            .Field("separator", (info.fType & MFT_SEPARATOR) != 0)
            .Field("checked", (info.fState & MFS_CHECKED) != 0)
            .Field("disabled", (info.fState & MFS_DISABLED) != 0)
            .Field("default", (info.fState & MFS_DEFAULT) != 0 || defaultItem == UINT(i))
            .Field("highlighted", (info.fState & MFS_HILITE) != 0)
            .Field("rect", rect)
            .EndObject();
    }
    out.EndArray();
}

std::wstring MenuReaderBlockName(DWORD pid) {
    return L"Local\\TallyvaneProbeMenuReader." + std::to_wstring(pid);
}
