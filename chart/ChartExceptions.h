#pragma once

#include "toolkit/Exception.h"

// The chart's refusals of a property write, one kind per sub-object so that
// callers can tell them apart; the message is what the user sees.
class ChartException : public Exception {
public:
    using Exception::Exception;
};

class AxisException : public ChartException {
public:
    using ChartException::ChartException;
};

class LegendException : public ChartException {
public:
    using ChartException::ChartException;
};

class BarException : public ChartException {
public:
    using ChartException::ChartException;
};
