#include "Icon.h"

#include "Exception.h"
#include "ScreenDpi.h"
#include "Text.h"

TIcon::~TIcon() {
    if (icon_)
        DestroyIcon(icon_);
}

void TIcon::Take(HICON icon, bool notify) {
    if (icon_ && icon_ != icon)
        DestroyIcon(icon_);
    icon_ = icon;
    if (notify && onChange_)
        onChange_();
}

void TIcon::Assign(HICON icon, bool notify) {
    Take(icon ? CopyIcon(icon) : nullptr, notify);
}

void TIcon::LoadResource(const std::string& name, bool notify) {
    // The notification area is drawn at the scale the session began with,
    // whichever monitor the program's window is on.
    const int size = SmallIconSize(SystemPixelsPerInch());
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_ICON, size, size, 0));
    if (!icon)
        throw Exception("Icon resource " + name + " not found");
    Take(icon, notify);
}
