#pragma once

// The whole program measured from outside, each figure beside a minimal
// Win32 program measured the same way in the same run: start-up to the
// month chart's first paint and the working set then (a year of history),
// and the CPU time of a minute idle in the tray. Needs the built
// Tallyvane.exe (..\app\ from the benchmark) and a display.
void RunProgramBench();
