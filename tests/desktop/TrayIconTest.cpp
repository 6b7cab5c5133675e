// The tray icon component, driven by the shell's callbacks sent to its
// handler window and by the real notification area of the Wine session. The
// tests set the pointer and look at the foreground, so they hold the desktop.
#include "TrayIconFixture.h"

#include "support/PumpMessages.h"
#include "toolkit/Exception.h"

#include <commctrl.h>
#include <memory>

bool CommonControlsKnowTaskbarCreated(DWORD major, DWORD minor);

namespace {
const char kTrayForm[] = R"(object f: TForm
  object TrayIcon: TRecordingTrayIcon
    Hint = 'User Ostrelle'
    Icon = 'TRAYICON'
    IconVisible = True
    PopupMenu = PopupMenu
    MinimizeToTray = True
    OnClick = Click
    OnMouseDown = MouseDown
    OnMouseUp = MouseUp
    OnMouseMove = MouseMove
  end
  object PopupMenu: TPopupMenu
    OnPopup = MenuPopup
    object pShow: TMenuItem
      Caption = 'Show'
      OnClick = ItemClick
    end
    object pHide: TMenuItem
      Caption = 'Hide'
      Default = True
      OnClick = ItemClick
    end
  end
end)";

VOID CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

std::string Tip(const TTrayIcon& icon) {
    const NOTIFYICONDATAA& data = icon.IconData();
    return std::string(data.szTip, strnlen(data.szTip, sizeof data.szTip));
}
} // namespace

class TrayIconEvents : public TrayIconTest {
protected:
    TrayIconEvents() {
        auto log = [this](std::string text) { events.push_back(std::move(text)); };
        handlers.Add<void(TComponent&)>("Click", [log](TComponent&) { log("click"); });
        handlers.Add<void(TComponent&)>("DblClick", [log](TComponent&) { log("dblclick"); });
        handlers.Add<void(TComponent&, TMouseButton, TShiftState, int, int)>(
            "MouseDown", [log](TComponent&, TMouseButton b, TShiftState s, int x, int y) {
                log("down " + std::to_string(b) + " " + std::to_string(s) + " " +
                    std::to_string(x) + "," + std::to_string(y));
            });
        handlers.Add<void(TComponent&, TMouseButton, TShiftState, int, int)>(
            "MouseUp", [log](TComponent&, TMouseButton b, TShiftState s, int, int) {
                log("up " + std::to_string(b) + " " + std::to_string(s));
            });
        handlers.Add<void(TComponent&, TShiftState, int, int)>("MouseMove", [log](TComponent&,
                                                                                  TShiftState s,
                                                                                  int x, int y) {
            log("move " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
        });
        handlers.Add<void(TComponent&)>("MenuPopup", [log](TComponent&) { log("popup"); });
        handlers.Add<void(TComponent&)>("ItemClick",
                                        [log](TComponent& item) { log("item " + item.Name()); });
        for (const char* name : {"BalloonShow", "BalloonHide", "BalloonTimeout", "BalloonClick"})
            handlers.Add<void(TComponent&)>(name, [log, name](TComponent&) { log(name); });
        SetCursorPos(123, 45);
    }

    void Start(const std::string& extra = "") {
        std::string text = kTrayForm;
        text.insert(text.find("    OnClick = Click"), extra);
        Load(form, text);
        icon = &form.Find<TRecordingTrayIcon>("TrayIcon");
        events.clear();
    }

    THostWindow form;
    TRecordingTrayIcon* icon = nullptr;
    std::vector<std::string> events;
};

TEST_F(TrayIconEvents, TheIconIsAddedWhileTheFormIsReadAndSettledAtTheEnd) {
    Start();
    const std::vector<DWORD> calls = icon->Messages();
    ASSERT_GE(calls.size(), 3u);
    // Hint and Icon refresh an icon the shell does not have yet: refused.
    EXPECT_EQ(calls[0], DWORD(NIM_MODIFY));
    EXPECT_FALSE(icon->calls[0].result);
    auto add = std::find(calls.begin(), calls.end(), DWORD(NIM_ADD));
    ASSERT_NE(add, calls.end());
    EXPECT_TRUE(icon->calls[size_t(add - calls.begin())].result);
    EXPECT_EQ(calls.back(), DWORD(NIM_SETVERSION));
    EXPECT_EQ(icon->calls.back().data.uVersion, 0u);
    EXPECT_TRUE(ShellHas(*icon));

    const NOTIFYICONDATAA& data = icon->IconData();
    EXPECT_EQ(data.cbSize, sizeof(void*) == 8 ? 504u : 488u);
    EXPECT_EQ(data.hWnd, TTrayIconHandler::Window());
    EXPECT_EQ(data.uID, icon->Identity());
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 0x0800u);
    EXPECT_NE(data.hIcon, nullptr);
    EXPECT_EQ(Tip(*icon), "User Ostrelle");
    EXPECT_FALSE(IsWindowVisible(TTrayIconHandler::Window()));
}

