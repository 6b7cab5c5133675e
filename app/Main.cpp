#include "Main.h"

#include "About.h"
#include "HistoryParts.h"
#include "MainFormClasses.h"
#include "WindowOptions.h"
#include "WindowPlacement.h"
#include "chart/Chart.h"
#include "desktop/TrayIcon.h"
#include "history/DayChartRules.h"
#include "history/HistoryTree.h"
#include "history/HistoryViews.h"
#include "history/TreeLabels.h"
#include "recording/ActivityRecorder.h"
#include "recording/DayLog.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"
#include "toolkit/FindOwned.h"
#include "toolkit/FormLoader.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/StdControls.h"
#include "toolkit/Timer.h"

#include <algorithm>

namespace {
constexpr int kHintHidePause = 10000;

// Where the day log and the recorder report what they got past: the
// application's error box. The minute tick reports from its timer, so while
// another box is on screen its report is dropped, not nested (one box at a
// time, Application.h); a failure that holds is reported again by the next
// tick.
ErrorReporter ErrorBox() {
    return [](const std::exception& error) { Application().ShowException(error); };
}

FormHandlers MainHandlers(TfrmMain* form) {
    FormHandlers h;
    h.Add("FormCreate", form, &TfrmMain::FormCreate);
    h.Add("FormCloseQuery", form, &TfrmMain::FormCloseQuery);
    h.Add("FormEndSession", form, &TfrmMain::FormEndSession);
    h.Add("FormKeyDown", form, &TfrmMain::FormKeyDown);
    h.Add("SysKeyboardHookKeyDown", form, &TfrmMain::SysKeyboardHookKeyDown);
    h.Add("TimerMouseTimer", form, &TfrmMain::TimerMouseTimer);
    h.Add("TimerMinutesTimer", form, &TfrmMain::TimerMinutesTimer);
    h.Add("TreeViewChange", form, &TfrmMain::TreeViewChange);
    h.Add("TreeViewMouseMove", form, &TfrmMain::TreeViewMouseMove);
    h.Add("pCloseClick", form, &TfrmMain::pCloseClick);
    h.Add("pAboutClick", form, &TfrmMain::pAboutClick);
    h.Add("pShowStatClick", form, &TfrmMain::pShowStatClick);
    h.Add("pHideStatClick", form, &TfrmMain::pHideStatClick);
    h.Add("pAutoStartClick", form, &TfrmMain::pAutoStartClick);
    h.Add("PopupMenuPopup", form, &TfrmMain::PopupMenuPopup);
    h.Add("TrayIconMouseDown", form, &TfrmMain::TrayIconMouseDown);
    h.Add("sbtnZoomInClick", form, &TfrmMain::sbtnZoomInClick);
    h.Add("sbtnZoomOutClick", form, &TfrmMain::sbtnZoomOutClick);
    h.Add("sbtnZoomUndoClick", form, &TfrmMain::sbtnZoomUndoClick);
    h.Add("myChartMouseDown", form, &TfrmMain::myChartMouseDown);
    h.Add("myChartMouseUp", form, &TfrmMain::myChartMouseUp);
    h.Add("myChartMouseMove", form, &TfrmMain::myChartMouseMove);
    h.Add("ChartMonthMouseMove", form, &TfrmMain::ChartMonthMouseMove);
    h.Add("myChartGetAxisLabel", form, &TfrmMain::myChartGetAxisLabel);
    h.Add("myChartAllowScroll", form, &TfrmMain::myChartAllowScroll);
    return h;
}
} // namespace

