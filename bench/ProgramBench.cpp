// How the figures are taken, and why they are honest:
//
// start-up   from just before CreateProcess until the month chart's first
//            picture is on the screen: its window is visible and a pixel of
//            its background, read from the screen, has the colour the chart
//            paints there. The chart paints into a back buffer and shows it
//            in one copy, so one pixel of it on the screen means the whole
//            first picture is. The floor: a program with one window, until
//            the colour it paints is on the screen at the same place of its
//            window. No switch or signal in the program is needed.
// memory     the working set once the started program has nothing left to
//            handle, a second after its first paint; the floor's likewise.
// idle       CPU time (user and kernel, all threads) over 60 s of both
//            programs side by side with the pointer still: Tallyvane in the
//            tray, the floor reading the pointer every 50 ms; three minutes
//            in a row, the median of each.
#include "ProgramBench.h"

#include "BenchFiles.h"
#include "ChildProcess.h"
#include "Stopwatch.h"
#include "chart/demo/DemoCharts.h"
#include "floors/FloorPrograms.h"
#include "recording/DayFileName.h"
#include "recording/DayLog.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace {

constexpr int kStarts = 5;
constexpr DWORD kIdleMilliseconds = 60000;
constexpr int kIdleRuns = 3;
constexpr double kPaintTimeout = 120;

std::string WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return Narrow(text);
}

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Narrow(name);
}

Date DaysBeforeToday(int days) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER t{{file.dwLowDateTime, file.dwHighDateTime}};
    t.QuadPart -= uint64_t(days) * 24 * 3600 * 10000000ULL;
    file = {t.LowPart, t.HighPart};
    SYSTEMTIME then;
    FileTimeToSystemTime(&file, &then);
    return {then.wYear, then.wMonth, then.wDay};
}

// A folder with the program, its hook library and a history of `days` busy
// days before today and an empty today.
std::string ProgramFolder(const std::string& name, const std::string& app, int days,
                          const std::string& options) {
    const std::string folder = BenchFolder(name);
    for (const char* file : {"Tallyvane.exe", "ostrelle.dll"})
        if (!CopyFileW(Widen(app + file).c_str(), Widen(folder + file).c_str(), FALSE))
            throw Exception("Cannot copy " + app + file + ": " + SysErrorMessage(GetLastError()));
    const std::string history = folder + "history\\";
    CreateDirectoryW(Widen(history).c_str(), nullptr);
    for (int d = 1; d <= days; ++d)
        WriteFileBytes(DayFileName(history, DaysBeforeToday(d)), BusyDay(d));
    WriteFileBytes(DayFileName(history, DaysBeforeToday(0)),
                   FormatDayFile(std::vector<MinuteRecord>(kMinutesPerDay)));
    WriteFileBytes(folder + "options.ini", options);
    return folder;
}

// A pixel to watch on the screen and the colour it will have once painted.
struct PixelWatch {
    POINT at;
    COLORREF colour;
};

// What the month chart paints at (3, 3) of its client area, inside its
// bevel: the same chart as designed, painted here at the same size.
class MonthChartReference {
public:
    COLORREF At(int width, int height) {
        auto known = pixels_.find({width, height});
        if (known != pixels_.end())
            return known->second;
        TChartDemoForm form;
        TChart* chart = LoadDemoCharts(form).month.chart;
        chart->SetClientSize(width, height);
        chart->PaintBuffer();
        const COLORREF pixel = chart->BackBuffer().Pixel(kAt.x, kAt.y);
        pixels_[{width, height}] = pixel;
        return pixel;
    }
    static constexpr POINT kAt{3, 3};

private:
    std::map<std::pair<int, int>, COLORREF> pixels_;
};

std::optional<PixelWatch> MonthChartPixel(const ChildProcess& program,
                                          MonthChartReference& reference) {
    // The month chart is the chart whose caption says "Days".
    for (HWND window : program.Windows()) {
        if (ClassOf(window) != "Static" || WindowText(window) != "Days" || !IsWindowVisible(window))
            continue;
        HWND chart = GetParent(window);
        RECT client{};
        GetClientRect(chart, &client);
        POINT at = MonthChartReference::kAt;
        ClientToScreen(chart, &at);
        return PixelWatch{at, reference.At(client.right, client.bottom)};
    }
    return std::nullopt;
}

std::optional<PixelWatch> OneWindowPixel(const ChildProcess& floor) {
    for (HWND window : floor.Windows()) {
        if (GetParent(window) || !IsWindowVisible(window))
            continue;
        POINT at{3, 3};
        ClientToScreen(window, &at);
        return PixelWatch{at, kOneWindowFloorColor};
    }
    return std::nullopt;
}

