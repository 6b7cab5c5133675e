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

TShiftState KeyboardShiftState() {
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}