// Everything the window drives, found once by the names its description
// gives, then the day log, the recorder and the history views over them.
// It exists whole or not at all.
struct TfrmMain::Parts {
    Parts(TfrmMain& form, const Clock& clock, const std::string& historyDir)
        : tree(FindOwned<TTreeView>(form, "TreeView")),
          dayChart(FindOwned<TChart>(form, "myChart")),
          monthChart(FindOwned<TChart>(form, "ChartMonth")),
          dayCaption(FindOwned<TStaticText>(form, "stlblBottomText")),
          timerMinutes(FindOwned<TTimer>(form, "TimerMinutes")),
          popupMenu(FindOwned<TPopupMenu>(form, "PopupMenu")),
          trayIcon(FindOwned<TTrayIcon>(form, "TrayIcon")),
          close(FindOwned<TMenuItem>(form, "pClose")),
          autoStart(FindOwned<TMenuItem>(form, "pAutoStart")),
          showStat(FindOwned<TMenuItem>(form, "pShowStat")),
          hideStat(FindOwned<TMenuItem>(form, "pHideStat")),
          dayLog(DaySeries{FindOwned<TChartSeries>(form, "mySeriesKeys2"),
                           FindOwned<TChartSeries>(form, "mySeriesMouse2"),
                           FindOwned<TChartSeries>(form, "mySeriesCPU1")},
                 clock, historyDir, ErrorBox(),
                 DayLog::Caption{[this] { return dayCaption.Hint(); },
                                 [this](const std::string& text) { dayCaption.SetCaption(text); }}),
          recorder(
              dayLog, clock, timerMinutes, [&form] { return form.PixelsPerInch(); }, ErrorBox(),
              ActivityRecorder::Hooks{[this](const std::string& title) {
                                          dayChart.LeftAxis().Title().SetCaption(title);
                                      },
                                      [this](const Date& date) {
                                          const TTreeNode* node = tree.Selected();
                                          return node && LabelShowsDate(node->Text(), date);
                                      }}),
          views(HistoryPartsOf(form), dayLog, clock) {}

    TTreeView& tree;
    TChart& dayChart;
    TChart& monthChart;
    TStaticText& dayCaption;
    TTimer& timerMinutes;
    TPopupMenu& popupMenu;
    TTrayIcon& trayIcon;
    TMenuItem& close;
    TMenuItem& autoStart;
    TMenuItem& showStat;
    TMenuItem& hideStat;
    DayLog dayLog;
    ActivityRecorder recorder;
    HistoryViews views;
};

TfrmMain::TfrmMain(const Clock& clock, std::string programFolder, Autostart autostart)
    : TfrmMain(clock, std::move(programFolder), autostart, ReadFormResource(L"FRMMAIN")) {}

TfrmMain::TfrmMain(const Clock& clock, std::string programFolder, Autostart autostart,
                   std::string_view description)
    : TForm(nullptr), clock_(clock), programFolder_(std::move(programFolder)),
      optionsFile_(programFolder_ + "options.ini"), autostart_(autostart) {
    Load(MainFormClasses(), MainHandlers(this), description, "FRMMAIN");
}

TfrmMain::~TfrmMain() = default;

namespace {
template <typename T> T& Required(const std::unique_ptr<T>& parts) {
    if (!parts)
        throw Exception("The main window's parts are not bound");
    return *parts;
}
} // namespace

TTreeView& TfrmMain::TreeView() {
    return Required(parts_).tree;
}
TChart& TfrmMain::DayChart() {
    return Required(parts_).dayChart;
}
TChart& TfrmMain::MonthChart() {
    return Required(parts_).monthChart;
}
TPopupMenu& TfrmMain::PopupMenu() {
    return Required(parts_).popupMenu;
}
TTrayIcon& TfrmMain::TrayIcon() {
    return Required(parts_).trayIcon;
}
TMenuItem& TfrmMain::MenuItem(const std::string& name) {
    return FindOwned<TMenuItem>(*this, name);
}
TTimer& TfrmMain::TimerMinutes() {
    return Required(parts_).timerMinutes;
}
DayLog& TfrmMain::Log() {
    return Required(parts_).dayLog;
}
ActivityRecorder& TfrmMain::Recorder() {
    return Required(parts_).recorder;
}
HistoryViews& TfrmMain::Views() {
    return Required(parts_).views;
}

void TfrmMain::BindParts() {
    parts_ = std::make_unique<Parts>(*this, clock_, programFolder_ + "history\\");
    if (std::optional<ScreenPoint> pointer = CursorPosition())
        parts_->recorder.SetLastCursorPos(*pointer);
}

// Start-up, in this order: the parts, hint pause, settings, autostart,
// today's day file, the tree (whose selection shows the current month), and
// the minute timer put on the wall-clock minute. An error stops the steps
// after it; the window still runs.
void TfrmMain::FormCreate(TComponent&) {
    BindParts();
    Application().SetHintHidePause(kHintHidePause);
    ApplyOptions();
    if (autostart_.Registered()) {
        parts_->autoStart.SetChecked(true);
        Application().SetShowMainForm(false);
    }
    parts_->dayLog.LoadTodayFile();
    BuildHistoryTree(parts_->tree, parts_->dayLog.HistoryDir(), clock_, ErrorBox());
    parts_->recorder.StartMinuteTimer();
}

