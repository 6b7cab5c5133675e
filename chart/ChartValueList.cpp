#include "ChartValueList.h"

#include "toolkit/Exception.h"
#include "toolkit/Text.h"

#include <cmath>

void ListIndexError(int index) {
    throw Exception(Format("List index out of bounds (%d)", index));
}

void TChartValueList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        ListIndexError(index);
}

void TChartValueList::SetMultiplier(double multiplier) {
    multiplier_ = multiplier;
    dirty_ = true;
}

double TChartValueList::Value(int index) const {
    CheckIndex(index);
    return values_[size_t(index)] * multiplier_;
}

void TChartValueList::SetValue(int index, double value) {
    CheckIndex(index);
    values_[size_t(index)] = value;
    dirty_ = true;
}

int TChartValueList::InsertionIndexWithin(double value) const {
    const int n = Count();
    if (order_ == loAscending) {
        int i = n - 1;
        while (i >= 0 && values_[size_t(i)] > value)
            --i;
        return i + 1;
    }
    if (value < values_.back())
        return n;
    int i = n - 1;
    while (i >= 0 && values_[size_t(i)] <= value)
        --i;
    return i + 1;
}

void TChartValueList::Insert(int index, double value) {
    if (size_t(index) == values_.size())
        values_.push_back(value); // the usual case: points come in x order
    else
        values_.insert(values_.begin() + index, value);
    dirty_ = true;
}

void TChartValueList::Append(std::span<const double> values) {
    values_.insert(values_.end(), values.begin(), values.end());
    dirty_ = true;
}

void TChartValueList::AppendSequence(double first, int count) {
    values_.reserve(values_.size() + size_t(count));
    for (int i = 0; i < count; ++i)
        values_.push_back(first + double(i));
    dirty_ = true;
}

void TChartValueList::Clear() {
    values_.clear();
    dirty_ = true;
}

void TChartValueList::Recalculate() const {
    min_ = max_ = total_ = totalAbs_ = 0;
    if (!values_.empty()) {
        double first = values_[0] * multiplier_;
        min_ = max_ = total_ = first;
        totalAbs_ = std::fabs(first);
        for (size_t i = 1; i < values_.size(); ++i) {
            double v = values_[i] * multiplier_;
            if (v < min_)
                min_ = v;
            else if (v > max_)
                max_ = v;
            total_ += v;
            totalAbs_ += std::fabs(v);
        }
    }
    dirty_ = false;
}

double TChartValueList::MinValue() const {
    if (dirty_)
        Recalculate();
    return min_;
}

double TChartValueList::MaxValue() const {
    if (dirty_)
        Recalculate();
    return max_;
}

double TChartValueList::Total() const {
    if (dirty_)
        Recalculate();
    return total_;
}

double TChartValueList::TotalABS() const {
    if (dirty_)
        Recalculate();
    return totalAbs_;
}
