#pragma once

#include "toolkit/Component.h"
#include "toolkit/MessageWindow.h"
#include "toolkit/ShiftState.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TSysKeyboardHook;

// A key stroke somewhere on the desktop. Key is the virtual-key code; Shift
// has ssShift, ssCtrl and ssAlt as the platform reports them when the event
// is raised; clearing Allow asks the hook library to hold the key back.
using TSysKeyEvent = std::function<void(TSysKeyboardHook& sender, std::uint16_t key,
                                        TShiftState shift, bool& allow)>;

// Counts nothing itself: it loads the keyboard hook library ostrelle.dll,
// gives it two hidden child windows of the owner form, starts its hook at
// construction and stops it at destruction, and raises OnKeyDown once for
// every key-up message the library delivers to the key window.
//
// The library is one per process (HookLibrary): a second component on another
// form finds it loaded and starts nothing, and destroying either component
// stops the hook they share. A form may carry only one of these components.
class TSysKeyboardHook : public TComponent {
public:
    // Loads the library from the executable's own folder.
    explicit TSysKeyboardHook(TComponent* owner);
    // Loads the library from the given folder; for tests.
    TSysKeyboardHook(TComponent* owner, std::string libraryFolder);
    ~TSysKeyboardHook() override;

    // Raises "Could not find or load ostrelle.dll" when the library cannot
    // be loaded. A library that lacks an export, or gives no record, is no
    // error: the program then runs without key events.
    void StartHook();
    void StopHook();
    // The library is loaded, its record known and its hook installed.
    bool IsHooked() const;

    const TSysKeyEvent& OnKeyDown() const { return onKeyDown_; }
    void SetOnKeyDown(TSysKeyEvent handler) { onKeyDown_ = std::move(handler); }

    // Always "1.1.0.0". Assigning it does nothing, so a form description
    // that carries the property loads; it is never written back.
    static std::string Version();
    void SetVersion(const std::string& /*ignored*/) {}

    // The hidden windows, nullptr until StartHook made them.
    HWND KeyWindow() const { return keyWindow_ ? keyWindow_->Handle() : nullptr; }
    HWND MouseWindow() const { return mouseWindow_ ? mouseWindow_->Handle() : nullptr; }

private:
    LRESULT KeyWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void KeyUp(std::uint16_t key);

    std::string libraryFolder_;
    TSysKeyEvent onKeyDown_;
    std::optional<MessageWindow> keyWindow_;
    std::optional<MessageWindow> mouseWindow_;
};