WindowOptions TfrmMain::CurrentOptions() {
    WindowOptions options;
    if (WindowState() == wsMaximized)
        options.state = WindowOptions::State::Maximised;
    else
        options.state =
            WindowOnScreen() ? WindowOptions::State::Normal : WindowOptions::State::Hidden;
    options.bounds = TRect::FromBounds(Left(), Top(), Width(), Height());
    // A maximised window never shown keeps the tree width it was given:
    // until it is shown it is only as wide as designed.
    options.treeWidth = pendingTreeWidth_.value_or(parts_->tree.Width());
    return options;
}

void TfrmMain::ApplyOptions() {
    const WindowOptions options = ReadWindowOptions(optionsFile_, CurrentOptions());
    if (options.state == WindowOptions::State::Maximised) {
        SetWindowState(wsMaximized);
    } else {
        const TRect placed = KeepOnScreen(options.bounds, MonitorWorkAreas());
        SetBounds(placed.left, placed.top, placed.Width(), placed.Height());
        if (options.state == WindowOptions::State::Hidden)
            Application().SetShowMainForm(false);
    }
    // Stored settings put the window where the user left it; without them it
    // opens centred.
    if (FileExists(optionsFile_))
        SetPosition(poDesigned);
    SetTreeWidth(options.treeWidth);
    // A maximised window is as wide as its screen only once it is shown: the
    // tree gets the rest of its width then.
    if (WindowState() == wsMaximized)
        pendingTreeWidth_ = options.treeWidth;
}

void TfrmMain::SetTreeWidth(int width) {
    const int room = ScaleLength(40, PixelsPerInch(), kDesignedPixelsPerInch);
    parts_->tree.SetWidth(std::clamp(width, 0, std::max(Width() - room, 0)));
}

void TfrmMain::Resized() {
    TForm::Resized();
    if (parts_ && pendingTreeWidth_ && HandleAllocated() && IsZoomed(Handle())) {
        SetTreeWidth(*pendingTreeWidth_);
        pendingTreeWidth_.reset();
    }
}

bool TfrmMain::WindowOnScreen() {
    return HandleAllocated() && IsWindowVisible(Handle()) && !IsIconic(Handle());
}

void TfrmMain::Quit() {
    if (parts_)
        parts_->close.SetChecked(true);
    Close();
}

// Every request to close is refused and sends the program to the tray,
// unless the quit flag is set: then the day and the settings are saved.
void TfrmMain::FormCloseQuery(TComponent&, bool& canClose) {
    // Alt+F4 quits through the shortcut and then asks the system to close as
    // well; the quit has saved everything already. A window whose parts
    // could not be bound has nothing to save and no tray to go to.
    if (Application().Terminated() || !parts_) {
        canClose = true;
        return;
    }
    if (!parts_->close.Checked()) {
        canClose = false;
        Application().Minimize();
        return;
    }
    // A day that could not be saved keeps the window and the flag: the next
    // close tries again.
    canClose = SaveForExit(Reporting::Shown);
}

// The session ends (log-off, shut-down): save as a confirmed quit does, but
// show nothing, since nobody is there to answer a box and the system may end
// the program any moment after. The form then ends the program.
void TfrmMain::FormEndSession(TComponent&) {
    if (parts_)
        SaveForExit(Reporting::Quiet);
}

bool TfrmMain::SaveForExit(Reporting reporting) {
    RecordingMessageSink unseen;
    std::optional<ScopedMessageSink> quiet;
    if (reporting == Reporting::Quiet)
        quiet.emplace(unseen);
    bool daySaved = true;
    try {
        parts_->dayLog.SaveDayFile();
    } catch (const std::exception& error) {
        Application().ShowException(error);
        daySaved = false;
    }
    if (!daySaved && reporting == Reporting::Shown)
        return false;
    try {
        WriteWindowOptions(optionsFile_, CurrentOptions());
    } catch (const std::exception& error) {
        Application().ShowException(error);
    }
    return daySaved;
}

void TfrmMain::pCloseClick(TComponent&) {
    Quit();
}

