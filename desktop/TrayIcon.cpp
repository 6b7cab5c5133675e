// The tray icon's life and properties, and the record it gives the shell.
#include "TrayIcon.h"

#include "toolkit/Text.h"

#include <algorithm>
#include <commctrl.h>
#include <cstring>
#include <shlwapi.h>

static_assert(TTrayIcon::kRecordSize == (sizeof(void*) == 8 ? 504 : 488),
              "the version-2 notification record of this build");

bool CommonControlsKnowTaskbarCreated(DWORD major, DWORD minor) {
    return major * 65536 + minor >= 0x40047; // 4.71
}

UINT TTrayIcon::TaskbarCreatedMessage() {
    static const UINT message = []() -> UINT {
        HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
        auto getVersion = comctl ? reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(
                                       GetProcAddress(comctl, "DllGetVersion")))
                                 : nullptr;
        DLLVERSIONINFO info{};
        info.cbSize = sizeof info;
        if (!getVersion || FAILED(getVersion(&info)) ||
            !CommonControlsKnowTaskbarCreated(info.dwMajorVersion, info.dwMinorVersion))
            return 0;
        return RegisterWindowMessageA("TaskbarCreated");
    }();
    return message;
}

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner), use_(*this), cycleTimer_(1000, [this](TSimpleTimer&) { CycleStep(); }),
      singleClickTimer_(1000, [this](TSimpleTimer&) { SingleClickStep(); }),
      leaveTimer_(20, [this](TSimpleTimer&) { LeaveStep(); }) {
    icon_.SetOnChange([this] { RefreshIcon(); });
    data_.cbSize = kRecordSize;
    data_.hWnd = TTrayIconHandler::Window();
    data_.uID = Identity();
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kCallbackMessage;
    if (TFormWindow* form = OwnerForm(*this)) {
        ownerHookId_ =
            form->HookWindow([this](TMessage& message) { return OwnerMessageHook(message); });
        hookedOwner_ = form;
    }
    hookId_ = Application().HookMainWindow(
        [this](TMessage& message) { return ApplicationMessageHook(message); });
}

TTrayIcon::~TTrayIcon() {
    DeleteIcon();
    cycleTimer_.Stop();
    singleClickTimer_.Stop();
    leaveTimer_.Stop();
    Application().UnhookMainWindow(hookId_);
    // The owner destroys its components while it is still whole.
    if (hookedOwner_)
        hookedOwner_->UnhookWindow(ownerHookId_);
}

bool TTrayIcon::OwnerIsWindow() const {
    return OwnerForm(*this) != nullptr;
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    if (OwnerIsWindow() && onStartup_) {
        bool showMainForm = true;
        Application().Dispatch([&] { onStartup_(*this, showMainForm); });
        if (!showMainForm) {
            Application().SetShowMainForm(false);
            ConcealMainForm();
        }
    }
    RefreshIcon();
    // The shell refuses a second add of an icon it has; nobody minds.
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExit_);
    data_.uVersion = 0;
    Shell(NIM_SETVERSION);
}

void TTrayIcon::Removing(TComponent* component) {
    if (component == iconList_) {
        iconList_ = nullptr;
        iconIndex_ = 0;
    }
    if (component == popupMenu_)
        popupMenu_ = nullptr;
}

// --- Properties

void TTrayIcon::SetIconList(TImageList* list) {
    iconList_ = list;
    SetIconIndex(0);
}

void TTrayIcon::SetCycleIcons(bool cycle) {
    cycleIcons_ = cycle;
    if (cycle) {
        SetIconIndex(0);
        cycleTimer_.SetInterval(cycleInterval_);
        cycleTimer_.Start(); // an interval of 0 leaves it stopped
    } else {
        cycleTimer_.Stop();
    }
}

void TTrayIcon::SetCycleInterval(unsigned milliseconds) {
    if (milliseconds == cycleInterval_)
        return;
    cycleInterval_ = milliseconds;
    SetCycleIcons(cycleIcons_);
}

void TTrayIcon::SetHint(std::string hint) {
    hint_ = std::move(hint);
    RefreshIcon();
}

void TTrayIcon::SetShowHint(bool show) {
    showHint_ = show;
    RefreshIcon();
}

void TTrayIcon::SetIcon(HICON icon) {
    icon_.Assign(icon, false);
    RefreshIcon();
}

void TTrayIcon::SetIconVisible(bool visible) {
    if (visible)
        AddIcon();
    else
        DeleteIcon();
}

void TTrayIcon::SetIconIndex(int index) {
    iconIndex_ = 0;
    if (iconList_ && iconList_->Count() > 0) {
        iconIndex_ = std::clamp(index, 0, iconList_->Count() - 1);
        icon_.Take(ImageList_GetIcon(iconList_->Handle(), iconIndex_, ILD_NORMAL), false);
    }
    RefreshIcon();
}

void TTrayIcon::SetWantEnterExitEvents(bool want) {
    wantEnterExit_ = want;
    if (want)
        leaveTimer_.Start();
    else
        leaveTimer_.Stop();
}

// --- The shell

bool TTrayIcon::AddIcon() {
    iconVisible_ = true;
    return Shell(NIM_ADD);
}

bool TTrayIcon::DeleteIcon() {
    iconVisible_ = false;
    return Shell(NIM_DELETE);
}

bool TTrayIcon::RefreshIcon() {
    return Shell(NIM_MODIFY);
}

bool TTrayIcon::Shell(DWORD message) {
    PrepareIconData();
    return ShellNotify(message, data_);
}

bool TTrayIcon::ShellNotify(DWORD message, NOTIFYICONDATAA& data) {
    return Shell_NotifyIconA(message, &data) != FALSE;
}

// The tooltip is the hint in the shell's code page, cut to what the record
// holds; without a hint to show, no tooltip at all.
void TTrayIcon::PrepareIconData() {
    data_.hIcon = icon_.Handle();
    std::memset(data_.szTip, 0, sizeof data_.szTip);
    if (hint_.empty() || !showHint_)
        return;
    const std::wstring wide = Widen(hint_);
    int length =
        WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string tip(size_t(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), tip.data(), length, nullptr,
                        nullptr);
    std::memcpy(data_.szTip, tip.data(), std::min(tip.size(), sizeof data_.szTip - 1));
}
