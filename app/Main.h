#pragma once

#include "chart/Chart.h"
#include "desktop/SysKeyboardHook.h"
#include "desktop/TrayIcon.h"
#include "recording/ActivityRecorder.h"
#include "recording/DayLog.h"
#include "toolkit/Clock.h"
#include "toolkit/Form.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/StdControls.h"
#include "toolkit/Timer.h"
#include "toolkit/TreeView.h"

#include <memory>
#include <optional>
#include <string>

class HistoryViews;
class TChartAxis;
class TfrmAbout;

// The main window: the history tree beside the day and month charts, the
// recording timers and the keyboard hook, the tray menu. It is built from
// its form description; start-up is FormCreate, quitting is FormCloseQuery
// with the quit flag set.
class TfrmMain : public TForm {
public:
    // `programFolder` holds options.ini and the history folder (with its
    // trailing backslash); production passes the executable's folder.
    TfrmMain(const Clock& clock, std::string programFolder);
    ~TfrmMain() override; // where the history views are a complete type

    // Form-description handlers.
    void FormCreate(TComponent& sender);
    void FormCloseQuery(TComponent& sender, bool& canClose);
    void FormEndSession(TComponent& sender);
    void FormKeyDown(TComponent& sender, WORD& key, TShiftState shift);
    void SysKeyboardHookKeyDown(TSysKeyboardHook& sender, std::uint16_t key, TShiftState shift,
                                bool& allow);
    void TimerMouseTimer(TComponent& sender);
    void TimerMinutesTimer(TComponent& sender);
    void TreeViewChange(TComponent& sender, TTreeNode* node);
    void TreeViewMouseMove(TComponent& sender, TShiftState shift, int x, int y);
    void pCloseClick(TComponent& sender);
    void pAboutClick(TComponent& sender);
    void pShowStatClick(TComponent& sender);
    void pHideStatClick(TComponent& sender);
    void pAutoStartClick(TComponent& sender);
    void PopupMenuPopup(TComponent& sender);
    void TrayIconMouseDown(TComponent& sender, TMouseButton button, TShiftState shift, int x,
                           int y);
    void sbtnZoomInClick(TComponent& sender);
    void sbtnZoomOutClick(TComponent& sender);
    void sbtnZoomUndoClick(TComponent& sender);
    void myChartMouseDown(TComponent& sender, TMouseButton button, TShiftState shift, int x, int y);
    void myChartMouseUp(TComponent& sender, TMouseButton button, TShiftState shift, int x, int y);
    void myChartMouseMove(TComponent& sender, TShiftState shift, int x, int y);
    void ChartMonthMouseMove(TComponent& sender, TShiftState shift, int x, int y);
    void myChartGetAxisLabel(TChartAxis& sender, TChartSeries* series, int valueIndex,
                             std::string& labelText);
    void myChartAllowScroll(TChartAxis& sender, double& aMin, double& aMax, bool& allowScroll);

    // The parts tests and the tray look at.
    TTreeView& TreeView() { return *treeView_; }
    TChart& DayChart() { return *myChart_; }
    TChart& MonthChart() { return *chartMonth_; }
    TPopupMenu& PopupMenu() { return *popupMenu_; }
    TTrayIcon& TrayIcon() { return *trayIcon_; }
    TMenuItem& MenuItem(const std::string& name);
    TTimer& TimerMinutes() { return *timerMinutes_; }
    DayLog& Log() { return *dayLog_; }
    ActivityRecorder& Recorder() { return *recorder_; }
    HistoryViews& Views() { return *views_; }
    const std::string& OptionsFile() const { return optionsFile_; }

    // The quit flag: the checked state of the menu's Close item.
    void Quit();

    // The About dialog that F1 and the menu show; made by the program entry.
    void SetAboutDialog(TfrmAbout* about) { about_ = about; }

protected:
    void Resized() override;

private:
    template <typename T> T& Find(const std::string& name);
    void SetTreeWidth(int width);
    void BindComponents();
    void ApplyOptions();
    void ReadAutostart();
    void WriteOptions();
    void SetMenuShown(bool windowShown);

    const Clock& clock_;
    std::string programFolder_;
    std::string optionsFile_;
    TTreeView* treeView_ = nullptr;
    TChart* myChart_ = nullptr;
    TChart* chartMonth_ = nullptr;
    TStaticText* bottomText_ = nullptr;
    TTimer* timerMinutes_ = nullptr;
    TPopupMenu* popupMenu_ = nullptr;
    TTrayIcon* trayIcon_ = nullptr;
    std::unique_ptr<DayLog> dayLog_;
    std::unique_ptr<ActivityRecorder> recorder_;
    std::unique_ptr<HistoryViews> views_;
    TfrmAbout* about_ = nullptr;
    std::optional<int> pendingTreeWidth_;
};

// The registry key and value that make the program start with Windows.
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "User Ostrelle";
