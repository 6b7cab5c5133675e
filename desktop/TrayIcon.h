#pragma once

#include "CountedHandlerWindow.h"
#include "SimpleTimer.h"

#include "toolkit/Application.h"
#include "toolkit/Component.h"
#include "toolkit/Control.h"
#include "toolkit/FormWindow.h"
#include "toolkit/Icon.h"
#include "toolkit/ImageList.h"
#include "toolkit/PopupMenu.h"

#include <functional>
#include <string>
#include <windows.h>

#include <shellapi.h>

class TTrayIcon;
// The hidden top-level window that receives the shell's callbacks for every
// tray icon of the process.
using TTrayIconHandler = CountedHandlerWindow<TTrayIcon>;

using TCycleEvent = std::function<void(TTrayIcon& Sender, int NextIndex)>;
using TStartupEvent = std::function<void(TTrayIcon& Sender, bool& ShowMainForm)>;

// The program's icon in the notification area. It turns the shell's mouse
// callbacks into events, opens its popup menu on the right button, runs the
// menu's default item on a double click, and takes the main form to the tray
// when the application is minimised (MinimizeToTray).
//
// Properties, in the order a form description gives them: DesignPreview,
// IconList, CycleIcons, CycleInterval, Enabled, Hint, ShowHint, Icon,
// IconVisible, IconIndex, PopupMenu, LeftPopup, WantEnterExitEvents,
// MinimizeToTray, and the events below. Setters act at once, also while the
// form is read: IconVisible true puts the icon into the notification area.
//
// Shell callbacks arrive at TTrayIconHandler's window as kCallbackMessage
// with the icon's Identity() in wParam; X and Y of the mouse events are the
// pointer's screen position when the callback is handled. With Enabled false
// the mouse callbacks do nothing; the balloon ones still raise their events.
class TTrayIcon : public TComponent {
public:
    static constexpr UINT kCallbackMessage = WM_USER + 1024;
    // The version-2 record, the one with the balloon fields: the size the
    // shell expects of it differs between 32- and 64-bit builds.
    static constexpr DWORD kRecordSize = NOTIFYICONDATAA_V2_SIZE;

    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool preview) { designPreview_ = preview; }
    TImageList* IconList() const { return iconList_; }
    void SetIconList(TImageList* list);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool cycle);
    unsigned CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(unsigned milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    TIcon& Icon() { return icon_; }
    // Copies the image in without the change notice, then refreshes.
    void SetIcon(HICON icon);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool visible);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }
    bool LeftPopup() const { return leftPopup_; }
    void SetLeftPopup(bool left) { leftPopup_ = left; }
    bool WantEnterExitEvents() const { return wantEnterExit_; }
    void SetWantEnterExitEvents(bool want);
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool minimize) { minimizeToTray_ = minimize; }

    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    void SetOnDblClick(TNotifyEvent handler) { onDblClick_ = std::move(handler); }
    void SetOnMouseDown(TMouseEvent handler) { onMouseDown_ = std::move(handler); }
    void SetOnMouseUp(TMouseEvent handler) { onMouseUp_ = std::move(handler); }
    void SetOnMouseMove(TMouseMoveEvent handler) { onMouseMove_ = std::move(handler); }
    void SetOnMouseEnter(TNotifyEvent handler) { onMouseEnter_ = std::move(handler); }
    void SetOnMouseExit(TNotifyEvent handler) { onMouseExit_ = std::move(handler); }
    void SetOnCycle(TCycleEvent handler) { onCycle_ = std::move(handler); }
    void SetOnBalloonHintShow(TNotifyEvent handler) { onBalloonShow_ = std::move(handler); }
    void SetOnBalloonHintHide(TNotifyEvent handler) { onBalloonHide_ = std::move(handler); }
    void SetOnBalloonHintTimeout(TNotifyEvent handler) { onBalloonTimeout_ = std::move(handler); }
    void SetOnBalloonHintClick(TNotifyEvent handler) { onBalloonClick_ = std::move(handler); }
    void SetOnMinimizeToTray(TNotifyEvent handler) { onMinimizeToTray_ = std::move(handler); }
    void SetOnStartup(TStartupEvent handler) { onStartup_ = std::move(handler); }

    // Shows the main form again, out of the tray, and makes the program the
    // foreground application.
    void RestoreMainForm();
    // Hides the main form and the taskbar button.
    void ConcealMainForm();
    void HideTaskbarButton();
    // ConcealMainForm, with the icon made visible.
    void GoToTray();
    // Opens the popup menu at the pointer, as a right press does.
    void OpenMenuAtCursor();

    // The shell calls; each returns whether the shell agreed (nobody acts on
    // a refusal). AddIcon and DeleteIcon set IconVisible whatever the answer.
    bool AddIcon();
    bool DeleteIcon();
    bool RefreshIcon();

    // The icon's id among the live tray icons of the process, as the shell's
    // callbacks carry it.
    UINT Identity() const { return use_.Get(); }
    const NOTIFYICONDATAA& IconData() const { return data_; }
    // The timers, for a look at what runs.
    const TSimpleTimer& SingleClickTimer() const { return singleClickTimer_; }
    const TSimpleTimer& LeaveTimer() const { return leaveTimer_; }
    const TSimpleTimer& IconCycleTimer() const { return cycleTimer_; }

    // The shell's "TaskbarCreated" broadcast, or 0 where the common controls
    // are older than 4.71.
    static UINT TaskbarCreatedMessage();

    static HWND HandlerParent() { return nullptr; }
    static LRESULT HandlerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