TEST_F(TrayIconEvents, EveryPropertyLoadsByNameWithItsDefaults) {
    TRecordingTrayIcon plain(nullptr);
    EXPECT_FALSE(plain.DesignPreview());
    EXPECT_EQ(plain.IconList(), nullptr);
    EXPECT_FALSE(plain.CycleIcons());
    EXPECT_EQ(plain.CycleInterval(), 0u);
    EXPECT_TRUE(plain.Enabled());
    EXPECT_EQ(plain.Hint(), "");
    EXPECT_TRUE(plain.ShowHint());
    EXPECT_TRUE(plain.Icon().Empty());
    EXPECT_FALSE(plain.IconVisible());
    EXPECT_EQ(plain.IconIndex(), 0);
    EXPECT_EQ(plain.PopupMenu(), nullptr);
    EXPECT_FALSE(plain.LeftPopup());
    EXPECT_FALSE(plain.WantEnterExitEvents());
    EXPECT_FALSE(plain.MinimizeToTray());

    for (const char* name : {"Notify", "Enter", "Exit"})
        handlers.Add<void(TComponent&)>(name, [](TComponent&) {});
    handlers.Add<void(TTrayIcon&, int)>("Cycle", [](TTrayIcon&, int) {});
    handlers.Add<void(TTrayIcon&, bool&)>("Startup", [](TTrayIcon&, bool&) {});
    Load(form, R"(object f: TForm
  object TrayIcon: TRecordingTrayIcon
    DesignPreview = True
    IconList = Icons
    CycleIcons = True
    CycleInterval = 500
    Enabled = False
    Hint = 'User Ostrelle'
    ShowHint = False
    Icon = 'TRAYICON'
    IconVisible = True
    IconIndex = 0
    PopupMenu = PopupMenu
    LeftPopup = True
    WantEnterExitEvents = True
    MinimizeToTray = True
    OnClick = Notify
    OnDblClick = Notify
    OnMouseDown = MouseDown
    OnMouseUp = MouseUp
    OnMouseMove = MouseMove
    OnMouseEnter = Enter
    OnMouseExit = Exit
    OnCycle = Cycle
    OnBalloonHintShow = BalloonShow
    OnBalloonHintHide = BalloonHide
    OnBalloonHintTimeout = BalloonTimeout
    OnBalloonHintClick = BalloonClick
    OnMinimizeToTray = Notify
    OnStartup = Startup
  end
  object PopupMenu: TPopupMenu
  end
  object Icons: TImageList
  end
end)");
    ASSERT_TRUE(sink.messages.empty());
    auto& loaded = form.Find<TRecordingTrayIcon>("TrayIcon");
    EXPECT_TRUE(loaded.DesignPreview());
    EXPECT_EQ(loaded.IconList(), &form.Find<TImageList>("Icons"));
    EXPECT_TRUE(loaded.CycleIcons());
    EXPECT_EQ(loaded.CycleInterval(), 500u);
    EXPECT_TRUE(loaded.IconCycleTimer().Running());
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_EQ(loaded.Hint(), "User Ostrelle");
    EXPECT_FALSE(loaded.ShowHint());
    EXPECT_FALSE(loaded.Icon().Empty());
    EXPECT_TRUE(loaded.IconVisible());
    EXPECT_EQ(loaded.PopupMenu(), &form.Find<TPopupMenu>("PopupMenu"));
    EXPECT_TRUE(loaded.LeftPopup());
    EXPECT_TRUE(loaded.WantEnterExitEvents());
    EXPECT_TRUE(loaded.LeaveTimer().Running());
    EXPECT_TRUE(loaded.MinimizeToTray());
}

