#include "FolderInstance.h"

#include "toolkit/Text.h"

#include <cstdint>
#include <cwchar>
#include <vector>

namespace {
// A window message of this program's own: the window it goes to is found by
// its name, which no other program's window has.
constexpr UINT kShowRequest = WM_APP + 1;
// How long a later start looks for the first copy's window. The first copy
// makes it right after the mutex, so only a start that races the first one
// waits at all.
constexpr DWORD kFindWindowMs = 5000;

// The folder as the file system names it: the final path of the folder
// itself, which resolves other spellings (case, short names, "..", a
// trailing backslash, links and substituted drives) to one. A folder that
// cannot be opened keeps its full path.
std::wstring NormalisedFolder(const std::string& folder) {
    const std::wstring wide = Widen(folder);
    std::wstring path;
    FileHandle handle(CreateFileW(wide.c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle) {
        std::vector<wchar_t> buffer(MAX_PATH);
        for (;;) {
            DWORD n = GetFinalPathNameByHandleW(handle.Get(), buffer.data(), DWORD(buffer.size()),
                                                FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
            if (n == 0)
                break;
            if (n < buffer.size()) {
                path.assign(buffer.data(), n);
                break;
            }
            buffer.resize(n + 1);
        }
    }
    if (path.empty()) {
        DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
        std::vector<wchar_t> buffer(n + 1);
        n = GetFullPathNameW(wide.c_str(), DWORD(buffer.size()), buffer.data(), nullptr);
        path = n && n < buffer.size() ? std::wstring(buffer.data(), n) : wide;
    }
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    // File names compare without regard to case.
    CharUpperBuffW(path.data(), DWORD(path.size()));
    return path;
}

// FNV-1a over the UTF-16 units: 64 bits leave no real chance that two
// folders of one desktop share a name.
std::uint64_t Hash(std::wstring_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t unit : text) {
        hash ^= std::uint16_t(unit);
        hash *= 1099511628211ull;
    }
    return hash;
}
} // namespace

std::wstring FolderInstanceName(const std::string& programFolder) {
    wchar_t hex[17];
    swprintf(hex, 17, L"%016llx",
             static_cast<unsigned long long>(Hash(NormalisedFolder(programFolder))));
    return L"Tallyvane." + std::wstring(hex);
}

FolderInstance::FolderInstance(const std::string& programFolder)
    : name_(FolderInstanceName(programFolder)) {
    // Owned, not merely made: a later start holds the mutex open for a
    // moment too, and must not pass for a running copy when the first one
    // has just ended. Ownership ends with the owning thread, also when the
    // program crashes (then the wait below says WAIT_ABANDONED).
    mutex_.Reset(CreateMutexW(nullptr, FALSE, name_.c_str()));
    if (!mutex_) {
        // A copy started with other rights (as administrator) holds it.
        if (GetLastError() == ERROR_ACCESS_DENIED)
            return;
    } else if (WaitForSingleObject(mutex_.Get(), 0) == WAIT_TIMEOUT) {
        return;
    }
    first_ = true;
    window_ = std::make_unique<MessageWindow>(
        [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            return Message(window, message, wParam, lParam);
        });
    SetWindowTextW(window_->Handle(), name_.c_str());
    // A later start with fewer rights than this copy (this one runs as
    // administrator) may still ask it to show itself.
    ChangeWindowMessageFilterEx(window_->Handle(), kShowRequest, MSGFLT_ALLOW, nullptr);
}

FolderInstance::~FolderInstance() {
    window_.reset();
    if (mutex_ && first_)
        ReleaseMutex(mutex_.Get());
}

bool FolderInstance::ShowFirst() const {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND first = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, name_.c_str())) {
            DWORD process = 0;
            GetWindowThreadProcessId(first, &process);
            AllowSetForegroundWindow(process);
            return PostMessageW(first, kShowRequest, 0, 0) != FALSE;
        }
        if (GetTickCount() - start >= kFindWindowMs)
            return false;
        Sleep(50);
    }
}

void FolderInstance::OnShowRequest(std::function<void()> show) {
    show_ = std::move(show);
    if (pending_ && window_) {
        pending_ = false;
        PostMessageW(window_->Handle(), kShowRequest, 0, 0);
    }
}

LRESULT FolderInstance::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kShowRequest)
        return DefWindowProcW(window, message, wParam, lParam);
    if (show_)
        show_();
    else
        pending_ = true;
    return 0;
}
