#pragma once

// The rounding rules the chart's layout is defined by.

// a × b / c rounded half away from zero, as the platform's MulDiv; -1 when
// c is 0 (the platform's answer too, kept so layouts match it).
int MulDivRound(int a, int b, int c);

// Nearest integer, halves to even; NaN gives 0, values beyond int its ends.
int RoundHalfEven(double value);
