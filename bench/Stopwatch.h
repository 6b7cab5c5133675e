#pragma once

#include <windows.h>

#include <cstdio>

// Times a piece of work repeated n times and gives the cost of one, in
// microseconds, from the performance counter.
template <typename F> double MicrosecondsEach(int n, F&& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < n; ++i)
        work();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / n;
}

inline void Report(const char* what, double us, const char* floorName, double floorUs) {
    std::printf("%-44s %10.2f us   %-32s %10.2f us   ratio %6.2f\n", what, us, floorName, floorUs,
                floorUs > 0 ? us / floorUs : 0.0);
}