void TfrmMain::FormKeyDown(TComponent&, WORD& key, TShiftState shift) {
    if (key == VK_ADD)
        sbtnZoomInClick(*this);
    else if (key == VK_SUBTRACT)
        sbtnZoomOutClick(*this);
    else if (key == VK_MULTIPLY)
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
    if (parts_)
        parts_->recorder.KeyDown();
}

void TfrmMain::TimerMouseTimer(TComponent&) {
    if (parts_)
        parts_->recorder.PollPointer();
}

void TfrmMain::TimerMinutesTimer(TComponent&) {
    if (parts_)
        parts_->recorder.MinuteTick();
}

void TfrmMain::TreeViewChange(TComponent&, TTreeNode*) {
    if (parts_)
        parts_->views.SelectionChanged();
}

void TfrmMain::TreeViewMouseMove(TComponent&, TShiftState, int x, int y) {
    if (parts_)
        parts_->views.Hint().MouseMove(x, y);
}

void TfrmMain::myChartMouseMove(TComponent&, TShiftState, int, int) {
    if (parts_)
        parts_->views.Readouts().DayChartMouseMove();
}

void TfrmMain::ChartMonthMouseMove(TComponent&, TShiftState, int, int) {
    if (parts_)
        parts_->views.Readouts().MonthChartMouseMove();
}

void TfrmMain::pAboutClick(TComponent&) {
    if (about_)
        about_->ShowModal();
}

void TfrmMain::SetMenuShown(bool windowShown) {
    parts_->showStat.SetVisible(!windowShown);
    parts_->hideStat.SetVisible(windowShown);
    (windowShown ? parts_->hideStat : parts_->showStat).SetDefault(true);
}

void TfrmMain::PopupMenuPopup(TComponent&) {
    if (parts_)
        SetMenuShown(HandleAllocated() && IsWindowVisible(Handle()));
}

void TfrmMain::pShowStatClick(TComponent&) {
    if (!parts_)
        return;
    parts_->trayIcon.RestoreMainForm();
    SetMenuShown(true);
}

// The default item is set for the window as the press finds it, so that the
// double click this press may begin hides a window that was shown and keeps
// one that was hidden on screen.
void TfrmMain::TrayIconMouseDown(TComponent&, TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft || !parts_)
        return;
    SetMenuShown(HandleAllocated() && IsWindowVisible(Handle()));
    parts_->trayIcon.RestoreMainForm();
}

void TfrmMain::pHideStatClick(TComponent&) {
    Application().Minimize();
    if (parts_)
        SetMenuShown(false);
}

void TfrmMain::pAutoStartClick(TComponent&) {
    if (!parts_)
        return;
    bool registered = false;
    std::string failure;
    try {
        autostart_.Register(ExecutablePath());
        registered = true;
    } catch (const std::exception& error) {
        failure = error.what();
    }
    parts_->autoStart.SetChecked(registered);
    if (registered)
        Application().ShowMessageBox("Program successfully added to startup", Caption(),
                                     MB_OK | MB_ICONINFORMATION);
    else
        Application().ShowMessageBox(failure, "Startup program", MB_OK | MB_ICONERROR);
}

void TfrmMain::sbtnZoomInClick(TComponent&) {
    if (parts_)
        parts_->views.Day().ZoomIn();
}

void TfrmMain::sbtnZoomOutClick(TComponent&) {
    if (parts_)
        parts_->views.Day().ZoomOut();
}

void TfrmMain::sbtnZoomUndoClick(TComponent&) {
    if (parts_)
        parts_->views.Day().ZoomUndo();
}

void TfrmMain::myChartMouseDown(TComponent&, TMouseButton button, TShiftState, int, int) {
    if (parts_)
        parts_->views.Day().MouseDown(button);
}

void TfrmMain::myChartMouseUp(TComponent&, TMouseButton button, TShiftState, int, int) {
    if (parts_)
        parts_->views.Day().MouseUp(button);
}

void TfrmMain::myChartGetAxisLabel(TChartAxis& sender, TChartSeries*, int, std::string& labelText) {
    if (parts_ && &sender == &parts_->dayChart.BottomAxis())
        labelText = HourLabel(labelText);
}

void TfrmMain::myChartAllowScroll(TChartAxis& sender, double& aMin, double& aMax,
                                  bool& allowScroll) {
    if (!parts_)
        return;
    if (!AllowDayScroll(&sender == &parts_->dayChart.BottomAxis(), aMin, aMax))
        allowScroll = false;
}