TEST_F(TrayIconEvents, TheTooltipIsTheHintCutTo127CharactersOrNothing) {
    Start();
    struct Case {
        std::string hint;
        bool show;
        std::string tip;
    } cases[] = {
        {std::string(200, 'h'), true, std::string(127, 'h')},
        {std::string(127, 'h'), true, std::string(127, 'h')},
        {"", true, ""},
        {"User Ostrelle", false, ""},
        {"User Ostrelle", true, "User Ostrelle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint.substr(0, 20) + (c.show ? " shown" : " hidden"));
        icon->SetShowHint(c.show);
        icon->SetHint(c.hint);
        EXPECT_EQ(Tip(*icon), c.tip);
        EXPECT_EQ(icon->IconData().szTip[127], 0);
        EXPECT_TRUE(icon->calls.back().result); // the shell took the change
    }
}

// Each callback row: what it raises, with the button's flag added to the
// (here empty) modifiers and the pointer where it is when handled.
TEST_F(TrayIconEvents, EachCallbackRaisesItsEvent) {
    Start("    OnBalloonHintShow = BalloonShow\n    OnBalloonHintHide = BalloonHide\n"
          "    OnBalloonHintTimeout = BalloonTimeout\n    OnBalloonHintClick = BalloonClick\n");
    form.Find<TPopupMenu>("PopupMenu").SetAutoPopup(false); // no menu in the way
    struct Row {
        LPARAM event;
        std::vector<std::string> raised;
    } rows[] = {
        {WM_MOUSEMOVE, {"move 0 123,45"}},
        {WM_LBUTTONDOWN, {"down 0 8 123,45"}},
        {WM_LBUTTONUP, {"click", "up 0 8"}},
        {WM_RBUTTONDOWN, {"down 1 16 123,45"}},
        {WM_RBUTTONUP, {"up 1 16"}},
        {WM_MBUTTONDOWN, {"down 2 32 123,45"}},
        {WM_MBUTTONUP, {"up 2 32"}},
        {WM_CONTEXTMENU, {}},
        {NIN_SELECT, {}},
        {NIN_KEYSELECT, {}},
        {NIN_BALLOONSHOW, {"BalloonShow"}},
        {NIN_BALLOONHIDE, {"BalloonHide"}},
        {NIN_BALLOONTIMEOUT, {"BalloonTimeout"}},
        {NIN_BALLOONUSERCLICK, {"BalloonClick"}},
        {WM_KEYDOWN, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.event);
        events.clear();
        Callback(*icon, row.event);
        EXPECT_EQ(events, row.raised);
    }
    // A release without a press is no click.
    events.clear();
    Callback(*icon, WM_LBUTTONUP);
    EXPECT_EQ(events, std::vector<std::string>{"up 0 8"});
}

TEST_F(TrayIconEvents, DisabledTheIconIgnoresTheMouseButNotTheBalloons) {
    Start("    OnBalloonHintShow = BalloonShow\n    OnBalloonHintClick = BalloonClick\n");
    icon->SetEnabled(false);
    for (LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                         WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP})
        Callback(*icon, event);
    EXPECT_TRUE(events.empty()); // no event, no menu, no default item
    Callback(*icon, NIN_BALLOONSHOW);
    Callback(*icon, NIN_BALLOONUSERCLICK);
    EXPECT_EQ(events, (std::vector<std::string>{"BalloonShow", "BalloonClick"}));
}

