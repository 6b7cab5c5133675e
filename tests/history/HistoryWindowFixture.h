#pragma once

#include "app/HistoryParts.h"
#include "chart/demo/DemoCharts.h"
#include "history/HistoryTree.h"
#include "history/HistoryViews.h"
#include "recording/DayLog.h"
#include "support/DayText.h"
#include "support/TempFolder.h"
#include "toolkit/Application.h"
#include "toolkit/Handle.h"
#include "toolkit/StdControls.h"
#include "toolkit/Text.h"
#include "toolkit/TreeView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The history side of the main window in a form of its own, made from the
// main window's description: the tree, both charts with their captions and
// zoom buttons; today's day log over the day store; a set clock on 8 December
// 2026, a history folder of its own and a sink in place of message boxes. The
// events are bound as the main window binds them, except that the chart
// readouts take the point of the mouse message rather than the screen's
// pointer, which other tests may be moving. The form is never shown: the
// controls work the same.
class HistoryWindowTest : public ::testing::Test {
protected:
    HistoryWindowTest() {
        CreateDirectoryW(Widen(history).c_str(), nullptr);
        Application().SetTitle("Ostrelle");
        Application().SetHintHidePause(10000);
        Bind();
    }
    ~HistoryWindowTest() override { Application().SetHintHidePause(hintPauseBefore); }

    // Start-up from today's file on: the day store, the tree and its
    // selection of the current month.
    void Start() {
        dayLog.LoadTodayFile();
        BuildHistoryTree(tree, history, clock, ErrorBox());
        Paint();
    }

    // What a paint leaves behind is what the hit test reads.
    void Paint() {
        dayChart.PaintBuffer();
        monthChart.PaintBuffer();
    }

    TTreeNode& Node(const std::string& label) {
        for (TTreeNode* node : tree.Nodes())
            if (node->Text() == label)
                return *node;
        throw std::runtime_error("no node " + label);
    }
    void Select(const std::string& label) {
        tree.SetSelected(&Node(label));
        Paint();
    }

    // A client point inside a node's label.
    TPoint PointOn(const std::string& label) {
        const TRect r = Node(label).DisplayRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    // Reports go to the error box, as the main window binds them; the box
    // is the recording sink here.
    static ErrorReporter ErrorBox() {
        return [](const std::exception& error) { Application().ShowException(error); };
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.messages)
            texts.push_back(m.text);
        return texts;
    }

    TempFolder root;
    std::string history = root / "history\\";
    FixedClock clock{LocalTime{{2026, 12, 8}, 10, 0, 30, 0}};
    RecordingMessageSink messages;
    ScopedMessageSink recorded{messages};
    const int hintPauseBefore = Application().HintHidePause();
    TForm form{nullptr};
    HistoryViews::Parts parts = LoadSized(form);
    DemoCharts charts = FindDemoCharts(form);
    TChart& dayChart = parts.dayChart;
    TChart& monthChart = parts.monthChart;
    TTreeView& tree = parts.tree;
    TControl& dayCaption = parts.dayCaption;
    TControl& monthCaption = parts.monthCaption;
    TSpeedButton& zoomIn = parts.zoomIn;
    TSpeedButton& zoomOut = parts.zoomOut;
    DayLog dayLog{
        DaySeries{*charts.day.keys2, *charts.day.mouse2, *charts.day.cpu1}, clock, history,
        ErrorBox(),
        DayLog::Caption{[this] { return dayCaption.Hint(); },
                        [this](const std::string& text) { dayCaption.SetCaption(text); }}};
    HistoryViews views{parts, dayLog, clock};

private:
    // The tree of the designed width, the charts 740 × 360 beside it.
    static HistoryViews::Parts LoadSized(TForm& form) {
        form.SetClientSize(893, 360);
        return LoadHistorySide(form);
    }

    void Bind() {
        tree.SetOnChange([this](TComponent&, TTreeNode*) { views.SelectionChanged(); });
        tree.SetOnMouseMove(
            [this](TComponent&, TShiftState, int x, int y) { views.Hint().MouseMove(x, y); });
        dayChart.SetOnMouseDown([this](TComponent&, TMouseButton button, TShiftState, int, int) {
            views.Day().MouseDown(button);
        });
        auto mouseUp = [this](TComponent&, TMouseButton button, TShiftState, int, int) {
            views.Day().MouseUp(button);
        };
        dayChart.SetOnMouseUp(mouseUp);
        monthChart.SetOnMouseUp(mouseUp);
        dayChart.SetOnMouseMove([this](TComponent&, TShiftState, int x, int y) {
            views.Readouts().DayReadoutAt({x, y});
        });
        monthChart.SetOnMouseMove([this](TComponent&, TShiftState, int x, int y) {
            views.Readouts().MonthReadoutAt({x, y});
        });
    }
};
