#include "DayView.h"

#include "TreeLabels.h"
#include "recording/ActiveSpan.h"
#include "recording/DayRecords.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"

namespace {
constexpr int kTodayMarker = 2;
constexpr int kPastDay = 1;
} // namespace

DayView::DayView(Parts parts, DayLog& dayLog) : parts_(parts), dayLog_(dayLog) {}

void DayView::Show(const TTreeNode& node) {
    parts_.monthChart.Hide();
    parts_.dayChart.Show();
    if (node.SelectedIndex() == kTodayMarker) {
        if (!parts_.storeKeys.Active())
            ShowDayStore();
    } else if (node.SelectedIndex() == kPastDay) {
        ShowPastDay(node.Text());
    }
}

void DayView::ShowDayStore() {
    parts_.storeKeys.SetActive(true);
    parts_.storeMouse.SetActive(true);
    for (TChartSeries* series : {&parts_.readKeys, &parts_.readMouse, &parts_.readCpu})
        series->SetActive(false);
    dayLog_.ActiveSpanCaption();
}

void DayView::ShowPastDay(const std::string& label) {
    parts_.readKeys.SetActive(true);
    parts_.readMouse.SetActive(true);
    for (TChartSeries* series : {&parts_.readKeys, &parts_.readMouse, &parts_.readCpu})
        series->ClearPoints();
    parts_.storeKeys.SetActive(false);
    parts_.storeMouse.SetActive(false);

    const std::string path = DayFileOfLabel(dayLog_.HistoryDir(), label);
    if (!FileExists(path)) {
        // Deleted or moved away since start-up: the day store stands in
        // while the tree keeps the day selected.
        ShowDayStore();
        const std::string day = label.size() > 2 ? label.substr(2) : label;
        Application().ShowMessageBox("File not found: " + dayLog_.HistoryDir() + day,
                                     Application().Title(), MB_OK);
        return;
    }
    parts_.caption.SetCaption(parts_.caption.Hint());
    ReadPastDay(path);
}

void DayView::ReadPastDay(const std::string& path) {
    const std::string bytes = ReadFileBytes(path);
    TChartSeries* series[] = {&parts_.readKeys, &parts_.readMouse, &parts_.readCpu};
    ActiveSpan span;
    DayLineReader reader(bytes);
    MinuteRecord record;
    int minute = 0;
    for (; reader.Next(record); ++minute) {
        const int32_t fields[] = {record.keys, record.mouse, record.cpu};
        for (int f = 0; f < 3; ++f) {
            series[f]->AddPoint(minute, fields[f]);
            UpdateActiveSpanOf(uint16_t(minute), uint16_t(fields[f]), span.first, span.last);
        }
    }
    for (; minute < kMinutesPerDay; ++minute)
        for (TChartSeries* s : series)
            s->AddPoint(minute, 0);
    if (span.first != 0) {
        if (span.last == 0)
            span.last = span.first;
        parts_.caption.SetCaption(ActiveSpanText(parts_.caption.Hint(), span));
    }
}

void DayView::Zoom(double percent) {
    // The animation runs to its end inside this call; a second click must
    // not start another one meanwhile, and the buttons come back even if
    // the zoom fails.
    struct Disabled {
        TSpeedButton& in;
        TSpeedButton& out;
        Disabled(TSpeedButton& i, TSpeedButton& o) : in(i), out(o) {
            in.SetEnabled(false);
            out.SetEnabled(false);
        }
        ~Disabled() {
            in.SetEnabled(true);
            out.SetEnabled(true);
        }
    } disabled(parts_.zoomIn, parts_.zoomOut);
    parts_.dayChart.ZoomByPercent(percent);
}

void DayView::ZoomIn() {
    Zoom(115);
}

void DayView::ZoomOut() {
    Zoom(85);
}

void DayView::ZoomUndo() {
    parts_.dayChart.ZoomUndo();
}

void DayView::MouseDown(TMouseButton button) {
    if (button == mbRight) {
        scrollDragging_ = true;
        parts_.dayChart.SetCursor(crSizeAll);
    }
}

void DayView::MouseUp(TMouseButton button) {
    if (button == mbRight) {
        scrollDragging_ = false;
        parts_.dayChart.SetCursor(crDefault);
    }
}
