#pragma once

#include "toolkit/Handle.h"

#include <string>
#include <vector>

// A program started by the benchmark as a process of its own and measured
// from outside, as a task manager would: its CPU time, its working set and
// its windows. The process is ended with the object if it still runs.
class ChildProcess {
public:
    // Starts `exe` with `folder` as its working folder; the clock of
    // Seconds() starts just before the process is created.
    ChildProcess(const std::string& exe, const std::string& folder);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return id_; }
    // Seconds since the start.
    double Seconds() const;

    // CPU time used so far (user and kernel, all threads), in seconds. Under
    // Wine the process is a Linux process, and the kernel's own count of its
    // threads' run time is read (schedstat, in nanoseconds): Wine 8 answers
    // GetProcessTimes for another process with the caller's own times, and
    // its thread times come in steps of 10 ms, a tenth of a minute's idle.
    double CpuSeconds();
    size_t WorkingSetBytes() const;
    // Until the process waits for input with nothing to handle.
    bool WaitForIdle(DWORD milliseconds) const;
    // Top-level windows of the process, shown or not, and their descendants.
    std::vector<HWND> Windows() const;

    // Ends the process as a log-off would (Tallyvane saves and ends itself),
    // or by a quit message to its first thread; then waits for the end and,
    // failing that, terminates it.
    void EndSession(HWND mainWindow);
    void Quit();

private:
    void WaitOrTerminate();
    int LinuxProcessId();

    std::string exe_;
    int linuxId_ = 0;
    KernelHandle process_;
    KernelHandle thread_;
    DWORD id_ = 0;
    DWORD threadId_ = 0;
    double started_ = 0;
};

// The colour of a pixel of the screen as the display shows it.
COLORREF ScreenPixel(POINT at);
