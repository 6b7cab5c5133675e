#pragma once

// Mouse arguments as the program's handlers receive them, and cursors.
// TODO(merge ui-milestone-1): these become the toolkit control's own.
enum TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

using TShiftState = unsigned;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
