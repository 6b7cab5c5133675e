#include "DesktopFormClasses.h"

#include "SysKeyboardHook.h"
#include "TrayIcon.h"

#include "toolkit/Icon.h"

namespace {
void RegisterSysKeyboardHook(FormClasses& classes) {
    classes.Class<TSysKeyboardHook>("TSysKeyboardHook")
        .Property("Version",
                  [](TSysKeyboardHook& hook, const FormValue& v) { hook.SetVersion(v.AsString()); })
        .Event("OnKeyDown", &TSysKeyboardHook::SetOnKeyDown);
}

unsigned Milliseconds(const FormValue& v) {
    int value = v.AsInt();
    if (value < 0)
        throw FormError(v.position, "Invalid property value " + std::to_string(value));
    return unsigned(value);
}

void RegisterTrayIcon(FormClasses& classes) {
    classes.Class<TTrayIcon>("TTrayIcon")
        .Property("DesignPreview",
                  [](TTrayIcon& t, const FormValue& v) { t.SetDesignPreview(v.AsBool()); })
        .Reference<TImageList>("IconList",
                               [](TTrayIcon& t, TImageList* list) { t.SetIconList(list); })
        .Property("CycleIcons",
                  [](TTrayIcon& t, const FormValue& v) { t.SetCycleIcons(v.AsBool()); })
        .Property("CycleInterval",
                  [](TTrayIcon& t, const FormValue& v) { t.SetCycleInterval(Milliseconds(v)); })
        .Property("Enabled", [](TTrayIcon& t, const FormValue& v) { t.SetEnabled(v.AsBool()); })
        .Property("Hint", [](TTrayIcon& t, const FormValue& v) { t.SetHint(v.AsString()); })
        .Property("ShowHint", [](TTrayIcon& t, const FormValue& v) { t.SetShowHint(v.AsBool()); })
        .Property("Icon",
                  [](TTrayIcon& t, const FormValue& v) {
                      TIcon icon;
                      icon.LoadResource(v.AsString());
                      t.SetIcon(icon.Handle());
                  })
        .Property("IconVisible",
                  [](TTrayIcon& t, const FormValue& v) { t.SetIconVisible(v.AsBool()); })
        .Property("IconIndex", [](TTrayIcon& t, const FormValue& v) { t.SetIconIndex(v.AsInt()); })
        .Reference<TPopupMenu>("PopupMenu",
                               [](TTrayIcon& t, TPopupMenu* menu) { t.SetPopupMenu(menu); })
        .Property("LeftPopup", [](TTrayIcon& t, const FormValue& v) { t.SetLeftPopup(v.AsBool()); })
        .Property("WantEnterExitEvents",
                  [](TTrayIcon& t, const FormValue& v) { t.SetWantEnterExitEvents(v.AsBool()); })
        .Property("MinimizeToTray",
                  [](TTrayIcon& t, const FormValue& v) { t.SetMinimizeToTray(v.AsBool()); })
        .Event("OnClick", &TTrayIcon::SetOnClick)
        .Event("OnDblClick", &TTrayIcon::SetOnDblClick)
        .Event("OnMouseDown", &TTrayIcon::SetOnMouseDown)
        .Event("OnMouseUp", &TTrayIcon::SetOnMouseUp)
        .Event("OnMouseMove", &TTrayIcon::SetOnMouseMove)
        .Event("OnMouseEnter", &TTrayIcon::SetOnMouseEnter)
        .Event("OnMouseExit", &TTrayIcon::SetOnMouseExit)
        .Event("OnCycle", &TTrayIcon::SetOnCycle)
        .Event("OnBalloonHintShow", &TTrayIcon::SetOnBalloonHintShow)
        .Event("OnBalloonHintHide", &TTrayIcon::SetOnBalloonHintHide)
        .Event("OnBalloonHintTimeout", &TTrayIcon::SetOnBalloonHintTimeout)
        .Event("OnBalloonHintClick", &TTrayIcon::SetOnBalloonHintClick)
        .Event("OnMinimizeToTray", &TTrayIcon::SetOnMinimizeToTray)
        .Event("OnStartup", &TTrayIcon::SetOnStartup);
}
} // namespace

void RegisterDesktopClasses(FormClasses& classes) {
    RegisterSysKeyboardHook(classes);
    RegisterTrayIcon(classes);
}
