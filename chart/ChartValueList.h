#pragma once

#include <span>
#include <string>
#include <vector>

enum TChartListOrder { loNone, loAscending, loDescending };

// One column of a series' points. Reading a value gives it times Multiplier.
// The statistics are kept lazily: every change marks them dirty, and the next
// question recomputes all four in one pass.
class TChartValueList {
public:
    explicit TChartValueList(std::string name, TChartListOrder order = loNone)
        : name_(std::move(name)), order_(order) {}

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder order) { order_ = order; }
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double multiplier);
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool dateTime) { dateTime_ = dateTime; }

    int Count() const { return int(values_.size()); }
    // Raises the list-index error for an index outside 0..Count()-1.
    double Value(int index) const;
    void SetValue(int index, double value);

    // Where a new value goes under this list's order (ties keep insertion
    // order). Values mostly come in order, so the end is tried first.
    int InsertionIndex(double value) const {
        const int n = Count();
        if (order_ == loNone || n == 0 || (order_ == loAscending && value >= values_.back()))
            return n;
        return InsertionIndexWithin(value);
    }
    void Insert(int index, double value);
    // Values at the end, in order: given ones, or first, first + 1, ...
    void Append(std::span<const double> values);
    void AppendSequence(double first, int count);
    void Reserve(int count) { values_.reserve(size_t(count)); }
    void Clear();

    double MinValue() const;
    double MaxValue() const;
    double Total() const;
    double TotalABS() const;

    // The stored values, for drawing code that walks them without copying.
    const std::vector<double>& Raw() const { return values_; }

private:
    int InsertionIndexWithin(double value) const;
    void Recalculate() const;
    void CheckIndex(int index) const;

    std::string name_;
    TChartListOrder order_;
    double multiplier_ = 1.0;
    bool dateTime_ = false;
    std::vector<double> values_;

    mutable bool dirty_ = true;
    mutable double min_ = 0, max_ = 0, total_ = 0, totalAbs_ = 0;
};

// The toolkit's error for an index outside a list.
[[noreturn]] void ListIndexError(int index);