// Seconds from the start until the watched pixel shows its colour.
double SecondsToFirstPaint(const ChildProcess& process,
                           const std::function<std::optional<PixelWatch>()>& watch) {
    for (;;) {
        if (std::optional<PixelWatch> w = watch())
            if (ScreenPixel(w->at) == w->colour)
                return process.Seconds();
        if (process.Seconds() > kPaintTimeout)
            throw Exception("No first paint within " + Format("%.0f", kPaintTimeout) + " s");
        Sleep(1);
    }
}

size_t SettledWorkingSet(const ChildProcess& process) {
    process.WaitForIdle(10000);
    Sleep(1000);
    process.WaitForIdle(10000);
    return process.WorkingSetBytes();
}

HWND MainWindowOf(const ChildProcess& program) {
    for (HWND window : program.Windows())
        if (!GetParent(window) && WindowText(window) == "Tallyvane")
            return window;
    throw Exception("Tallyvane's main window was not found");
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts of the program from `folder` and of the one-window program, taken
// in turn, with the working set of each once started.
struct Starts {
    std::vector<double> seconds, floorSeconds, bytes, floorBytes;
};

Starts MeasureStarts(const std::string& folder, const std::string& floorExe, int runs) {
    MonthChartReference reference;
    Starts starts;
    for (int run = 0; run < runs; ++run) {
        {
            ChildProcess program(folder + "Tallyvane.exe", folder);
            starts.seconds.push_back(
                SecondsToFirstPaint(program, [&] { return MonthChartPixel(program, reference); }));
            starts.bytes.push_back(double(SettledWorkingSet(program)));
            program.EndSession(MainWindowOf(program));
        }
        {
            ChildProcess floor(floorExe, folder);
            starts.floorSeconds.push_back(
                SecondsToFirstPaint(floor, [&] { return OneWindowPixel(floor); }));
            starts.floorBytes.push_back(double(SettledWorkingSet(floor)));
            floor.Quit();
        }
    }
    return starts;
}

void PrintEach(const std::vector<double>& values, const std::vector<double>& floors, double scale) {
    std::printf("  (each run:");
    for (size_t i = 0; i < values.size(); ++i)
        std::printf(" %.0f/%.0f", values[i] * scale, floors[i] * scale);
    std::printf(")\n");
}

// The start-up row with `days` of history; the starts, for more rows.
Starts StartRow(const std::string& app, const std::string& floorExe, int days, const char* label) {
    const std::string folder =
        ProgramFolder("tallyvane-bench-start-" + std::to_string(days), app, days, "");
    const Starts starts = MeasureStarts(folder, floorExe, kStarts);
    RemoveFolder(folder);
    ReportIn("ms", label, Median(starts.seconds) * 1e3, "one-window program to its paint",
             Median(starts.floorSeconds) * 1e3);
    PrintEach(starts.seconds, starts.floorSeconds, 1e3);
    return starts;
}

void StartAndMemory(const std::string& app, const std::string& floorExe) {
    const Starts year = StartRow(app, floorExe, 365, "start-up to the month chart painted, 1 year");
    ReportIn("MB", "working set after start, 1 year of history", Median(year.bytes) / 1048576,
             "working set of a one-window program", Median(year.floorBytes) / 1048576);
    StartRow(app, floorExe, 3650, "start-up to the month chart painted, 10 years");
}

void Idle(const std::string& app, const std::string& floorExe) {
    const std::string folder =
        ProgramFolder("tallyvane-bench-tray", app, 365, "[PosSize]\r\nWindowState=0\r\n");
    ChildProcess program(folder + "Tallyvane.exe", folder);
    ChildProcess floor(floorExe, folder);
    program.WaitForIdle(60000);
    floor.WaitForIdle(60000);
    Sleep(2000);
    // A tick costs both programs mostly the switch into the process and
    // back, which depends on what else the machine does: a few minutes in a
    // row, and their median.
    std::vector<double> used, floorUsed;
    for (int run = 0; run < kIdleRuns; ++run) {
        const double programBefore = program.CpuSeconds();
        const double floorBefore = floor.CpuSeconds();
        Sleep(kIdleMilliseconds);
        used.push_back(program.CpuSeconds() - programBefore);
        floorUsed.push_back(floor.CpuSeconds() - floorBefore);
    }
    ReportIn("ms", "idle in the tray, CPU over 60 s", Median(used) * 1e3,
             "GetCursorPos every 50 ms, 60 s", Median(floorUsed) * 1e3);
    PrintEach(used, floorUsed, 1e3);
    program.EndSession(MainWindowOf(program));
    floor.Quit();
    RemoveFolder(folder);
}

} // namespace

void RunProgramBench() {
    const std::string app = ExecutableFolder() + "..\\app\\";
    if (!FileExists(app + "Tallyvane.exe")) {
        std::printf("no %sTallyvane.exe: the whole program is not measured\n", app.c_str());
        return;
    }
    const std::string here = ExecutableFolder();
    StartAndMemory(app, here + Narrow(kOneWindowFloorExe));
    Idle(app, here + Narrow(kPointerPollFloorExe));
}
