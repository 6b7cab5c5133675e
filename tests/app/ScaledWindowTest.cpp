// The main window and the About dialog at the screen scale this process finds:
// 96 in the test session; 120, 144 and 192 when run_at_scales.py starts it
// over a Wine server of its own with that scale (it names the scale in
// TALLYVANE_SCREEN_PPI). Everything is the design made larger; nothing is cut.
#include "MainWindowFixture.h"

#include "app/About.h"
#include "chart/demo/DemoCharts.h"
#include "history/DayChartRules.h"
#include "support/ChartAtScale.h"
#include "support/DayText.h"
#include "support/PumpMessages.h"
#include "toolkit/FindOwned.h"
#include "toolkit/IniFile.h"
#include "toolkit/ScreenDpi.h"
#include "toolkit/Splitter.h"
#include "toolkit/StdControls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

int ScreenPpi() {
    return int(GetDpiForSystem());
}

int S(int designed, int ppi = ScreenPpi()) {
    return ScaleLength(designed, ppi, kDesignedPixelsPerInch);
}

int BitmapWidth(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return info.bmWidth;
}

TRect ScreenRect(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.left, r.top, r.right, r.bottom};
}

TRect ClientOnScreen(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

std::wstring Text(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// The text of a control as its own font draws it.
SIZE TextSize(HWND hwnd) {
    const std::wstring text = Text(hwnd);
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return {r.right, r.bottom};
}

// Every visible window inside `top` lies within its parent's client area,
// and every text of a static or a button fits the control's client area.
void ExpectAllInsideAndUncut(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(
        top,
        [](HWND hwnd, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    ASSERT_FALSE(children.empty());
    for (HWND child : children) {
        if (!IsWindowVisible(child))
            continue;
        const std::string name = Narrow(ClassOf(child)) + " '" + Narrow(Text(child)) + "'";
        const TRect box = ScreenRect(child);
        const TRect room = ClientOnScreen(GetParent(child));
        EXPECT_TRUE(box.left >= room.left && box.top >= room.top && box.right <= room.right &&
                    box.bottom <= room.bottom)
            << name << " sticks out of its parent";
        const std::wstring kind = ClassOf(child);
        if (Text(child).empty() || (kind != L"Static" && kind != L"Button"))
            continue;
        const SIZE text = TextSize(child);
        RECT client;
        GetClientRect(child, &client);
        EXPECT_LE(text.cx, client.right) << name << " is cut on the right";
        EXPECT_LE(text.cy, client.bottom) << name << " is cut at the bottom";
    }
}

// Where every control of the window is in its parent.
std::map<std::string, TRect> Places(TForm& form) {
    std::map<std::string, TRect> places;
    for (TComponent* component : form.Components())
        if (auto* control = dynamic_cast<TControl*>(component); control && control->Parent())
            places[control->Name()] = control->BoundsRect();
    return places;
}

void SendScaleChange(TForm& form, int ppi, const TRect& suggested) {
    const RECT r{suggested.left, suggested.top, suggested.right, suggested.bottom};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(ppi, ppi), reinterpret_cast<LPARAM>(&r));
}

void HourLabels(TChartAxis& sender, TChartSeries*, int, std::string& text) {
    if (&sender == &sender.ParentChart().BottomAxis())
        text = HourLabel(text);
}

} // namespace

TEST(ScreenScale, TheProcessRunsAtTheScaleItWasGivenAwareOfEachMonitor) {
    if (const char* given = std::getenv("TALLYVANE_SCREEN_PPI")) {
        EXPECT_EQ(ScreenPpi(), std::atoi(given)) << "Wine did not take the scale";
    }
    std::printf("screen scale: %d pixels per inch\n", ScreenPpi());
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

// The main window over a history of two days of December 2026.
class ScaledWindowTest : public MainWindowFixture {
protected:
    ScaledWindowTest() {
        for (const char* name : {"26-12-01.dat", "26-12-08.dat"})
            WriteFile(history + name, DayText({{600, "40:12:0"}, {601, "20:30:0"}}));
    }
};

TEST_F(ScaledWindowTest, TheMainWindowIsItsDesignAtTheScreensScale) {
    auto form = Start();
    const int ppi = ScreenPpi();
    EXPECT_EQ(form->PixelsPerInch(), ppi);
    EXPECT_EQ(WindowPixelsPerInch(form->Handle()), ppi);
    // Without settings the designed size, scaled, as far as the screen
    // allows (at 200 % the design is wider than the test display's 1280).
    EXPECT_EQ(form->Width(), std::min(S(740), GetSystemMetrics(SM_CXMAXTRACK)));
    EXPECT_EQ(form->Height(), std::min(S(360), GetSystemMetrics(SM_CYMAXTRACK)));
    EXPECT_EQ(form->Font().Height(), S(-11));
    TTreeView& tree = form->TreeView();
    EXPECT_EQ(tree.Width(), S(150));
    EXPECT_EQ(tree.Font().Height(), S(-11));
    EXPECT_EQ(SendMessageW(tree.Handle(), TVM_GETINDENT, 0, 0), S(19));
    auto images = reinterpret_cast<HIMAGELIST>(
        SendMessageW(tree.Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
    EXPECT_EQ(cx, GetSystemMetricsForDpi(SM_CXSMICON, UINT(ppi)));
    EXPECT_EQ(ImageList_GetImageCount(images), 3);
    // A row holds its image and its text.
    EXPECT_GE(SendMessageW(tree.Handle(), TVM_GETITEMHEIGHT, 0, 0), std::max(cy, S(11)));
    EXPECT_EQ(FindOwned<TSplitter>(*form, "Splitter").Width(), S(3));
    for (const char* name : {"sbtnZoomIn", "sbtnZoomOut", "sbtnZoomUndo"}) {
        auto& zoom = FindOwned<TSpeedButton>(*form, name);
        EXPECT_EQ(zoom.Width(), S(23)) << name;
        EXPECT_EQ(zoom.Height(), S(22)) << name;
        EXPECT_EQ(BitmapWidth(zoom.Glyph()), S(16)) << name;
    }
    EXPECT_EQ(form->DayChart().PixelsPerInch(), ppi);
    EXPECT_EQ(form->MonthChart().PixelsPerInch(), ppi);
    // The notification area's icon: the system's small-icon size.
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(form->TrayIcon().Icon().Handle(), &info));
    EXPECT_EQ(BitmapWidth(info.hbmColor ? info.hbmColor : info.hbmMask),
              GetSystemMetricsForDpi(SM_CXSMICON, GetDpiForSystem()));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(ScaledWindowTest, EveryControlLiesInsideTheWindowAndNoCaptionIsCut) {
    auto form = Start();
    form->Show();
    TTreeNode& december = form->TreeView().Root(0);
    for (TTreeNode* shown : {&december.Item(1), &december}) {
        SCOPED_TRACE(shown->Text());
        form->TreeView().SetSelected(shown);
        PumpUntil([] { return false; }, 100);
        ExpectAllInsideAndUncut(form->Handle());
    }
}

TEST_F(ScaledWindowTest, BothChartsAreLaidOutToScale) {
    using namespace chart_at_scale;
    auto form = Start();
    const int ppi = ScreenPpi();
    // The window's charts and the designed ones at 96, sized as the window's
    // are at 96, with the same activity.
    TChartDemoForm designedForm;
    DemoCharts designed = LoadDemoCharts(designedForm);
    DemoCharts shown = FindDemoCharts(*form);
    for (DemoCharts* charts : {&designed, &shown}) {
        FillDayActivity(charts->day, 3);
        FillMonthActivity(charts->month, 3);
        charts->day.chart->SetOnGetAxisLabel(HourLabels);
        charts->day.chart->BottomAxis().SetRange(600, 800);
    }
    for (auto [mine, theirs] : {std::pair{designed.day.chart, shown.day.chart},
                                std::pair{designed.month.chart, shown.month.chart}}) {
        mine->LeftAxis().Title().SetCaption(theirs->LeftAxis().Title().Caption());
        mine->SetBounds(0, 0, ScaleLength(theirs->ClientWidth(), 96, ppi),
                        ScaleLength(theirs->ClientHeight(), 96, ppi));
        SCOPED_TRACE(theirs->Name());
        // One pixel more than between charts of exactly scaled sizes: the
        // window's are what its client area gives.
        ExpectLaidOutToScale(Paint(*mine), Paint(*theirs), ppi, 5);
    }
}

TEST_F(ScaledWindowTest, SettingsKeepTheWindowsRealPixels) {
    WriteFile(options, "[PosSize]\r\nWindowState=1\r\nTop=50\r\nLeft=60\r\nHeight=500\r\nWidth="
                       "1000\r\nTreeWidth=300\r\n");
    auto form = Start();
    EXPECT_EQ(form->Width(), 1000);
    EXPECT_EQ(form->Height(), 500);
    EXPECT_EQ(form->TreeView().Width(), 300);
    ASSERT_TRUE(ConfirmedClose(*form));
    TIniFile ini(options);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Width", -1), 1000);
    EXPECT_EQ(ini.ReadInteger("PosSize", "TreeWidth", -1), 300);
}

// The window moves to a monitor of another scale and back (the system sends
// the new scale and a rectangle for it): from 100 % to 150 %, from any other
// scale to 100 %, so the window fits the test display at both.
TEST_F(ScaledWindowTest, AScaleChangeScalesTheWindowAgainAndBackExactly) {
    auto form = Start();
    form->Show();
    const int ppi = ScreenPpi();
    const int other = ppi == 96 ? 144 : 96;
    const TRect before = form->BoundsRect();
    TTreeView& tree = form->TreeView();
    tree.SetWidth(S(170)); // the splitter dragged, at this scale
    const auto places = Places(*form);
    const int treeWidth = tree.Width();

    SendScaleChange(*form, other, ScaleBounds(before, other, ppi));
    EXPECT_EQ(form->PixelsPerInch(), other);
    EXPECT_EQ(form->BoundsRect(), ScaleBounds(before, other, ppi));
    EXPECT_EQ(tree.Width(), ScaleLength(treeWidth, other, ppi));
    EXPECT_EQ(tree.Font().Height(), S(-11, other));
    EXPECT_EQ(form->DayChart().PixelsPerInch(), other);
    EXPECT_EQ(BitmapWidth(FindOwned<TSpeedButton>(*form, "sbtnZoomIn").Glyph()), S(16, other));
    auto images = reinterpret_cast<HIMAGELIST>(
        SendMessageW(tree.Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images, &cx, &cy);
    EXPECT_EQ(cx, GetSystemMetricsForDpi(SM_CXSMICON, UINT(other)));
    ExpectAllInsideAndUncut(form->Handle());

    SendScaleChange(*form, ppi, before);
    EXPECT_EQ(form->PixelsPerInch(), ppi);
    EXPECT_EQ(form->BoundsRect(), before);
    EXPECT_EQ(Places(*form), places);
    EXPECT_EQ(tree.Font().Height(), S(-11));
}

TEST_F(ScaledWindowTest, PointerTravelFollowsTheWindowsScale) {
    auto form = Start();
    const int ppi = ScreenPpi();
    ActivityRecorder& recorder = form->Recorder();
    // A metre of travel at this scale and then at twice it.
    recorder.SetLastCursorPos({0, 0});
    recorder.Poll({ScaleLength(3780, ppi, 96), 0});
    EXPECT_EQ(form->DayChart().LeftAxis().Title().Caption(), "Activity [0 : 10]");
    const TRect before = form->BoundsRect();
    SendScaleChange(*form, ppi * 2, ScaleBounds(before, ppi * 2, ppi));
    recorder.Poll({ScaleLength(3780, ppi, 96) + ScaleLength(3780, ppi * 2, 96), 0});
    EXPECT_EQ(form->DayChart().LeftAxis().Title().Caption(), "Activity [0 : 20]");
}

TEST(ScaledAbout, TheAboutDialogIsItsDesignAtTheScreensScale) {
    RecordingMessageSink messages;
    ScopedMessageSink recorded{messages};
    TfrmAbout about;
    about.Show();
    EXPECT_EQ(about.PixelsPerInch(), ScreenPpi());
    EXPECT_EQ(about.ClientWidth(), S(421));
    EXPECT_EQ(about.ClientHeight(), S(290));
    auto& picture = dynamic_cast<TImage&>(*about.FindComponent("Image"));
    EXPECT_EQ(BitmapWidth(picture.Bitmap()), S(421));
    EXPECT_EQ(picture.BoundsRect(), TRect::FromBounds(0, 0, S(421), S(290)));
    auto& close = dynamic_cast<TButton&>(*about.FindComponent("btnClose"));
    EXPECT_EQ(close.BoundsRect(), TRect::FromBounds(S(288), S(252), S(99), S(28)));
    auto& homepage = dynamic_cast<TLabel&>(*about.FindComponent("lblHomepageCapt"));
    EXPECT_EQ(homepage.Left(), S(184));
    EXPECT_EQ(homepage.Top(), S(88));
    EXPECT_EQ(homepage.Font().Height(), S(-11));
    ExpectAllInsideAndUncut(about.Handle());
    EXPECT_TRUE(messages.messages.empty());
    about.Hide();
}
