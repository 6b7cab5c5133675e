// Processes by their image, their end and exit code, and a file held open
// the way another program would hold it.
#include "Commands.h"

#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cwctype>
#include <stdexcept>

namespace {
std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = wchar_t(std::towlower(c));
    return text;
}

std::wstring ImagePath(DWORD pid) {
    KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process)
        return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process.Get(), 0, path, &size))
        return {};
    return path;
}

KernelHandle OpenOrThrow(DWORD access, DWORD pid) {
    KernelHandle process(OpenProcess(access, FALSE, pid));
    if (!process)
        throw std::runtime_error("no process " + std::to_string(pid));
    return process;
}
} // namespace

// A full path matches the whole image path, a bare file name its last part.
void FindProcesses(const Args& args, Json& out) {
    if (args.empty())
        throw std::runtime_error("pids needs an image path or name");
    const std::wstring wanted = Lower(Widen(args[0]));
    const bool byName = wanted.find(L'\\') == std::wstring::npos;
    KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    out.BeginArray();
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        std::wstring path = Lower(ImagePath(entry.th32ProcessID));
        if (byName)
            path = path.substr(path.find_last_of(L'\\') + 1);
        if (path == wanted)
            out.Int(entry.th32ProcessID);
    }
    out.EndArray();
}

void WaitForExit(const Args& args, Json& out) {
    const auto pid = static_cast<DWORD>(NumberArg(args, 0));
    const auto timeout = static_cast<DWORD>(NumberArg(args, 1));
    KernelHandle process = OpenOrThrow(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, pid);
    const bool ended = WaitForSingleObject(process.Get(), timeout) == WAIT_OBJECT_0;
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    out.BeginObject().Field("exited", ended);
    if (ended)
        out.Field("code", static_cast<long long>(code));
    out.EndObject();
}

// Until the program waits for input with nothing left to handle: what it
// shows then is settled, not a state on the way.
void WaitForIdle(const Args& args, Json& out) {
    const auto pid = static_cast<DWORD>(NumberArg(args, 0));
    const auto timeout = static_cast<DWORD>(NumberArg(args, 1));
    KernelHandle process = OpenOrThrow(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, pid);
    out.BeginObject().Field("idle", WaitForInputIdle(process.Get(), timeout) == 0).EndObject();
}

void Terminate(const Args& args, Json& out) {
    const auto pid = static_cast<DWORD>(NumberArg(args, 0));
    KernelHandle process = OpenOrThrow(PROCESS_TERMINATE | SYNCHRONIZE, pid);
    const bool ended = TerminateProcess(process.Get(), 1) != FALSE &&
                       WaitForSingleObject(process.Get(), 5000) == WAIT_OBJECT_0;
    out.BeginObject().Field("ended", ended).EndObject();
}

// Opened without sharing, as an editor or a backup tool may hold a file:
// nobody else can open, replace or delete it until the line on stdin.
void HoldFile(const Args& args, Json& out) {
    if (args.empty())
        throw std::runtime_error("hold needs a path");
    FileHandle file(CreateFileW(Widen(args[0]).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw std::runtime_error("cannot open " + args[0] + ": " + std::to_string(GetLastError()));
    Json held;
    held.BeginObject().Field("held", true).EndObject();
    const std::string line = held.Text() + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), DWORD(line.size()), &written, nullptr);
    char byte = 0;
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &byte, 1, &read, nullptr) && read == 1 &&
           byte != '\n') {
    }
    file.Reset();
    out.BeginObject().Field("released", true).EndObject();
}
