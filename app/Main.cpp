#include "Main.h"

#include "About.h"
#include "MainFormClasses.h"
#include "WindowPlacement.h"
#include "history/DayChartRules.h"
#include "history/HistoryTree.h"
#include "history/HistoryViews.h"
#include "history/TreeLabels.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/FindOwned.h"
#include "toolkit/IniFile.h"
#include "toolkit/Registry.h"

namespace {
constexpr char kSection[] = "PosSize";
constexpr int kHintHidePause = 10000;

// Virtual-key codes the window answers before its controls do.
constexpr WORD kKeypadPlus = 107;
constexpr WORD kKeypadMinus = 109;
constexpr WORD kKeypadMultiply = 106;
} // namespace

TfrmMain::TfrmMain(const Clock& clock, std::string programFolder)
    : TForm(nullptr), clock_(clock), programFolder_(std::move(programFolder)),
      optionsFile_(programFolder_ + "options.ini") {
    FormHandlers h;
    h.Add("FormCreate", this, &TfrmMain::FormCreate);
    h.Add("FormCloseQuery", this, &TfrmMain::FormCloseQuery);
    h.Add("FormEndSession", this, &TfrmMain::FormEndSession);
    h.Add("FormKeyDown", this, &TfrmMain::FormKeyDown);
    h.Add("SysKeyboardHookKeyDown", this, &TfrmMain::SysKeyboardHookKeyDown);
    h.Add("TimerMouseTimer", this, &TfrmMain::TimerMouseTimer);
    h.Add("TimerMinutesTimer", this, &TfrmMain::TimerMinutesTimer);
    h.Add("TreeViewChange", this, &TfrmMain::TreeViewChange);
    h.Add("TreeViewMouseMove", this, &TfrmMain::TreeViewMouseMove);
    h.Add("pCloseClick", this, &TfrmMain::pCloseClick);
    h.Add("pAboutClick", this, &TfrmMain::pAboutClick);
    h.Add("pShowStatClick", this, &TfrmMain::pShowStatClick);
    h.Add("pHideStatClick", this, &TfrmMain::pHideStatClick);
    h.Add("pAutoStartClick", this, &TfrmMain::pAutoStartClick);
    h.Add("PopupMenuPopup", this, &TfrmMain::PopupMenuPopup);
    h.Add("TrayIconMouseDown", this, &TfrmMain::TrayIconMouseDown);
    h.Add("sbtnZoomInClick", this, &TfrmMain::sbtnZoomInClick);
    h.Add("sbtnZoomOutClick", this, &TfrmMain::sbtnZoomOutClick);
    h.Add("sbtnZoomUndoClick", this, &TfrmMain::sbtnZoomUndoClick);
    h.Add("myChartMouseDown", this, &TfrmMain::myChartMouseDown);
    h.Add("myChartMouseUp", this, &TfrmMain::myChartMouseUp);
    h.Add("myChartMouseMove", this, &TfrmMain::myChartMouseMove);
    h.Add("ChartMonthMouseMove", this, &TfrmMain::ChartMonthMouseMove);
    h.Add("myChartGetAxisLabel", this, &TfrmMain::myChartGetAxisLabel);
    h.Add("myChartAllowScroll", this, &TfrmMain::myChartAllowScroll);
    LoadFromResource(MainFormClasses(), h, L"FRMMAIN");
}

TfrmMain::~TfrmMain() = default;

template <typename T> T& TfrmMain::Find(const std::string& name) {
    return FindOwned<T>(*this, name);
}

TMenuItem& TfrmMain::MenuItem(const std::string& name) {
    return Find<TMenuItem>(name);
}

void TfrmMain::BindComponents() {
    treeView_ = &Find<TTreeView>("TreeView");
    myChart_ = &Find<TChart>("myChart");
    chartMonth_ = &Find<TChart>("ChartMonth");
    bottomText_ = &Find<TStaticText>("stlblBottomText");
    timerMinutes_ = &Find<TTimer>("TimerMinutes");
    popupMenu_ = &Find<TPopupMenu>("PopupMenu");
    trayIcon_ = &Find<TTrayIcon>("TrayIcon");

    const ErrorReporter errorBox = [](const std::exception& error) {
        Application().ShowException(error);
    };
    dayLog_ = std::make_unique<DayLog>(
        DaySeries{Find<TChartSeries>("mySeriesKeys2"), Find<TChartSeries>("mySeriesMouse2"),
                  Find<TChartSeries>("mySeriesCPU1")},
        clock_, programFolder_ + "history\\", errorBox,
        DayLog::Caption{[this] { return bottomText_->Hint(); },
                        [this](const std::string& text) { bottomText_->SetCaption(text); }});
    recorder_ = std::make_unique<ActivityRecorder>(
        *dayLog_, clock_, *timerMinutes_, PixelsPerInch(), errorBox,
        ActivityRecorder::Hooks{
            [this](const std::string& title) { myChart_->LeftAxis().Title().SetCaption(title); },
            [this](const Date& date) {
                const TTreeNode* node = treeView_->Selected();
                return node && LabelShowsDate(node->Text(), date);
            }});
    if (std::optional<ScreenPoint> pointer = CursorPosition())
        recorder_->SetLastCursorPos(*pointer);
    views_ = std::make_unique<HistoryViews>(*this, *dayLog_, clock_);
}

