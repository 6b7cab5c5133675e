// The tooltip windows of a process and the texts of their tools, read with
// the tooltip messages; the tool structure and the text buffer live in the
// tooltip's process.
#include "Commands.h"
#include "RemoteMemory.h"
#include "WindowText.h"

#include "toolkit/Text.h"

#include <commctrl.h>

#include <vector>

namespace {
constexpr int kTextChars = 1024;
constexpr std::size_t kTextOffset = sizeof(TTTOOLINFOW);

struct Search {
    DWORD pid;
    std::vector<HWND> tooltips;
};

BOOL CALLBACK CollectTooltip(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (WindowProcess(window) == search->pid && WindowClass(window) == "tooltips_class32")
        search->tooltips.push_back(window);
    return TRUE;
}

class ToolReader {
public:
    explicit ToolReader(HWND tooltip)
        : tooltip_(tooltip), remote_(tooltip, kTextOffset + kTextChars * sizeof(wchar_t)) {}

    // The tool the tooltip shows now, if any.
    bool Current(TTTOOLINFOW& tool) {
        Clear();
        if (!SendMessageW(tooltip_, TTM_GETCURRENTTOOLW, 0, remote_.Param()))
            return false;
        tool = remote_.Get<TTTOOLINFOW>(0);
        return true;
    }

    bool Enumerate(UINT index, TTTOOLINFOW& tool) {
        Clear();
        if (!SendMessageW(tooltip_, TTM_ENUMTOOLSW, index, remote_.Param()))
            return false;
        tool = remote_.Get<TTTOOLINFOW>(0);
        return true;
    }

    std::string Text(const TTTOOLINFOW& tool) {
        TTTOOLINFOW query = Blank();
        query.hwnd = tool.hwnd;
        query.uId = tool.uId;
        remote_.Put(0, query);
        SendMessageW(tooltip_, TTM_GETTEXTW, kTextChars, remote_.Param());
        wchar_t text[kTextChars] = {};
        remote_.Read(kTextOffset, text, sizeof text);
        text[kTextChars - 1] = L'\0';
        return Narrow(text);
    }

private:
    TTTOOLINFOW Blank() {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = static_cast<wchar_t*>(remote_.At(kTextOffset));
        return tool;
    }

    void Clear() {
        remote_.Put(0, Blank());
        remote_.Put(kTextOffset, L'\0');
    }

    HWND tooltip_;
    RemoteMemory remote_;
};

void Describe(HWND tooltip, Json& out) {
    ToolReader reader(tooltip);
    TTTOOLINFOW current{};
    const bool hasCurrent = reader.Current(current);
    RECT rect{};
    GetWindowRect(tooltip, &rect);
    out.BeginObject()
        .Field("hwnd", HandleNumber(tooltip))
        .Field("owner", HandleNumber(GetWindow(tooltip, GW_OWNER)))
        .Field("visible", IsWindowVisible(tooltip) != FALSE)
        .Field("rect", rect)
        .Field("text", WindowText(tooltip))
        .Field("current", hasCurrent ? reader.Text(current) : std::string())
        .Key("tools")
        .BeginArray();
    const auto count = static_cast<UINT>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (UINT i = 0; i < count; ++i) {
        TTTOOLINFOW tool{};
        if (!reader.Enumerate(i, tool))
            continue;
        const HWND window =
            (tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.uId) : tool.hwnd;
        out.BeginObject()
            .Field("window", HandleNumber(window))
            .Field("id", static_cast<long long>(tool.uId))
            .Field("text", reader.Text(tool))
            .Field("current", hasCurrent && tool.hwnd == current.hwnd && tool.uId == current.uId)
            .EndObject();
    }
    out.EndArray().EndObject();
}
} // namespace

void ListTooltips(const Args& args, Json& out) {
    Search search{static_cast<DWORD>(NumberArg(args, 0)), {}};
    EnumWindows(CollectTooltip, reinterpret_cast<LPARAM>(&search));
    out.BeginArray();
    for (HWND tooltip : search.tooltips)
        Describe(tooltip, out);
    out.EndArray();
}
