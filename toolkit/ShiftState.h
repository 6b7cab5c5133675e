#pragma once

// The shift keys and mouse buttons held during an input event, and which
// button an event is about. The values are fixed: tray and chart code pass
// them on and compare them as numbers.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

enum TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// From the key flags of a mouse message (MK_*) plus the Alt key's state,
// which mouse messages do not carry.
TShiftState ShiftStateOfMouseKeys(unsigned mouseKeys, bool altDown);
// The shift keys held now, as the keyboard state of this thread says.
TShiftState KeyboardShiftState();
// The shift keys held now, as the keyboard itself says (not this thread's
// view of it): for events that come from another process, such as the
// tray's callbacks.
TShiftState AsyncShiftState();
