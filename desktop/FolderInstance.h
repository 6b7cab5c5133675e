#pragma once

#include "toolkit/Handle.h"
#include "toolkit/MessageWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <windows.h>

// One running copy of the program per program folder: two copies of one
// folder would both rewrite the same day file every minute. Copies in
// different folders keep their own history and run side by side.
//
// The first start from a folder owns a named mutex for its life and keeps a
// hidden window of the same name, which later starts find:
//
//   FolderInstance instance(folder);
//   if (!instance.First()) { instance.ShowFirst(); return 0; }   a later start
//   ... make the main window ...
//   instance.OnShowRequest([&] { ...show the main window... });  the first
//
// The name is the folder's, case-insensitive and normalised (the same folder
// reached by another spelling is the same folder), hashed: names of kernel
// objects hold no backslashes and have a length limit. It is per log-on
// session: each user's desktop has its own copy.
class FolderInstance {
public:
    // Tells whether another copy of this folder runs. When it cannot tell
    // (the mutex cannot be made at all), this start counts as the first:
    // better two copies than none.
    explicit FolderInstance(const std::string& programFolder);
    ~FolderInstance();
    FolderInstance(const FolderInstance&) = delete;
    FolderInstance& operator=(const FolderInstance&) = delete;

    [[nodiscard]] bool First() const { return first_; }

    // For a later start: asks the first copy to show its window, and lets
    // it take the foreground (Windows gives it only to the program the user
    // started last). The request is posted: this start need not wait for
    // it. False when the first copy's window was not found in time (it is
    // ending, or its start has not come that far).
    bool ShowFirst() const;

    // For the first copy: what a later start's request does. It runs from
    // the message loop, through the application's dispatch. A request that
    // came in before, while the program was being made, runs then.
    void OnShowRequest(std::function<void()> show);

private:
    LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::wstring name_;
    KernelHandle mutex_;
    bool first_ = false;
    std::unique_ptr<MessageWindow> window_;
    std::function<void()> show_;
    bool pending_ = false;
};

// The name of the running copy of a folder: the same for every spelling of
// the folder, with no backslash.
std::wstring FolderInstanceName(const std::string& programFolder);
