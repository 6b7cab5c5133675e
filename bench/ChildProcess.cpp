#include "ChildProcess.h"

#include "Stopwatch.h"
#include "toolkit/Exception.h"
#include "toolkit/Text.h"

#include <psapi.h>

#include <cstdlib>

ChildProcess::ChildProcess(const std::string& exe, const std::string& folder) : exe_(exe) {
    std::wstring commandLine = L"\"" + Widen(exe) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    started_ = SecondsNow();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        Widen(folder).c_str(), &startup, &info))
        throw Exception("Cannot start " + exe + ": " + SysErrorMessage(GetLastError()));
    process_.Reset(info.hProcess);
    thread_.Reset(info.hThread);
    id_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
}

ChildProcess::~ChildProcess() {
    if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

double ChildProcess::Seconds() const {
    return SecondsNow() - started_;
}

namespace {
bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// A whole file read to its end; the kernel's files under Z:\proc have no
// size until read.
std::string ReadToEnd(const std::string& path) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    std::string text;
    if (!file)
        return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    return text;
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(Widen(folder + "*").c_str(), &found));
    if (!find)
        return names;
    do {
        names.push_back(Narrow(found.cFileName));
    } while (FindNextFileW(find.Get(), &found));
    return names;
}

bool SameText(const std::string& a, const std::string& b) {
    return CompareStringOrdinal(Widen(a).c_str(), -1, Widen(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}
} // namespace

// Wine names a process it started after its Windows image path, the first
// word of its Linux command line.
int ChildProcess::LinuxProcessId() {
    if (linuxId_)
        return linuxId_;
    std::vector<int> found;
    for (const std::string& name : NamesIn("Z:\\proc\\")) {
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string commandLine = ReadToEnd("Z:\\proc\\" + name + "\\cmdline");
        if (SameText(commandLine.substr(0, commandLine.find('\0')), exe_))
            found.push_back(std::stoi(name));
    }
    if (found.size() != 1)
        throw Exception(std::to_string(found.size()) + " Linux processes run " + exe_);
    linuxId_ = found.front();
    return linuxId_;
}

double ChildProcess::CpuSeconds() {
    if (!UnderWine()) {
        FILETIME created, ended, kernel, user;
        if (!GetProcessTimes(process_.Get(), &created, &ended, &kernel, &user))
            throw Exception("Cannot read the CPU time: " + SysErrorMessage(GetLastError()));
        auto ticks = [](const FILETIME& t) {
            return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime);
        };
        return (ticks(kernel) + ticks(user)) / 1e7;
    }
    const std::string tasks = Format("Z:\\proc\\%d\\task\\", LinuxProcessId());
    double nanoseconds = 0;
    for (const std::string& task : NamesIn(tasks))
        if (task != "." && task != "..")
            nanoseconds += std::strtod(ReadToEnd(tasks + task + "\\schedstat").c_str(), nullptr);
    return nanoseconds / 1e9;
}

size_t ChildProcess::WorkingSetBytes() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process_.Get(), &counters, sizeof counters))
        throw Exception("Cannot read the working set: " + SysErrorMessage(GetLastError()));
    return counters.WorkingSetSize;
}

bool ChildProcess::WaitForIdle(DWORD milliseconds) const {
    return WaitForInputIdle(process_.Get(), milliseconds) == 0;
}

std::vector<HWND> ChildProcess::Windows() const {
    struct Search {
        DWORD id;
        std::vector<HWND> found;
    } search{id_, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s.id)
                return TRUE;
            s.found.push_back(window);
            EnumChildWindows(
                window,
                [](HWND child, LPARAM found) -> BOOL {
                    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&s.found));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ChildProcess::EndSession(HWND mainWindow) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(mainWindow, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                        5000, &answer);
    SendMessageTimeoutW(mainWindow, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                        &answer);
    WaitOrTerminate();
}

void ChildProcess::Quit() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitOrTerminate();
}

void ChildProcess::WaitOrTerminate() {
    if (WaitForSingleObject(process_.Get(), 10000) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}
