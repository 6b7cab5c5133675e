#include "DaySeries.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

namespace {
// The low 16 bits of a stored value, as the span rule sees them.
uint16_t Low16(double value) {
    if (!std::isfinite(value))
        return 0;
    return uint16_t(uint64_t(int64_t(value)));
}
} // namespace

void MergeDayColumns(const DayColumns& day, DaySeries store, ActiveSpan& span) {
    TChartSeries* series[] = {&store.keys, &store.mouse, &store.cpu};
    const std::vector<double>* columns[] = {&day.keys, &day.mouse, &day.cpu};
    const int stored = store.keys.PointCount();
    const int lines = day.Lines();
    for (int minute = 0; minute < std::min(stored, lines); ++minute) {
        bool counted = store.keys.YAt(minute) != 0 || store.mouse.YAt(minute) != 0;
        for (int f = 0; f < 3; ++f) {
            if (f == 2 || !counted)
                series[f]->ReplaceY(minute, (*columns[f])[size_t(minute)]);
            span.Update(uint16_t(minute), Low16(series[f]->YAt(minute)));
        }
    }
    if (lines > stored) {
        for (int f = 0; f < 3; ++f)
            series[f]->AddPoints(stored, std::span(*columns[f]).subspan(size_t(stored)));
        for (int minute = stored; minute < lines; ++minute)
            for (const std::vector<double>* column : columns)
                if (const uint16_t value = uint16_t(int32_t((*column)[size_t(minute)])))
                    span.Update(uint16_t(minute), value);
    }
}

void FillWholeDay(DaySeries store) {
    for (TChartSeries* series : {&store.keys, &store.mouse, &store.cpu}) {
        const int count = series->PointCount();
        if (count < kMinutesPerDay)
            series->AddPoints(count, std::vector<double>(size_t(kMinutesPerDay - count), 0.0));
    }
}
