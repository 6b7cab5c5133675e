#include "ShiftState.h"

#include <windows.h>

TShiftState ShiftStateOfMouseKeys(unsigned mouseKeys, bool altDown) {
    TShiftState shift = 0;
    if (mouseKeys & MK_SHIFT)
        shift |= ssShift;
    if (mouseKeys & MK_CONTROL)
        shift |= ssCtrl;
    if (mouseKeys & MK_LBUTTON)
        shift |= ssLeft;
    if (mouseKeys & MK_RBUTTON)
        shift |= ssRight;
    if (mouseKeys & MK_MBUTTON)
        shift |= ssMiddle;
    if (altDown)
        shift |= ssAlt;
    return shift;
}

namespace {
template <typename IsDown> TShiftState ShiftKeys(IsDown isDown) {
    TShiftState shift = 0;
    if (isDown(VK_SHIFT))
        shift |= ssShift;
    if (isDown(VK_CONTROL))
        shift |= ssCtrl;
    if (isDown(VK_MENU))
        shift |= ssAlt;
    return shift;
}
} // namespace

TShiftState KeyboardShiftState() {
    return ShiftKeys([](int key) { return GetKeyState(key) < 0; });
}

TShiftState AsyncShiftState() {
    return ShiftKeys([](int key) { return GetAsyncKeyState(key) < 0; });
}
