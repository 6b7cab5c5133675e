#include "MainFormClasses.h"

#include "chart/ChartFormClasses.h"
#include "desktop/SysKeyboardHook.h"
#include "toolkit/ControlClasses.h"

const FormClasses& MainFormClasses() {
    static const FormClasses classes = [] {
        FormClasses c;
        RegisterControlClasses(c);
        RegisterChartClasses(c);
        c.Class<TSysKeyboardHook>("TSysKeyboardHook")
            .Property("Version", [](TSysKeyboardHook& hook,
                                    const FormValue& v) { hook.SetVersion(v.AsString()); })
            .Event("OnKeyDown", &TSysKeyboardHook::SetOnKeyDown);
        return c;
    }();
    return classes;
}