// Start-up, in this order: hint pause, history folder, settings, autostart,
// today's day file, the tree (whose selection shows the current month), and
// the minute timer put on the wall-clock minute. An error stops the steps
// after it; the window still runs.
void TfrmMain::FormCreate(TComponent&) {
    BindComponents();
    Application().SetHintHidePause(kHintHidePause);
    ApplyOptions();
    ReadAutostart();
    dayLog_->LoadTodayFile();
    BuildHistoryTree(*treeView_, dayLog_->HistoryDir(), clock_);
    recorder_->StartMinuteTimer();
}

void TfrmMain::ApplyOptions() {
    TIniFile ini(optionsFile_);
    if (ini.ReadInteger(kSection, "WindowState", 1) == 2) {
        SetWindowState(wsMaximized);
    } else {
        int top = ini.ReadInteger(kSection, "Top", Top());
        int left = ini.ReadInteger(kSection, "Left", Left());
        int height = std::max(ini.ReadInteger(kSection, "Height", Height()), 100);
        int width = std::max(ini.ReadInteger(kSection, "Width", Width()), 150);
        TRect placed =
            KeepOnScreen(TRect::FromBounds(left, top, width, height), MonitorWorkAreas());
        SetBounds(placed.left, placed.top, placed.Width(), placed.Height());
        if (ini.ReadInteger(kSection, "WindowState", 1) == 0)
            Application().SetShowMainForm(false);
    }
    // Stored settings put the window where the user left it; without them it
    // opens centred.
    if (FileExists(optionsFile_))
        SetPosition(poDesigned);
    int treeWidth = ini.ReadInteger(kSection, "TreeWidth", treeView_->Width());
    SetTreeWidth(treeWidth);
    // A maximised window is as wide as its screen only once it is shown: the
    // tree gets the rest of its width then.
    if (WindowState() == wsMaximized)
        pendingTreeWidth_ = treeWidth;
}

void TfrmMain::SetTreeWidth(int width) {
    treeView_->SetWidth(std::clamp(width, 0, std::max(Width() - 40, 0)));
}

void TfrmMain::Resized() {
    TForm::Resized();
    if (pendingTreeWidth_ && HandleAllocated() && IsZoomed(Handle())) {
        SetTreeWidth(*pendingTreeWidth_);
        pendingTreeWidth_.reset();
    }
}

// Read-only: a user without the right to write under HKEY_LOCAL_MACHINE
// cannot open the key for writing, and would never see the value there.
void TfrmMain::ReadAutostart() {
    TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey(kRunKey, false) && registry.ValueExists(kRunValue)) {
        MenuItem("pAutoStart").SetChecked(true);
        Application().SetShowMainForm(false);
    }
}

void TfrmMain::Quit() {
    MenuItem("pClose").SetChecked(true);
    Close();
}

// Every request to close is refused and sends the program to the tray,
// unless the quit flag is set: then the day and the settings are saved.
void TfrmMain::FormCloseQuery(TComponent&, bool& canClose) {
    // Alt+F4 quits through the shortcut and then asks the system to close as
    // well; the quit has saved everything already.
    if (Application().Terminated()) {
        canClose = true;
        return;
    }
    if (!MenuItem("pClose").Checked()) {
        canClose = false;
        Application().Minimize();
        return;
    }
    try {
        dayLog_->SaveDayFile();
    } catch (const std::exception& error) {
        // The window stays and the flag stays set: the next close tries again.
        Application().ShowException(error);
        canClose = false;
        return;
    }
    try {
        WriteOptions();
    } catch (const std::exception& error) {
        Application().ShowException(error); // the day is saved; quitting goes on
    }
    canClose = true;
}

// The session ends (log-off, shut-down): save as a confirmed quit does, but
// show nothing, since nobody is there to answer a box and the system may end
// the program any moment after. The form then ends the program.
void TfrmMain::FormEndSession(TComponent&) {
    if (!dayLog_)
        return;
    RecordingMessageSink unseen;
    ScopedMessageSink quiet(unseen);
    try {
        dayLog_->SaveDayFile();
    } catch (const std::exception&) {
    }
    try {
        WriteOptions();
    } catch (const std::exception&) {
    }
}

void TfrmMain::WriteOptions() {
    TIniFile ini(optionsFile_);
    if (WindowState() == wsMaximized) {
        ini.WriteInteger(kSection, "WindowState", 2);
    } else {
        bool shown = HandleAllocated() && IsWindowVisible(Handle()) && !IsIconic(Handle());
        ini.WriteInteger(kSection, "WindowState", shown ? 1 : 0);
        ini.WriteInteger(kSection, "Top", Top());
        ini.WriteInteger(kSection, "Left", Left());
        ini.WriteInteger(kSection, "Height", Height());
        ini.WriteInteger(kSection, "Width", Width());
    }
    ini.WriteInteger(kSection, "TreeWidth", treeView_->Width());
}

