#include "DayView.h"

#include "TreeLabels.h"
#include "recording/ActiveSpan.h"
#include "recording/DayRecords.h"
#include "recording/DaySeries.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"

namespace {
constexpr int kTodayMarker = 2;
constexpr int kPastDay = 1;

// A caption written once, when this goes: its hint unless given another
// text, and nothing once dropped.
class PendingCaption {
public:
    explicit PendingCaption(TControl& control) : control_(control), text_(control.Hint()) {}
    PendingCaption(const PendingCaption&) = delete;
    PendingCaption& operator=(const PendingCaption&) = delete;
    ~PendingCaption() {
        if (!dropped_)
            control_.SetCaption(text_);
    }
    void Set(std::string text) { text_ = std::move(text); }
    void Drop() { dropped_ = true; }

private:
    TControl& control_;
    std::string text_;
    bool dropped_ = false;
};
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

    // The caption reads the hint unless the day has an active span, also
    // when the file cannot be read or breaks off; it is written once, when
    // the reading is over.
    PendingCaption caption(parts_.caption);
    const std::string path = DayFileOfLabel(dayLog_.HistoryDir(), label);
    // A folder of the day file's name is listed in the tree like a file,
    // but holds no day: it is as missing as a file deleted.
    const std::optional<std::string> bytes =
        FileExists(path) ? ReadFileIfPresent(path) : std::nullopt;
    if (!bytes) {
        // Deleted or moved away since start-up: the day store stands in
        // while the tree keeps the day selected.
        caption.Drop();
        ShowDayStore();
        const std::string day = label.size() > 2 ? label.substr(2) : label;
        Application().ShowMessageBox("File not found: " + dayLog_.HistoryDir() + day,
                                     Application().Title(), MB_OK);
        return;
    }
    caption.Set(ReadPastDay(*bytes).Caption(parts_.caption.Hint()));
}

ActiveSpan DayView::ReadPastDay(std::string_view bytes) {
    const DayColumns day = ReadDayColumns(bytes);
    const DaySeries series{parts_.readKeys, parts_.readMouse, parts_.readCpu};
    ActiveSpan span;
    MergeDayColumns(day, series, span); // the series are empty: every line is added
    // A line that does not parse ends the day there, not filled up.
    if (day.error)
        throw Exception(*day.error);
    FillWholeDay(series);
    span.CloseAt(span.first);
    return span;
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
