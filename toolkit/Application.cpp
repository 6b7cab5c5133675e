#include "Application.h"

#include <windows.h>

TApplication& Application() {
    static TApplication application;
    return application;
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption,
                                 unsigned flags) {
    return sink_->Show(text, caption, flags);
}

void TApplication::ShowException(const std::exception& error) {
    ShowMessageBox(error.what(), title_, MB_OK | MB_ICONERROR);
}

void TApplication::Dispatch(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        try {
            ShowException(error);
        } catch (...) {
        }
    } catch (...) {
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
