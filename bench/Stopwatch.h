#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

// Seconds on the performance counter.
inline double SecondsNow() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / frequency;
}

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

// A piece of work beside its floor, each run timed once in turn so that a
// busy machine slows both alike; the medians, in microseconds.
template <typename Work, typename Floor>
std::pair<double, double> MedianMicroseconds(int runs, Work&& work, Floor&& floor) {
    std::vector<double> w, f;
    work();
    floor();
    for (int i = 0; i < runs; ++i) {
        w.push_back(MicrosecondsEach(1, work));
        f.push_back(MicrosecondsEach(1, floor));
    }
    std::sort(w.begin(), w.end());
    std::sort(f.begin(), f.end());
    return {w[w.size() / 2], f[f.size() / 2]};
}

// One row of the table: the figure, its floor and their ratio, in a unit
// of at most two letters.
inline void ReportIn(const char* unit, const char* what, double value, const char* floorName,
                     double floorValue) {
    std::printf("%-44s %10.2f %-2s   %-36s %10.2f %-2s   ratio %6.2f\n", what, value, unit,
                floorName, floorValue, unit, floorValue > 0 ? value / floorValue : 0.0);
}

inline void Report(const char* what, double us, const char* floorName, double floorUs) {
    ReportIn("us", what, us, floorName, floorUs);
}
