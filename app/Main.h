#pragma once

#include "desktop/Autostart.h"
#include "desktop/SysKeyboardHook.h"
#include "toolkit/Clock.h"
#include "toolkit/Form.h"
#include "toolkit/TreeView.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class ActivityRecorder;
class DayLog;
class HistoryViews;
class TChart;
class TChartAxis;
class TChartSeries;
class TMenuItem;
class TPopupMenu;
class TTimer;
class TTrayIcon;
class TfrmAbout;
struct WindowOptions;

// The main window: the history tree beside the day and month charts, the
// recording timers and the keyboard hook, the tray menu. It is built from
// its form description and binds what the description made to the day log,
// the recorder and the history views; start-up is FormCreate, quitting is
// FormCloseQuery with the quit flag set.
class TfrmMain : public TForm {
public:
    // `programFolder` holds options.ini and the history folder (with its
    // trailing backslash); production passes the executable's folder.
    // `autostart` is where start-up looks for the autostart value and the
    // menu command writes it; tests give one the registry refuses.
    TfrmMain(const Clock& clock, std::string programFolder, Autostart autostart = Autostart());
    // The same from another description of the window, for tests.
    TfrmMain(const Clock& clock, std::string programFolder, Autostart autostart,
             std::string_view description);
    ~TfrmMain() override;

    // Form-description handlers. Each does nothing (and the window closes
    // when asked to) should binding the window's parts have failed.
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

    // Whether the window's parts are bound; the accessors below need them.
    bool Bound() const { return bool(parts_); }
    // The parts tests and the tray look at.
    TTreeView& TreeView();
    TChart& DayChart();
    TChart& MonthChart();
    TPopupMenu& PopupMenu();
    TTrayIcon& TrayIcon();
    TMenuItem& MenuItem(const std::string& name);
    TTimer& TimerMinutes();
    DayLog& Log();
    ActivityRecorder& Recorder();
    HistoryViews& Views();
    const std::string& OptionsFile() const { return optionsFile_; }

    // The quit flag (the checked state of the menu's Close item), then the
    // close request that it lets through.
    void Quit();

    // The About dialog that F1 and the menu show; made by the program entry.
    void SetAboutDialog(TfrmAbout* about) { about_ = about; }

protected:
    void Resized() override;

private:
    struct Parts;
    enum class Reporting { Shown, Quiet };

    void BindParts();
    void ApplyOptions();
    WindowOptions CurrentOptions();
    void SetTreeWidth(int width);
    void SetMenuShown(bool windowShown);
    bool WindowOnScreen();
    // The day file, then the settings: what a quit and the end of the session
    // keep; false when the day file could not be written. Shown, for a quit:
    // errors are shown, and a day that could not be saved stops there (the
    // window stays and the next close tries again). Quiet, for the end of the
    // session: nobody is there to answer a box and there is no next time, so
    // nothing is shown and the settings are written all the same.
    bool SaveForExit(Reporting reporting);

    const Clock& clock_;
    std::string programFolder_;
    std::string optionsFile_;
    std::unique_ptr<Parts> parts_;
    TfrmAbout* about_ = nullptr;
    Autostart autostart_;
    std::optional<int> pendingTreeWidth_;
};
