#include "MainWindowFixture.h"

#include "app/About.h"
#include "desktop/Autostart.h"
#include "toolkit/FindOwned.h"
#include "toolkit/FormLoader.h"
#include "toolkit/Handle.h"
#include "toolkit/StdControls.h"
#include "support/DayText.h"
#include "support/PumpMessages.h"
#include "support/TextLines.h"
#include "toolkit/IniFile.h"

#include <gmock/gmock.h>

#include <functional>
#include <gtest/gtest.h>
#include <optional>

using ::testing::ElementsAre;
using ::testing::StartsWith;

namespace {
std::vector<std::string> TreeLines(TTreeView& tree) {
    std::vector<std::string> lines;
    for (TTreeNode* node : tree.Nodes())
        lines.push_back(std::string(node->Level() ? "  " : "") + node->Text() + " " +
                        std::to_string(node->ImageIndex()) + (node->Expanded() ? " +" : "") +
                        (tree.Selected() == node ? " *" : ""));
    return lines;
}
} // namespace

// The main window over a history of two months.
class MainWindowTest : public MainWindowFixture {
protected:
    MainWindowTest() {
        for (const char* name : {"26-11-30.dat", "26-12-01.dat", "26-12-08.dat"})
            WriteFile(history + name, DayText({}));
    }
};

TEST_F(MainWindowTest, FirstStartShowsTheDesignedWindowAndTheCurrentMonth) {
    auto form = Start();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(form->Caption(), "Tallyvane");
    EXPECT_EQ(form->Width(), 740);
    EXPECT_EQ(form->Height(), 360);
    EXPECT_EQ(form->TreeView().Width(), 150);
    EXPECT_TRUE(Application().ShowMainForm());
    EXPECT_THAT(TreeLines(form->TreeView()),
                ElementsAre("2026.November 0", "  2026-11-30 1", "2026.December 0 + *",
                            "  2026-12-01 1", "  2026-12-08 2"));
    EXPECT_TRUE(form->MonthChart().Visible());
    EXPECT_FALSE(form->DayChart().Visible());
    EXPECT_EQ(form->TimerMinutes().Interval(), 30000u);
    EXPECT_EQ(form->Log().StoreDate(), (Date{2026, 12, 8}));
    // The taskbar button carries the program's icon.
    EXPECT_NE(GetClassLongPtrW(Application().Handle(), GCLP_HICON), 0);
}

TEST_F(MainWindowTest, SelectingADayShowsTheDayChart) {
    auto form = Start();
    TTreeNode& december = form->TreeView().Root(1);
    form->TreeView().SetSelected(&december.Item(1));
    EXPECT_TRUE(form->DayChart().Visible());
    EXPECT_FALSE(form->MonthChart().Visible());
    form->TreeView().SetSelected(&december);
    EXPECT_TRUE(form->MonthChart().Visible());
}

TEST_F(MainWindowTest, AConfirmedQuitSavesTheDayAndTheSettings) {
    auto form = Start();
    form->Log().StoreMinute(601, 5, 2);
    form->TreeView().SetWidth(180);
    ASSERT_TRUE(ConfirmedClose(*form));
    EXPECT_EQ(ReadTextLines(history + "26-12-08.dat")[601], "5:2:0");
    TIniFile ini(options);
    EXPECT_EQ(ini.ReadInteger("PosSize", "WindowState", -1), 0); // never shown in this test
    EXPECT_EQ(ini.ReadInteger("PosSize", "Width", -1), 740);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Height", -1), 360);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Top", -1), form->Top());
    EXPECT_EQ(ini.ReadInteger("PosSize", "Left", -1), form->Left());
    EXPECT_EQ(ini.ReadInteger("PosSize", "TreeWidth", -1), 180);
}

TEST_F(MainWindowTest, ACloseRequestWithoutTheQuitFlagOnlyHidesAndSavesNothing) {
    auto form = Start();
    const std::string before = ReadFile(history + "26-12-08.dat");
    form->Log().StoreMinute(601, 5, 2);
    bool canClose = true;
    form->FormCloseQuery(*form, canClose);
    EXPECT_FALSE(canClose);
    EXPECT_TRUE(IsIconic(Application().Handle()));
    EXPECT_FALSE(FileExists(options));
    EXPECT_EQ(ReadFile(history + "26-12-08.dat"), before);
}

