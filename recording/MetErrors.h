#pragma once

#include "toolkit/ErrorReporter.h"

#include <exception>
#include <vector>

// The errors an operation met and went past, in the order it met them. It
// reports them when it is over: a box shown in the middle would run timers
// that find the store half changed.
using MetErrors = std::vector<std::exception_ptr>;

// Reports what an operation met in one report, so that one operation shows
// one box: a single error as it is, several as one error whose text holds
// each of theirs, a paragraph each, in order. Nothing met, nothing reported.
void ReportOnce(const ErrorReporter& report, const MetErrors& met);

// Runs the rest of an operation, then reports what it met before, also when
// that rest fails: the failure then goes on to the caller after the report.
template <typename Rest>
void FinishThenReport(const ErrorReporter& report, const MetErrors& met, Rest&& rest) {
    try {
        rest();
    } catch (...) {
        ReportOnce(report, met);
        throw;
    }
    ReportOnce(report, met);
}
