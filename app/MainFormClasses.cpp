#include "MainFormClasses.h"

#include "chart/ChartFormClasses.h"
#include "desktop/DesktopFormClasses.h"
#include "toolkit/ControlClasses.h"

const FormClasses& MainFormClasses() {
    static const FormClasses classes = [] {
        FormClasses c;
        RegisterControlClasses(c);
        RegisterChartClasses(c);
        RegisterDesktopClasses(c);
        return c;
    }();
    return classes;
}