// The first start opens centred; from then on the window opens where the
// user left it.
TEST_F(MainWindowTest, ASecondStartRestoresPlaceSizeAndTreeWidth) {
    TRect left;
    {
        auto form = Start();
        form->Show();
        form->SetBounds(100, 80, 900, 500);
        form->TreeView().SetWidth(222);
        left = form->BoundsRect();
        ASSERT_TRUE(ConfirmedClose(*form));
    }
    EXPECT_EQ(TIniFile(options).ReadInteger("PosSize", "WindowState", -1), 1);
    auto form = Start();
    form->Show();
    EXPECT_EQ(form->BoundsRect(), left);
    EXPECT_EQ(left, TRect::FromBounds(100, 80, 900, 500));
    EXPECT_EQ(form->TreeView().Width(), 222);
    EXPECT_TRUE(Application().ShowMainForm());
}

TEST_F(MainWindowTest, StoredWindowStatesDecideWhatTheStartShows) {
    struct Case {
        const char* ini;
        bool shown;
        TWindowState state;
    } cases[] = {
        {"[PosSize]\r\nWindowState=0\r\n", false, wsNormal},
        {"[PosSize]\r\nWindowState=2\r\nWidth=10\r\n", true, wsMaximized},
        {"[PosSize]\r\nWindowState=banana\r\nTop=x\r\nWidth=-3\r\n", true, wsNormal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        WriteFile(options, c.ini);
        Application().SetShowMainForm(true);
        auto form = Start();
        EXPECT_EQ(Application().ShowMainForm(), c.shown);
        EXPECT_EQ(form->WindowState(), c.state);
        EXPECT_GE(form->Width(), 150); // garbage never makes an unusable window
        EXPECT_TRUE(messages.messages.empty());
    }
}

TEST_F(MainWindowTest, AWindowStoredOffEveryScreenOpensOnTheScreen) {
    WriteFile(options, "[PosSize]\r\nWindowState=1\r\nTop=100\r\nLeft=30000\r\nWidth=740\r\n"
                       "Height=360\r\n");
    auto form = Start();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(form->Left(), work.left);
    EXPECT_LE(form->Left() + form->Width(), work.right);
}

// The value may be in the machine-wide key or the user's, quoted or not
// (earlier versions wrote the path without quotes).
TEST_F(MainWindowTest, TheAutostartValueKeepsTheWindowInTheTray) {
    struct Case {
        bool inMachineKey;
        std::string data;
    } cases[] = {
        {true, "C:\\Program Files\\Tallyvane\\Tallyvane.exe"},
        {true, "\"C:\\Program Files\\Tallyvane\\Tallyvane.exe\""},
        {false, "C:\\Tallyvane\\Tallyvane.exe"},
        {false, "\"C:\\Tallyvane\\Tallyvane.exe\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        RegistryRoot machineRoot("machine-case"), userRoot("user-case");
        (c.inMachineKey ? machineRoot : userRoot).Write(kRunKey, kRunValue, c.data);
        WriteFile(options, "[PosSize]\r\nWindowState=2\r\n");
        Application().SetShowMainForm(true);
        TfrmMain form(clock, root.Path(), Autostart(machineRoot.Get(), userRoot.Get()));
        EXPECT_TRUE(form.MenuItem("pAutoStart").Checked());
        EXPECT_FALSE(Application().ShowMainForm());
    }
}

TEST_F(MainWindowTest, AStrayFileIsReportedAndEveryDayStillListed) {
    WriteFile(history + "notes.dat", "mine");
    auto form = Start();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "'notes' is not a valid date");
    EXPECT_EQ(messages.messages[0].caption, "Ostrelle");
    EXPECT_EQ(form->TreeView().Nodes().size(), 5u);
    EXPECT_EQ(form->TimerMinutes().Interval(), 30000u); // start-up went on
}

// The day log and the month chart both read today's file at start-up: the
// broken line is reported once, and the current month still shows.
TEST_F(MainWindowTest, ABrokenTodayFileIsReportedOnceAndTheMonthShows) {
    WriteFile(history + "26-12-08.dat", DayText({{5, "3:1:0"}}, 700) + "12:7\r\n9:9:0\r\n");
    auto form = Start();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "'' is not a valid integer value");
    EXPECT_TRUE(form->MonthChart().Visible());
    EXPECT_EQ(form->MonthChart().SeriesAt(0).YAt(7), 3); // the lines before the broken one
    EXPECT_EQ(form->TimerMinutes().Interval(), 30000u);  // start-up went on
}

