#pragma once

#include <functional>
#include <utility>

// A sub-object of the chart (pen, font, gradient, legend, axis …): every
// write that changes a value tells the owner, which turns it into a repaint
// request.
class TChartPersistent {
public:
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

protected:
    TChartPersistent() = default;
    TChartPersistent(const TChartPersistent&) = delete;
    TChartPersistent& operator=(const TChartPersistent&) = delete;
    ~TChartPersistent() = default;

    void Changed() const {
        if (onChange_)
            onChange_();
    }
    template <typename T, typename V> void Store(T& field, V&& value) {
        if (!(field == value)) {
            field = std::forward<V>(value);
            Changed();
        }
    }

private:
    std::function<void()> onChange_;
};
