// A small window over the recording core: it records the pointer's travel
// minute by minute into today's day file and shows the day store's totals.
// The main window with the tree and the charts takes its place later.
#include "recording/ActivityRecorder.h"
#include "recording/DayLog.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"
#include "toolkit/Timer.h"

#include <windows.h>

namespace {
std::string Summary(const DayLog& log, const ActivityRecorder& recorder) {
    int64_t keys = 0, mouse = 0;
    for (int m = 0; m < kMinutesPerDay; ++m) {
        MinuteRecord r = log.RecordAt(m);
        keys += r.keys;
        mouse += r.mouse;
    }
    return Format("Day store of %04d-%02d-%02d\r\n\r\nKeys pressed today: %lld\r\nMouse distance "
                  "today: %lld dm\r\n\r\nThis minute: %u keys, %u pixels\r\n\r\nHistory: %s",
                  log.StoreDate().year, log.StoreDate().month, log.StoreDate().day, (long long)keys,
                  (long long)mouse, unsigned(recorder.KeyCount()), unsigned(recorder.MouseTravel()),
                  log.HistoryDir().c_str());
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    Application().SetTitle("Ostrelle");
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TallyvaneStoreViewer";
    RegisterClassExW(&wc);
    WindowHandle window(CreateWindowExW(0, wc.lpszClassName, L"Tallyvane", WS_OVERLAPPEDWINDOW,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 420, 240, nullptr, nullptr,
                                        instance, nullptr));
    HWND text = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 12, 12, 380, 180,
                                window.Get(), nullptr, instance, nullptr);
    ShowWindow(window.Get(), show);

    SystemClock clock;
    TChartSeries keys, mouse, cpu;
    DayLog log({keys, mouse, cpu}, clock, ExecutableFolder() + "history\\");
    HDC screen = GetDC(nullptr);
    int ppi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ActivityRecorder recorder(log, clock, ppi, {});
    recorder.SetLastCursorPos(CursorPosition());

    auto refresh = [&] { SetWindowTextW(text, Widen(Summary(log, recorder)).c_str()); };
    TTimer pointer, minutes;
    pointer.SetInterval(50);
    pointer.SetOnTimer([&](TTimer&) {
        recorder.PollPointer();
        refresh();
    });
    minutes.SetInterval(ActivityRecorder::kMinuteInterval);
    minutes.SetOnTimer([&](TTimer& timer) {
        recorder.MinuteTick(timer);
        refresh();
    });
    Application().Dispatch([&] {
        log.LoadTodayFile();
        minutes.SetInterval(AlignedMinuteInterval(clock.Now().second));
    });
    refresh();

    MSG msg;
    while (IsWindow(window.Get()) && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    Application().Dispatch([&] { log.SaveDayFile(); });
    window.Release(); // destroyed by its close
    return 0;
}