TEST_F(MainWindowTest, AMissingHistoryFolderIsReportedAndTheWindowStillRuns) {
    RemoveDirectoryW(Widen(history).c_str()); // fails: not empty
    for (const auto& name : ListFolder(history, "*"))
        DeleteFileIfPresent(history + name);
    RemoveDirectoryW(Widen(history).c_str());
    auto form = Start();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_THAT(messages.messages[0].text, StartsWith("Cannot create file \"" + history));
    EXPECT_EQ(form->TreeView().RootCount(), 0);         // the steps after it are skipped
    EXPECT_EQ(form->TimerMinutes().Interval(), 60000u); // not aligned
}

TEST_F(MainWindowTest, KeysFromTheHookAreCountedAndPlainKeysDoNotQuit) {
    auto form = Start();
    auto& hook = dynamic_cast<TSysKeyboardHook&>(*form->FindComponent("SysKeyboardHook"));
    bool allow = true;
    for (int i = 0; i < 3; ++i)
        form->SysKeyboardHookKeyDown(hook, 'A', 0, allow);
    EXPECT_TRUE(allow);
    EXPECT_EQ(form->Recorder().KeyCount(), 3);

    WORD q = 'Q';
    form->FormKeyDown(*form, q, 0); // Q alone does nothing
    EXPECT_FALSE(form->MenuItem("pClose").Checked());
    WORD f4 = VK_F4;
    form->FormKeyDown(*form, f4, 0);
    EXPECT_FALSE(form->MenuItem("pClose").Checked());
}

// A key stroke anywhere on the desktop goes through ostrelle.dll and the
// hook component to the window's key counter, and into the next minute.
TEST_F(MainWindowTest, AKeyStrokeOnTheDesktopReachesTheMinuteRecord) {
    auto form = Start();
    for (bool up : {false, true}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_F13; // a key no program here answers
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
    }
    ASSERT_TRUE(PumpUntil([&] { return form->Recorder().KeyCount() == 1; }));
    clock.Set({{2026, 12, 8}, 10, 1, 0, 0});
    form->TimerMinutesTimer(*form);
    EXPECT_EQ(ReadTextLines(history + "26-12-08.dat")[601], "1:0:0");
}

// The path goes in quotes: under a folder with a blank in its name Windows
// would otherwise try "C:\Program.exe" first. The machine-wide key takes it
// where it can; where Windows refuses it (a standard user) the user's own
// Run key does, and the command succeeds all the same.
TEST_F(MainWindowTest, TheAutostartCommandRegistersTheProgramWhereTheRegistryLetsIt) {
    const std::string program = ExecutablePath();
    const std::string quoted = "\"" + program + "\"";
    struct Case {
        const char* name;
        bool machineRefused;
        std::optional<std::string> machineValue, userValue;
    } cases[] = {
        {"administrator", false, quoted, std::nullopt},
        {"standard user", true, std::nullopt, quoted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegistryRoot machineRoot("machine-case"), userRoot("user-case");
        messages.messages.clear();
        TfrmMain form(
            clock, root.Path(),
            Autostart(c.machineRefused ? kRefusedRoot : machineRoot.Get(), userRoot.Get()));
        EXPECT_FALSE(form.MenuItem("pAutoStart").Checked());
        form.pAutoStartClick(form);
        EXPECT_EQ(machineRoot.Read(kRunKey, kRunValue), c.machineValue);
        EXPECT_EQ(userRoot.Read(kRunKey, kRunValue), c.userValue);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text, "Program successfully added to startup");
        EXPECT_EQ(messages.messages[0].caption, "Tallyvane");
        EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, unsigned(MB_ICONINFORMATION));
        EXPECT_TRUE(form.MenuItem("pAutoStart").Checked());
        // Chosen again, it writes again and says so again.
        form.pAutoStartClick(form);
        EXPECT_EQ(messages.messages.size(), 2u);
        EXPECT_TRUE(form.MenuItem("pAutoStart").Checked());
    }
}

