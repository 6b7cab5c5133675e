#pragma once

#include "chart/Chart.h"
#include "chart/ChartSeries.h"
#include "recording/DayLog.h"
#include "toolkit/StdControls.h"
#include "toolkit/TreeView.h"

// The day chart: today from the live day store, any other day read from its
// file into the read series, with the active span in the caption under the
// chart; the zoom buttons and the right-button drag that pans the day.
class DayView {
public:
    struct Parts {
        TChart& dayChart;
        TChart& monthChart;
        TControl& caption; // its hint is the base text
        TSpeedButton& zoomIn;
        TSpeedButton& zoomOut;
        TChartSeries& storeKeys; // the day store
        TChartSeries& storeMouse;
        TChartSeries& readKeys; // a past day
        TChartSeries& readMouse;
        TChartSeries& readCpu;
    };

    DayView(Parts parts, DayLog& dayLog);

    // Shows the day of a day node: the node with the today marker shows the
    // day store (a second selection changes nothing), another day its file.
    // A file that is gone is reported with "File not found: " and the day
    // store is shown instead; a file that cannot be read or a line that does
    // not parse raises its error, the read series holding the lines before
    // it. The axes are never touched.
    void Show(const TTreeNode& node);

    // The zoom buttons: disabled while the animated zoom runs.
    void ZoomIn();
    void ZoomOut();
    void ZoomUndo();

    // A right-button drag pans the day chart; meanwhile its cursor is the
    // four-headed arrow and the readout rests. It ends with the right
    // button's up, which the chart raises wherever the button goes up and
    // when another window takes the mouse first.
    void MouseDown(TMouseButton button);
    void MouseUp(TMouseButton button);
    bool ScrollDragging() const { return scrollDragging_; }

private:
    void ShowDayStore();
    void ShowPastDay(const std::string& label);
    // Fills the read series from a day file's bytes; the day's active span.
    ActiveSpan ReadPastDay(std::string_view bytes);
    void Zoom(double percent);

    Parts parts_;
    DayLog& dayLog_;
    bool scrollDragging_ = false;
};