protected:
    void Loaded() override;
    void Removing(TComponent* component) override;
    // The one place the record goes to the shell; tests listen here.
    virtual bool ShellNotify(DWORD message, NOTIFYICONDATAA& data);

private:
    bool Shell(DWORD message);
    void PrepareIconData();
    void Callback(LPARAM event);
    void MouseCallback(LPARAM event, TShiftState shift, int x, int y);
    void RunDefaultItem();
    void SingleClickStep();
    void LeaveStep();
    void CycleStep();
    bool ApplicationMessageHook(TMessage& message);
    bool OwnerMessageHook(TMessage& message);
    bool HasMainForm() const;
    bool OwnerIsWindow() const;

    // First in, last out: the handler window outlives the timers.
    TTrayIconHandler::Use use_;
    NOTIFYICONDATAA data_{};
    TIcon icon_;
    TSimpleTimer cycleTimer_;
    TSimpleTimer singleClickTimer_;
    TSimpleTimer leaveTimer_;

    bool designPreview_ = false;
    TImageList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    unsigned cycleInterval_ = 0;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = true;
    bool iconVisible_ = false;
    int iconIndex_ = 0;
    TPopupMenu* popupMenu_ = nullptr;
    bool leftPopup_ = false;
    bool wantEnterExit_ = false;
    bool minimizeToTray_ = false;

    bool buttonDownSeen_ = false;
    bool clickArmed_ = false;
    bool doubleClicked_ = false;
    bool pointerOutside_ = true;
    POINT lastMovePos_{};
    bool startupPending_ = true;
    TApplication::HookId hookId_ = 0;
    TFormWindow* hookedOwner_ = nullptr;
    WindowHooks::Id ownerHookId_ = 0;

    TNotifyEvent onClick_;
    TNotifyEvent onDblClick_;
    TMouseEvent onMouseDown_;
    TMouseEvent onMouseUp_;
    TMouseMoveEvent onMouseMove_;
    TNotifyEvent onMouseEnter_;
    TNotifyEvent onMouseExit_;
    TCycleEvent onCycle_;
    TNotifyEvent onBalloonShow_;
    TNotifyEvent onBalloonHide_;
    TNotifyEvent onBalloonTimeout_;
    TNotifyEvent onBalloonClick_;
    TNotifyEvent onMinimizeToTray_;
    TStartupEvent onStartup_;
};