TEST_F(MainWindowTest, TheMenuOffersToShowOrToHideAsTheWindowIs) {
    auto form = Start();
    TMenuItem& show = form->MenuItem("pShowStat");
    TMenuItem& hide = form->MenuItem("pHideStat");
    form->PopupMenuPopup(form->PopupMenu()); // not shown yet
    EXPECT_TRUE(show.Visible());
    EXPECT_FALSE(hide.Visible());
    EXPECT_TRUE(show.Default());
    form->Show();
    form->PopupMenuPopup(form->PopupMenu());
    EXPECT_FALSE(show.Visible());
    EXPECT_TRUE(hide.Visible());
    EXPECT_TRUE(hide.Default());
}

TEST_F(MainWindowTest, AQuitWhileMaximisedKeepsTheStoredBounds) {
    WriteFile(options, "[PosSize]\r\nWindowState=1\r\nTop=50\r\nLeft=60\r\nHeight=400\r\n"
                       "Width=800\r\nTreeWidth=170\r\n");
    auto form = Start();
    form->SetWindowState(wsMaximized);
    form->TreeView().SetWidth(190);
    ASSERT_TRUE(ConfirmedClose(*form));
    TIniFile ini(options);
    EXPECT_EQ(ini.ReadInteger("PosSize", "WindowState", -1), 2);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Top", -1), 50);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Left", -1), 60);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Height", -1), 400);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Width", -1), 800);
    EXPECT_EQ(ini.ReadInteger("PosSize", "TreeWidth", -1), 190);
}

// Maximised, the window is as wide as the screen: the stored tree width is
// kept up to that, not cut to the designed width.
TEST_F(MainWindowTest, AMaximisedWindowKeepsATreeWiderThanTheDesignedWindow) {
    WriteFile(options, "[PosSize]\r\nWindowState=2\r\nTreeWidth=900\r\n");
    auto form = Start();
    ASSERT_GT(GetSystemMetrics(SM_CXSCREEN), 1000);
    form->Show();
    ASSERT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(form->TreeView().Width(), 900);
    WriteFile(options, "[PosSize]\r\nWindowState=1\r\nTreeWidth=900\r\n");
    form.reset();
    form = Start();
    EXPECT_EQ(form->TreeView().Width(), 700); // the designed 740 less the room kept
}

