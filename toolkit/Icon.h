#pragma once

#include <functional>
#include <string>
#include <windows.h>

// TIcon: an icon image the holder owns, with a notice when it changes.
//
//   Take(icon)            owns the given HICON from now on
//   Assign(icon)          owns a copy of it
//   LoadResource(name)    the executable's ICON resource at the system's
//                         small-icon size (16 x 16 at 100 %, 24 x 24 at
//                         150 %: the notification area's); an Exception when
//                         it is missing
//   Clear(), Empty(), Handle() (nullptr when empty)
// Each of them raises OnChange, unless asked not to.
class TIcon {
public:
    TIcon() = default;
    ~TIcon();
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    HICON Handle() const { return icon_; }
    bool Empty() const { return icon_ == nullptr; }

    void Take(HICON icon, bool notify = true);
    void Assign(HICON icon, bool notify = true);
    void LoadResource(const std::string& name, bool notify = true);
    void Clear(bool notify = true) { Take(nullptr, notify); }

    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    HICON icon_ = nullptr;
    std::function<void()> onChange_;
};
