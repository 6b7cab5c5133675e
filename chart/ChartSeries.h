#pragma once

#include "ChartColor.h"
#include "ChartValueList.h"
#include "toolkit/Component.h"

#include <functional>
#include <string>
#include <vector>

// The common base of every series: the point store (parallel lists of x, y,
// colour and label, one entry per point) and the Active flag. Drawing and the
// legend entry belong to the series kinds built on it.
class TChartSeries : public TComponent {
public:
    using BeforeAddEvent = std::function<bool(TChartSeries& sender)>;
    using NotifyEvent = std::function<void(TChartSeries& sender)>;

    explicit TChartSeries(TComponent* owner = nullptr);

    // Inserts by the x order and returns the new point's index, or -1 when
    // OnBeforeAdd refuses.
    int AddPoint(double x, double y, const std::string& label = {}, TColor color = clTeeColor);
    void ReplaceY(int index, double value);
    double XAt(int index) const { return xValues_.Value(index); }
    double YAt(int index) const { return yValues_.Value(index); }
    int PointCount() const { return xValues_.Count(); }
    void ClearPoints();
    TColor ColorAt(int index) const;
    const std::string& LabelAt(int index) const;

    bool Active() const { return active_; }
    void SetActive(bool active);

    TChartValueList& XValues() { return xValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& YValues() const { return yValues_; }

    void SetOnBeforeAdd(BeforeAddEvent handler) { onBeforeAdd_ = std::move(handler); }
    void SetOnAfterAdd(NotifyEvent handler) { onAfterAdd_ = std::move(handler); }
    void SetOnClearValues(NotifyEvent handler) { onClearValues_ = std::move(handler); }

    // The chart answers repaint requests; until a chart holds the series they
    // go to whoever set the hook (or nowhere).
    void SetRepaintHook(std::function<void()> hook) { repaintHook_ = std::move(hook); }

protected:
    void RequestRepaint() const;

private:
    TChartValueList xValues_{"X", loAscending};
    TChartValueList yValues_{"Y", loNone};
    std::vector<TColor> colors_;
    std::vector<std::string> labels_;
    bool active_ = true;
    BeforeAddEvent onBeforeAdd_;
    NotifyEvent onAfterAdd_;
    NotifyEvent onClearValues_;
    std::function<void()> repaintHook_;
};