// Started into the tray (autostart) and never shown, a maximised window is
// only as wide as designed; what it writes back at a quit or at the end of
// the session is the tree width it read.
TEST_F(MainWindowTest, AMaximisedWindowNeverShownWritesBackTheTreeWidthItRead) {
    struct Case {
        const char* name;
        std::function<void(TfrmMain&)> exit;
    } cases[] = {
        {"quit", [](TfrmMain& form) { ASSERT_TRUE(ConfirmedClose(form)); }},
        {"end of session", [](TfrmMain& form) { form.FormEndSession(form); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(options, "[PosSize]\r\nWindowState=2\r\nTreeWidth=900\r\n");
        user.Write(kRunKey, kRunValue, "\"C:\\Tallyvane\\Tallyvane.exe\"");
        auto form = Start();
        ASSERT_FALSE(Application().ShowMainForm());
        c.exit(*form);
        TIniFile ini(options);
        EXPECT_EQ(ini.ReadInteger("PosSize", "WindowState", -1), 2);
        EXPECT_EQ(ini.ReadInteger("PosSize", "TreeWidth", -1), 900);
    }
}

namespace {
// Runs `look` once from inside the next modal loop (a thread timer fires
// there), for tests of what a modal dialog shows while it is up.
std::function<void()>* whileModal = nullptr;
void CALLBACK LookWhileModal(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (whileModal)
        (*whileModal)();
}
} // namespace

TEST_F(MainWindowTest, F1ShowsTheAboutDialogInFrontOfTheDisabledWindow) {
    auto form = Start();
    form->Show();
    TfrmAbout about;
    form->SetAboutDialog(&about);
    struct Seen {
        bool shown = false, windowEnabled = true;
        std::string caption;
    } seen;
    std::function<void()> look = [&] {
        seen = {about.Visible(), IsWindowEnabled(form->Handle()) != FALSE, about.Caption()};
        PostMessageW(FindOwned<TButton>(about, "btnClose").Handle(), BM_CLICK, 0, 0);
    };
    whileModal = &look;
    SetTimer(nullptr, 0, 10, &LookWhileModal);
    PressKey(form->TreeView().Handle(), VK_F1);
    whileModal = nullptr;
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "About program");
    EXPECT_FALSE(seen.windowEnabled);
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

// Each quitting shortcut sets the quit flag and closes the window, saving the
// day and the settings. A form of the test's own is the application's main
// form, so that the close hides this window instead of ending the test's
// application.
TEST_F(MainWindowTest, CtrlQWithOrWithoutShiftAndAltF4Quit) {
    struct Case {
        const char* name;
        WORD key;
        std::vector<BYTE> held;
    } cases[] = {
        {"Ctrl+Q", 'Q', {VK_CONTROL}},
        {"Ctrl+Shift+Q", 'Q', {VK_CONTROL, VK_SHIFT}},
        {"Alt+F4", VK_F4, {VK_MENU}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(history + "26-12-08.dat", DayText({})); // the minute counts from zero again
        TForm standIn(nullptr);
        auto form = Start();
        ASSERT_NE(Application().MainForm(), form.get());
        form->Show();
        form->Log().StoreMinute(601, 5, 2);
        HWND tree = form->TreeView().Handle();
        if (c.held.size() == 1)
            PressKey(tree, c.key, {c.held[0]});
        else
            PressKey(tree, c.key, {c.held[0], c.held[1]});
        EXPECT_TRUE(form->MenuItem("pClose").Checked());
        EXPECT_FALSE(form->Visible());
        EXPECT_EQ(SplitTextLines(ReadFile(history + "26-12-08.dat"))[601], "5:2:0");
        EXPECT_TRUE(FileExists(options));
        DeleteFileIfPresent(options);
        EXPECT_TRUE(messages.messages.empty());
    }
}

// The day cannot be written at a confirmed quit (a sync tool holds the
// file): the error is shown, the window stays with its flag set and the
// settings unwritten, and the next close tries again.
TEST_F(MainWindowTest, AQuitWhoseDayCannotBeSavedKeepsTheWindowAndTriesAgain) {
    auto form = Start();
    form->Log().StoreMinute(601, 5, 2);
    {
        FileHandle held = Hold(history + "26-12-08.dat");
        ASSERT_TRUE(held);
        EXPECT_FALSE(ConfirmedClose(*form));
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_THAT(messages.messages[0].text, ::testing::HasSubstr(history + "26-12-08.dat"));
        EXPECT_EQ(messages.messages[0].caption, "Ostrelle");
        EXPECT_FALSE(FileExists(options));
        EXPECT_TRUE(form->MenuItem("pClose").Checked());
    }
    EXPECT_TRUE(ConfirmedClose(*form));
    EXPECT_EQ(SplitTextLines(ReadFile(history + "26-12-08.dat"))[601], "5:2:0");
    EXPECT_TRUE(FileExists(options));
    EXPECT_EQ(messages.messages.size(), 1u);
}

// Only when both Run keys are refused: the box captioned "Startup program".
// The registry is told to refuse by a root key that is no key at all.
TEST_F(MainWindowTest, AnAutostartBothKeysRefuseShowsTheStartupProgramBox) {
    TfrmMain form(clock, root.Path(), Autostart(kRefusedRoot, kRefusedRoot));
    EXPECT_FALSE(form.MenuItem("pAutoStart").Checked());
    form.pAutoStartClick(form);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Failed to set data for 'User Ostrelle'");
    EXPECT_EQ(messages.messages[0].caption, "Startup program");
    EXPECT_EQ(messages.messages[0].flags & MB_ICONMASK, unsigned(MB_ICONERROR));
    EXPECT_FALSE(form.MenuItem("pAutoStart").Checked());
}

// A description that lacks a part the window drives: start-up says what is
// missing, and every handler of the window is safe to call afterwards. The
// window then closes when asked, having nothing to save and no tray to hide
// in.
TEST_F(MainWindowTest, AWindowWhosePartsCannotBeBoundSaysSoAndEveryHandlerIsSafe) {
    std::string description = ReadFormResource(L"FRMMAIN");
    const std::string part = "object stlblBottomTextMont:";
    description.replace(description.find(part), part.size(), "object stlblSomethingElse:");
    const std::string today = ReadFile(history + "26-12-08.dat");
    TForm standIn(nullptr); // closing the window must not end the test's application
    TfrmMain form(clock, root.Path(), Autostart(machine.Get(), user.Get()), description);
    EXPECT_FALSE(form.Bound());
    EXPECT_THAT(Texts(), ElementsAre("frmMain has no stlblBottomTextMont"));
    messages.messages.clear();

    TChart& day = FindOwned<TChart>(form, "myChart");
    auto& hook = FindOwned<TSysKeyboardHook>(form, "SysKeyboardHook");
    std::string label = "600";
    double low = -5, high = 2000;
    bool allow = true;
    form.SysKeyboardHookKeyDown(hook, 'A', 0, allow);
    form.TimerMouseTimer(form);
    form.TimerMinutesTimer(form);
    form.TreeViewChange(form, nullptr);
    form.TreeViewMouseMove(form, 0, 5, 5);
    form.pAboutClick(form);
    form.pShowStatClick(form);
    form.pHideStatClick(form);
    form.pAutoStartClick(form);
    form.PopupMenuPopup(form);
    form.TrayIconMouseDown(form, mbLeft, 0, 0, 0);
    form.sbtnZoomInClick(form);
    form.sbtnZoomOutClick(form);
    form.sbtnZoomUndoClick(form);
    form.myChartMouseDown(form, mbRight, 0, 5, 5);
    form.myChartMouseMove(form, 0, 6, 6);
    form.myChartMouseUp(form, mbRight, 0, 6, 6);
    form.ChartMonthMouseMove(form, 0, 5, 5);
    form.myChartGetAxisLabel(day.BottomAxis(), nullptr, -1, label);
    form.myChartAllowScroll(day.BottomAxis(), low, high, allow);
    for (WORD key : {WORD(VK_ADD), WORD(VK_SUBTRACT), WORD(VK_MULTIPLY), WORD(VK_F1)})
        form.FormKeyDown(form, key, 0);
    form.FormEndSession(form);
    EXPECT_TRUE(allow);
    EXPECT_TRUE(messages.messages.empty());

    bool canClose = false;
    form.FormCloseQuery(form, canClose);
    EXPECT_TRUE(canClose);
    form.Quit();
    EXPECT_FALSE(FileExists(options));
    EXPECT_EQ(ReadFile(history + "26-12-08.dat"), today);
}

// The tick refreshes the caption of the active span while the tree's
// selection stands for today (its month or its day), and leaves the caption
// of a past day on view alone.
TEST_F(MainWindowTest, TheTickRefreshesTheSpanCaptionOnlyWhileTodayIsSelected) {
    WriteFile(history + "26-12-01.dat", DayText({{600, "7:0:0"}}));
    auto form = Start(); // the current month is selected
    TControl& caption = *dynamic_cast<TControl*>(form->FindComponent("stlblBottomText"));
    clock.Set({{2026, 12, 8}, 10, 1, 0, 0});
    form->TimerMinutesTimer(*form);
    EXPECT_EQ(caption.Caption(), "Hours [from 10:01 to 10:01]");

    TTreeNode& december = form->TreeView().Root(1);
    form->TreeView().SetSelected(&december.Item(0)); // 2026-12-01
    EXPECT_EQ(caption.Caption(), "Hours [from 10:00 to 10:00]");
    clock.Set({{2026, 12, 8}, 10, 2, 0, 0});
    form->TimerMinutesTimer(*form);
    EXPECT_EQ(caption.Caption(), "Hours [from 10:00 to 10:00]");

    form->TreeView().SetSelected(&december.Item(1)); // 2026-12-08, today
    clock.Set({{2026, 12, 8}, 10, 3, 0, 0});
    form->TimerMinutesTimer(*form);
    EXPECT_EQ(caption.Caption(), "Hours [from 10:01 to 10:03]");
    EXPECT_TRUE(messages.messages.empty());
}
