// The main window with its icon in the notification area: the ways to the
// tray and back, the menu on the icon, and what runs while in the tray. The
// tests look at the foreground and open menus, so they hold the desktop.
#include "MainTrayFixture.h"

#include "support/PumpMessages.h"

#include <map>
#include <vector>

namespace {
VOID CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

// The icon resource's own description of its frames, as stored in the program.
struct IconFormat {
    int width = 0, height = 0, colours = 0, bits = 0;
    bool operator==(const IconFormat&) const = default;
};
std::vector<IconFormat> StoredIconFormats(const wchar_t* name) {
    HRSRC found = FindResourceW(nullptr, name, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
    const BYTE* data =
        found ? static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found))) : nullptr;
    if (!data)
        return {};
    // GRPICONDIR: reserved, type, count; then 14-byte entries.
    std::vector<IconFormat> formats;
    const int count = *reinterpret_cast<const WORD*>(data + 4);
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = data + 6 + 14 * i;
        formats.push_back({entry[0], entry[1], entry[2] == 0 ? 256 : entry[2],
                           *reinterpret_cast<const WORD*>(entry + 6)});
    }
    return formats;
}
} // namespace

TEST_F(MainTrayTest, TheWindowCarriesItsIconWithTheMenuFromTheStart) {
    auto form = Start();
    TTrayIcon& icon = form->TrayIcon();
    EXPECT_EQ(icon.Hint(), "User Ostrelle");
    EXPECT_TRUE(icon.IconVisible());
    EXPECT_TRUE(icon.MinimizeToTray());
    EXPECT_EQ(icon.PopupMenu(), &form->PopupMenu());
    EXPECT_TRUE(ShellHas(icon));
    EXPECT_STREQ(icon.IconData().szTip, "User Ostrelle");

    // 256 colours, at the small-icon sizes of 100, 125, 150 and 200 %; the
    // notification area gets the one of the system's scale.
    EXPECT_EQ(StoredIconFormats(L"TRAYICON"),
              (std::vector<IconFormat>{
                  {16, 16, 256, 8}, {20, 20, 256, 8}, {24, 24, 256, 8}, {32, 32, 256, 8}}));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.Icon().Handle(), &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetricsForDpi(SM_CXSMICON, GetDpiForSystem()));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

// Every way to the tray hides the window and its taskbar button and leaves
// the icon; a left press on the icon brings the window back to the front.
TEST_F(MainTrayTest, EveryWayToTheTrayAndTheLeftPressBack) {
    auto form = Start();
    TfrmMain* f = form.get();
    std::map<std::string, std::function<void()>> ways = {
        {"close button", [f] { SendMessageW(f->Handle(), WM_CLOSE, 0, 0); }},
        {"minimise button", [f] { SendMessageW(f->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }},
        {"Esc", [f] { SendMessageW(f->Handle(), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Hide statistic window", [f] { f->MenuItem("pHideStat").Click(); }},
    };
    for (auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        Callback(*form, WM_LBUTTONDOWN);
        Callback(*form, WM_LBUTTONUP);
        ASSERT_TRUE(Shown(*form));
        EXPECT_TRUE(TaskbarButton());
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }));

        way();
        EXPECT_FALSE(Shown(*form));
        EXPECT_FALSE(TaskbarButton());
        EXPECT_TRUE(ShellHas(form->TrayIcon()));
        EXPECT_FALSE(form->MenuItem("pClose").Checked()); // nothing quits
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainTrayTest, ShowStatisticWindowBringsItBackToTheFront) {
    Application().SetShowMainForm(false); // started in the tray
    auto form = Start();
    ASSERT_FALSE(Shown(*form));
    form->MenuItem("pShowStat").Click();
    EXPECT_TRUE(Shown(*form));
    EXPECT_TRUE(TaskbarButton());
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }));
    EXPECT_TRUE(form->MenuItem("pHideStat").Default());
    EXPECT_FALSE(form->MenuItem("pShowStat").Default());
}

// A right press opens the menu at the pointer, set for the window as it is.
TEST_F(MainTrayTest, ARightPressOpensTheMenuForTheWindowAsItIs) {
    Application().SetShowMainForm(false);
    auto form = Start();
    SetTimer(nullptr, 0, 100, &CloseMenu);
    Callback(*form, WM_RBUTTONDOWN);
    EXPECT_FALSE(Shown(*form)); // the right button brings nothing back
    EXPECT_TRUE(form->MenuItem("pShowStat").Visible());
    EXPECT_TRUE(form->MenuItem("pShowStat").Default());
    EXPECT_FALSE(form->MenuItem("pHideStat").Visible());
    EXPECT_EQ(form->PopupMenu().PopupComponent(), &form->TrayIcon());
}

// A double click runs the default item once: on the icon of a window in the
// tray it shows the window, and the window stays.
TEST_F(MainTrayTest, ADoubleClickRunsTheDefaultItemOnce) {
    auto form = Start();
    form->Show();
    form->MenuItem("pHideStat").Click(); // to the tray, "Show" the default
    ASSERT_FALSE(Shown(*form));
    int shows = 0, hides = 0;
    form->MenuItem("pShowStat").SetOnClick([&](TComponent& s) {
        ++shows;
        form->pShowStatClick(s);
    });
    form->MenuItem("pHideStat").SetOnClick([&](TComponent& s) {
        ++hides;
        form->pHideStatClick(s);
    });
    for (LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Callback(*form, event);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(hides, 0);
    EXPECT_TRUE(Shown(*form));

    // The window was closed with its close box, which leaves the menu as it
    // was: the press still finds the window hidden, and it stays shown.
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(Shown(*form));
    for (LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Callback(*form, event);
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(hides, 0);
    EXPECT_TRUE(Shown(*form));
}

// In the tray with the pointer still, the program's only periodic work is
// the 50 ms pointer poll: no timer of the tray icon runs.
TEST_F(MainTrayTest, InTheTrayOnlyThePointerPollTicks) {
    auto form = Start();
    form->MenuItem("pHideStat").Click();
    ASSERT_FALSE(Shown(*form));
    EXPECT_FALSE(form->TrayIcon().LeaveTimer().Running());
    EXPECT_FALSE(form->TrayIcon().IconCycleTimer().Running());
    EXPECT_FALSE(form->TrayIcon().SingleClickTimer().Running());

    static std::map<HWND, int>* counts = nullptr;
    std::map<HWND, int> seen;
    counts = &seen;
    HHOOK hook = SetWindowsHookExW(
        WH_GETMESSAGE,
        [](int code, WPARAM wp, LPARAM lp) -> LRESULT {
            auto* msg = reinterpret_cast<MSG*>(lp);
            if (code == HC_ACTION && wp == PM_REMOVE && msg->message == WM_TIMER && counts)
                ++(*counts)[msg->hwnd];
            return CallNextHookEx(nullptr, code, wp, lp);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const DWORD started = GetTickCount();
    PumpUntil([&] { return GetTickCount() - started >= 3000; }, 4000);
    const DWORD elapsed = GetTickCount() - started;
    UnhookWindowsHookEx(hook);
    counts = nullptr;

    ASSERT_EQ(seen.size(), 1u) << "timer messages came to more than one window";
    EXPECT_EQ(seen.count(TTrayIconHandler::Window()), 0u);
    const int polls = seen.begin()->second;
    EXPECT_LE(polls, int(elapsed / 50) + 1);
    EXPECT_GE(polls, 10); // the poll does run
    std::printf("timer messages in %lu ms in the tray: %d, all of the 50 ms poll\n", elapsed,
                polls);
}