TEST_F(TrayIconEvents, ACallbackForAnIconThatIsGoneIsIgnored) {
    Start();
    const UINT gone = [&] {
        TRecordingTrayIcon other(nullptr);
        other.SetOnMouseDown([](TComponent&, TMouseButton, TShiftState, int, int) {
            ADD_FAILURE() << "a destroyed icon got a callback";
        });
        return other.Identity();
    }();
    SendMessageW(TTrayIconHandler::Window(), TTrayIcon::kCallbackMessage, gone, WM_LBUTTONDOWN);
    EXPECT_TRUE(events.empty());
}

TEST_F(TrayIconEvents, ADoubleClickRunsTheDefaultItemOnce) {
    Start();
    form.Find<TMenuItem>("pShow").SetDefault(true);
    for (LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Callback(*icon, event);
    EXPECT_EQ(events, (std::vector<std::string>{"down 0 8 123,45", "click", "up 0 8", "item pShow",
                                                "up 0 8"}));

    // Not with the menu on the left button, nor with automatic popup off.
    icon->SetLeftPopup(true);
    events.clear();
    Callback(*icon, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(events.empty());
    icon->SetLeftPopup(false);
    form.Find<TPopupMenu>("PopupMenu").SetAutoPopup(false);
    Callback(*icon, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(events.empty());
}

// With a double-click handler, a click is only a click once the double-click
// time has passed without a second one.
TEST_F(TrayIconEvents, WithADoubleClickHandlerTheClickWaitsForTheDoubleClickTime) {
    Start("    OnDblClick = DblClick\n");
    form.Find<TPopupMenu>("PopupMenu").SetAutoPopup(false);
    const DWORD pressed = GetTickCount();
    Callback(*icon, WM_LBUTTONDOWN);
    EXPECT_TRUE(icon->SingleClickTimer().Running());
    EXPECT_EQ(icon->SingleClickTimer().Interval(), GetDoubleClickTime());
    Callback(*icon, WM_LBUTTONUP);
    EXPECT_EQ(events, (std::vector<std::string>{"down 0 8 123,45", "up 0 8"}));
    ASSERT_TRUE(PumpUntil([&] { return events.size() == 3; }, 5000));
    EXPECT_EQ(events.back(), "click");
    EXPECT_GE(GetTickCount() - pressed + 20, GetDoubleClickTime());
    EXPECT_FALSE(icon->SingleClickTimer().Running());

    events.clear();
    for (LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Callback(*icon, event);
    ASSERT_TRUE(PumpUntil([&] { return !icon->SingleClickTimer().Running(); }, 5000));
    Application().ProcessMessages();
    EXPECT_EQ(events,
              (std::vector<std::string>{"down 0 8 123,45", "up 0 8", "dblclick", "up 0 8"}));
}

// The right button opens the menu at the pointer after its before-open
// event; the icon is the menu's popup component; the owner's queue gets a
// WM_NULL after the menu has closed.
TEST_F(TrayIconEvents, ARightPressOpensTheMenuAfterItsBeforeOpenEvent) {
    Start();
    SetTimer(nullptr, 0, 100, &CloseMenu);
    Callback(*icon, WM_RBUTTONDOWN);
    EXPECT_EQ(events, (std::vector<std::string>{"down 1 16 123,45", "popup"}));
    EXPECT_EQ(form.Find<TPopupMenu>("PopupMenu").PopupComponent(), icon);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, form.Handle(), WM_NULL, WM_NULL, PM_REMOVE));

    // With LeftPopup, the left button does the same.
    icon->SetLeftPopup(true);
    events.clear();
    SetTimer(nullptr, 0, 100, &CloseMenu);
    Callback(*icon, WM_LBUTTONDOWN);
    EXPECT_EQ(events, (std::vector<std::string>{"down 0 8 123,45", "popup"}));
}

TEST_F(TrayIconEvents, AnErrorInAnEventGoesToTheErrorBox) {
    Start();
    icon->SetOnMouseMove([](TComponent&, TShiftState, int, int) { throw Exception("no move"); });
    Callback(*icon, WM_MOUSEMOVE);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "no move");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
}

TEST_F(TrayIconEvents, EnterAndExitFollowThePointerOnlyWhenWanted) {
    Start();
    EXPECT_FALSE(icon->LeaveTimer().Running()); // idle: no leave polling
    int entered = 0, left = 0;
    icon->SetOnMouseEnter([&](TComponent&) { ++entered; });
    icon->SetOnMouseExit([&](TComponent&) { ++left; });
    Callback(*icon, WM_MOUSEMOVE);
    EXPECT_EQ(entered, 0);

    icon->SetWantEnterExitEvents(true);
    EXPECT_TRUE(icon->LeaveTimer().Running());
    EXPECT_EQ(icon->LeaveTimer().Interval(), 20u);
    Callback(*icon, WM_MOUSEMOVE);
    Callback(*icon, WM_MOUSEMOVE);
    EXPECT_EQ(entered, 1);
    SetCursorPos(300, 200);
    EXPECT_TRUE(PumpUntil([&] { return left == 1; }));
    Callback(*icon, WM_MOUSEMOVE);
    EXPECT_EQ(entered, 2);
}

TEST_F(TrayIconEvents, CyclingStepsThroughTheImageListAndReportsTheNextIndex) {
    Start();
    auto& list = form.Make<TImageList>();
    for (int i = 0; i < 3; ++i)
        list.AddIcon(icon->Icon().Handle());
    std::vector<int> next;
    icon->SetOnCycle([&](TTrayIcon& sender, int nextIndex) {
        EXPECT_EQ(&sender, icon);
        next.push_back(nextIndex);
    });
    icon->SetIconList(&list);
    icon->SetIconIndex(7);
    EXPECT_EQ(icon->IconIndex(), 2); // past the end: the last image
    icon->SetCycleIcons(true);
    EXPECT_FALSE(icon->IconCycleTimer().Running()); // no interval yet
    icon->SetCycleInterval(10);
    EXPECT_TRUE(icon->IconCycleTimer().Running());
    ASSERT_TRUE(PumpUntil([&] { return next.size() >= 4; }));
    EXPECT_EQ(std::vector<int>(next.begin(), next.begin() + 4), (std::vector<int>{1, 2, 0, 1}));
    icon->SetCycleIcons(false);
    EXPECT_FALSE(icon->IconCycleTimer().Running());
}

TEST_F(TrayIconEvents, ARemovedImageListOrMenuIsDropped) {
    Start();
    auto list = std::make_unique<TImageList>(&form);
    list->AddIcon(icon->Icon().Handle());
    list->AddIcon(icon->Icon().Handle());
    icon->SetIconList(list.get());
    icon->SetIconIndex(1);
    list.reset();
    EXPECT_EQ(icon->IconList(), nullptr);
    EXPECT_EQ(icon->IconIndex(), 0);

    auto menu = std::make_unique<TPopupMenu>(&form);
    icon->SetPopupMenu(menu.get());
    menu.reset();
    EXPECT_EQ(icon->PopupMenu(), nullptr);
    Callback(*icon, WM_RBUTTONDOWN); // no menu to open
    EXPECT_EQ(events, std::vector<std::string>{"down 1 16 123,45"});
}

// After the shell restarts, the icon comes back if it was visible.
TEST_F(TrayIconEvents, TheIconIsAddedAgainWhenTheShellRestarts) {
    Start();
    const UINT taskbarCreated = TTrayIcon::TaskbarCreatedMessage();
    ASSERT_NE(taskbarCreated, 0u);
    icon->calls.clear();
    SendMessageW(Application().Handle(), taskbarCreated, 0, 0);
    EXPECT_EQ(icon->Messages(), std::vector<DWORD>{NIM_ADD});
    icon->SetIconVisible(false);
    EXPECT_FALSE(ShellHas(*icon));
    icon->calls.clear();
    SendMessageW(Application().Handle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(icon->calls.empty());
}

TEST(TaskbarCreated, IsKnownFromCommonControls471On) {
    EXPECT_FALSE(CommonControlsKnowTaskbarCreated(4, 70));
    EXPECT_TRUE(CommonControlsKnowTaskbarCreated(4, 71));
    EXPECT_TRUE(CommonControlsKnowTaskbarCreated(5, 0));
    EXPECT_TRUE(CommonControlsKnowTaskbarCreated(6, 10));
    EXPECT_FALSE(CommonControlsKnowTaskbarCreated(3, 99));
}

// Minimising the application takes the form and its taskbar button to the
// tray; RestoreMainForm brings both back and makes the program foreground.
TEST_F(TrayIconEvents, MinimisingGoesToTheTrayAndRestoreComesBack) {
    Start();
    form.Show();
    ASSERT_TRUE(IsWindowVisible(Application().Handle()));
    Application().Minimize();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(IsWindowVisible(Application().Handle())); // no taskbar button
    EXPECT_TRUE(icon->IconVisible());
    EXPECT_TRUE(ShellHas(*icon));

    icon->RestoreMainForm();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(IsWindowVisible(Application().Handle()));
    EXPECT_FALSE(IsIconic(Application().Handle()));
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.Handle(); }));

    // Without MinimizeToTray a minimised program stays on the taskbar.
    icon->SetMinimizeToTray(false);
    Application().Minimize();
    EXPECT_TRUE(IsWindowVisible(Application().Handle()));
    icon->RestoreMainForm();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