void TfrmMain::pCloseClick(TComponent&) {
    Quit();
}

void TfrmMain::FormKeyDown(TComponent&, WORD& key, TShiftState shift) {
    if (key == kKeypadPlus)
        sbtnZoomInClick(*this);
    else if (key == kKeypadMinus)
        sbtnZoomOutClick(*this);
    else if (key == kKeypadMultiply)
        sbtnZoomUndoClick(*this);
    else if (key == VK_ESCAPE)
        Application().Minimize();
    else if (key == VK_F1)
        pAboutClick(*this);
    else if (key == 'Q' && (shift & ssCtrl))
        Quit();
    else if (key == VK_F4 && (shift & ssAlt))
        Quit();
}

void TfrmMain::SysKeyboardHookKeyDown(TSysKeyboardHook&, std::uint16_t, TShiftState, bool&) {
    if (recorder_)
        recorder_->KeyDown();
}

void TfrmMain::TimerMouseTimer(TComponent&) {
    if (recorder_)
        recorder_->PollPointer();
}

void TfrmMain::TimerMinutesTimer(TComponent&) {
    if (recorder_)
        recorder_->MinuteTick();
}

void TfrmMain::TreeViewChange(TComponent&, TTreeNode*) {
    if (views_)
        views_->SelectionChanged();
}

void TfrmMain::TreeViewMouseMove(TComponent&, TShiftState, int x, int y) {
    if (views_)
        views_->Hint().MouseMove(x, y);
}

void TfrmMain::myChartMouseMove(TComponent&, TShiftState, int, int) {
    if (views_)
        views_->Readouts().DayChartMouseMove();
}

void TfrmMain::ChartMonthMouseMove(TComponent&, TShiftState, int, int) {
    if (views_)
        views_->Readouts().MonthChartMouseMove();
}

void TfrmMain::pAboutClick(TComponent&) {
    if (about_)
        about_->ShowModal();
}

void TfrmMain::SetMenuShown(bool windowShown) {
    TMenuItem& show = MenuItem("pShowStat");
    TMenuItem& hide = MenuItem("pHideStat");
    show.SetVisible(!windowShown);
    hide.SetVisible(windowShown);
    (windowShown ? hide : show).SetDefault(true);
}

void TfrmMain::PopupMenuPopup(TComponent&) {
    SetMenuShown(HandleAllocated() && IsWindowVisible(Handle()));
}

void TfrmMain::pShowStatClick(TComponent&) {
    if (trayIcon_)
        trayIcon_->RestoreMainForm();
    SetMenuShown(true);
}

// The default item is set for the window as the press finds it, so that the
// double click this press may begin hides a window that was shown and keeps
// one that was hidden on screen.
void TfrmMain::TrayIconMouseDown(TComponent&, TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft || !trayIcon_)
        return;
    SetMenuShown(HandleAllocated() && IsWindowVisible(Handle()));
    trayIcon_->RestoreMainForm();
}

void TfrmMain::pHideStatClick(TComponent&) {
    Application().Minimize();
    SetMenuShown(false);
}

void TfrmMain::pAutoStartClick(TComponent&) {
    TMenuItem& item = MenuItem("pAutoStart");
    try {
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        if (!registry.OpenKey(kRunKey, true))
            throw Exception(std::string("Failed to set data for '") + kRunValue + "'");
        registry.WriteString(kRunValue, ExecutablePath());
        Application().ShowMessageBox("Program successfully added to startup", Caption(),
                                     MB_OK | MB_ICONINFORMATION);
        item.SetChecked(true);
    } catch (const std::exception& error) {
        Application().ShowMessageBox(error.what(), "Startup program", MB_OK | MB_ICONERROR);
        item.SetChecked(false);
    }
}

void TfrmMain::sbtnZoomInClick(TComponent&) {
    if (views_)
        views_->Day().ZoomIn();
}

void TfrmMain::sbtnZoomOutClick(TComponent&) {
    if (views_)
        views_->Day().ZoomOut();
}

void TfrmMain::sbtnZoomUndoClick(TComponent&) {
    if (views_)
        views_->Day().ZoomUndo();
}

void TfrmMain::myChartMouseDown(TComponent&, TMouseButton button, TShiftState, int, int) {
    if (views_)
        views_->Day().MouseDown(button);
}

void TfrmMain::myChartMouseUp(TComponent&, TMouseButton button, TShiftState, int, int) {
    if (views_)
        views_->Day().MouseUp(button);
}

void TfrmMain::myChartGetAxisLabel(TChartAxis& sender, TChartSeries*, int, std::string& labelText) {
    if (&sender == &myChart_->BottomAxis())
        labelText = HourLabel(labelText);
}

void TfrmMain::myChartAllowScroll(TChartAxis& sender, double& aMin, double& aMax,
                                  bool& allowScroll) {
    if (!AllowDayScroll(&sender == &myChart_->BottomAxis(), aMin, aMax))
        allowScroll = false;
}
