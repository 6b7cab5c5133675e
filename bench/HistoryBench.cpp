#include "HistoryBench.h"

#include "BenchFiles.h"
#include "Stopwatch.h"
#include "app/HistoryParts.h"
#include "chart/demo/DemoCharts.h"
#include "history/HistoryTree.h"
#include "history/HistoryViews.h"
#include "recording/DayFileName.h"
#include "recording/DayLog.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"
#include "toolkit/StdControls.h"
#include "toolkit/Text.h"
#include "toolkit/TreeView.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {
// The main window's history side, as the tests build it from the window's
// description: never shown, so nothing is painted unless asked.
struct HistorySide {
    explicit HistorySide(const std::string& historyDir)
        : dayLog(DaySeries{*charts.day.keys2, *charts.day.mouse2, *charts.day.cpu1}, clock,
                 historyDir, StopOnError,
                 DayLog::Caption{[this] { return parts.dayCaption.Hint(); },
                                 [this](const std::string& t) { parts.dayCaption.SetCaption(t); }}),
          views(parts, dayLog, clock) {
        tree.SetOnChange([this](TComponent&, TTreeNode*) { views.SelectionChanged(); });
    }

    static HistoryViews::Parts LoadSized(TForm& form) {
        form.SetClientSize(893, 360);
        return LoadHistorySide(form);
    }

    FixedClock clock{LocalTime{{2026, 12, 31}, 12, 0, 0, 0}};
    TForm form{nullptr};
    HistoryViews::Parts parts = LoadSized(form);
    DemoCharts charts = FindDemoCharts(form);
    TTreeView& tree = parts.tree;
    DayLog dayLog;
    HistoryViews views;
};

TTreeNode& NodeOf(TTreeView& tree, const std::string& label) {
    for (TTreeNode* node : tree.Nodes())
        if (node->Text() == label)
            return *node;
    throw Exception("no node " + label);
}

void MonthAndDayViews(const std::string& folder) {
    // Two months of 31 busy days each, and nothing else.
    std::vector<std::string> december, january;
    for (int d = 1; d <= 31; ++d) {
        december.push_back(DayFileName(folder, {2026, 12, d}));
        january.push_back(DayFileName(folder, {2027, 1, d}));
        WriteFileBytes(december.back(), BusyDay(d));
        WriteFileBytes(january.back(), BusyDay(d + 31));
    }
    HistorySide side(folder);
    side.dayLog.LoadTodayFile();
    BuildHistoryTree(side.tree, folder, side.clock, StopOnError);
    std::printf("history: 62 day files of %zu bytes, 1440 lines\n", BusyDay(1).size());

    auto rawMonth = [&] {
        for (const std::string& path : december)
            (void)ReadFileBytes(path);
    };
    auto [month, monthFloor] = MedianMicroseconds(
        31, [&] { side.views.Month().Show("2026.December"); }, rawMonth);
    Report("month chart, 31 day files (no paint)", month, "raw read of the 31 files", monthFloor);

    // The hint reads a node only when the pointer arrives from another one:
    // each move goes to the other month.
    side.tree.FullCollapse(); // both months in sight
    const TRect decemberRect = NodeOf(side.tree, "2026.December").DisplayRect();
    const TRect januaryRect = NodeOf(side.tree, "2027.January").DisplayRect();
    bool toDecember = true;
    auto [hint, hintFloor] = MedianMicroseconds(
        31,
        [&] {
            const TRect& r = toDecember ? decemberRect : januaryRect;
            side.views.Hint().MouseMove(r.left + 2, r.top + 2);
            toDecember = !toDecember;
        },
        rawMonth);
    Report("tree hint of a month, 31 day files", hint, "raw read of the 31 files", hintFloor);

    // A past day, read anew at every selection.
    TTreeNode& day = NodeOf(side.tree, "2026-12-15");
    auto [past, pastFloor] = MedianMicroseconds(
        101, [&] { side.views.Day().Show(day); }, [&] { (void)ReadFileBytes(december[14]); });
    Report("past day's chart (no paint)", past, "raw read of the file", pastFloor);
}

// One move over the day chart with its ten series filled for the whole day
// (two of them on view), against one paint of that chart at 740 x 360.
void ChartReadout(const std::string& folder) {
    HistorySide side(folder);
    DayChart& day = side.charts.day;
    FillDayActivity(day, 2026);
    for (TChartSeries* series :
         std::initializer_list<TChartSeries*>{day.keys1, day.mouse1, day.reserved, day.cpu2,
                                              day.readKeys, day.readMouse, day.readCpu})
        for (int minute = 0; minute < kMinutesPerDay; ++minute)
            series->AddPoint(minute, minute % 13);
    day.chart->SetBounds(153, 0, 740, 360);
    day.chart->PaintBuffer();
    const TPoint over = {(day.mouse2->PixelOf(600).x + day.mouse2->PixelOf(601).x) / 2,
                         day.chart->PlotRect().bottom - 1};
    const TPoint screen = day.chart->ClientToScreen(over);
    SetCursorPos(screen.x, screen.y);
    auto [readout, paint] = MedianMicroseconds(
        41, [&] { side.views.Readouts().DayChartMouseMove(); }, [&] { day.chart->PaintBuffer(); });
    Report("day chart readout, 10 series", readout, "one paint of the chart 740x360", paint);
    std::printf("  (the readout wrote: %s)\n", side.parts.dayCaption.Caption().c_str());
}

// Ten years of day files: the tree against a plain listing of the folder.
void TenYearsTree(const std::string& folder) {
    Date date{2017, 1, 1};
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int n = 0; n < 3650; ++n) {
        WriteFileBytes(DayFileName(folder, date), "");
        const bool leap = date.year % 4 == 0;
        if (++date.day > days[date.month - 1] + (date.month == 2 && leap ? 1 : 0)) {
            date.day = 1;
            if (++date.month > 12) {
                date.month = 1;
                ++date.year;
            }
        }
    }
    FixedClock clock(LocalTime{{2026, 12, 15}, 12, 0, 0, 0});
    auto plainListing = [&] {
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileW(Widen(folder + "*.dat").c_str(), &found);
        int n = 0;
        if (find != INVALID_HANDLE_VALUE) {
            while (FindNextFileW(find, &found))
                ++n;
            FindClose(find);
        }
        return n;
    };
    // Start-up builds the tree once, into an empty control: each run gets a
    // new one.
    std::vector<double> builds, listings;
    size_t nodes = 0;
    for (int run = 0; run < 5; ++run) {
        TForm form{nullptr};
        TTreeView& tree = HistorySide::LoadSized(form).tree;
        builds.push_back(
            MicrosecondsEach(1, [&] { BuildHistoryTree(tree, folder, clock, StopOnError); }));
        listings.push_back(MicrosecondsEach(1, plainListing));
        nodes = tree.Nodes().size();
    }
    std::sort(builds.begin(), builds.end());
    std::sort(listings.begin(), listings.end());
    Report("history tree, 3650 day files", builds[2], "plain listing of the folder", listings[2]);
    std::printf("  (%zu nodes)\n", nodes);
}
} // namespace

void RunHistoryBench() {
    Application().SetTitle("Tallyvane benchmarks");
    const std::string views = BenchFolder("tallyvane-bench-views");
    MonthAndDayViews(views);
    RemoveFolder(views);

    const std::string readout = BenchFolder("tallyvane-bench-readout");
    ChartReadout(readout);
    RemoveFolder(readout);

    const std::string years = BenchFolder("tallyvane-bench-years");
    TenYearsTree(years);
    RemoveFolder(years);
}