// The owner's own minimise path is taken only with an OnMinimizeToTray
// handler; otherwise the message goes on to the form.
TEST_F(TrayIconEvents, TheOwnersMinimiseGoesToTheTrayOnlyWithItsOwnHandler) {
    Start();
    form.Show();
    int raised = 0;
    icon->SetOnMinimizeToTray([&](TComponent&) { ++raised; });
    EXPECT_EQ(SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
    EXPECT_EQ(raised, 1);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(IsIconic(Application().Handle())); // the form's own handling did not run
    icon->RestoreMainForm();
}

TEST_F(TrayIconEvents, AStartupHandlerThatSaysNoKeepsTheFormInTheTray) {
    handlers.Add<void(TTrayIcon&, bool&)>("Startup", [](TTrayIcon&, bool& show) { show = false; });
    Start("    OnStartup = Startup\n");
    EXPECT_FALSE(Application().ShowMainForm());
    EXPECT_FALSE(form.Visible());
}

// Going away removes the icon, gives the owner its window procedure back and,
// with the last icon, the handler window.
TEST_F(TrayIconEvents, DestructionRemovesTheIconAndUndoesEverything) {
    auto owner = std::make_unique<THostWindow>();
    Load(*owner, kTrayForm);
    auto& doomed = owner->Find<TRecordingTrayIcon>("TrayIcon");
    int raised = 0;
    doomed.SetOnMinimizeToTray([&](TComponent&) { ++raised; });
    const NOTIFYICONDATAA data = doomed.IconData();
    HWND handler = TTrayIconHandler::Window();
    HWND ownerWindow = owner->Handle();
    ASSERT_TRUE(ShellHas(doomed));

    owner->DestroyComponents();
    NOTIFYICONDATAA copy = data;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &copy));
    EXPECT_FALSE(IsWindow(handler));
    SendMessageW(ownerWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(raised, 0);
    Application().Restore();
}
