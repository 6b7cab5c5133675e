#pragma once

// Shared set-up of the tests that make real windows: message boxes are
// recorded, and a form (THostWindow) can be read from a description with the
// toolkit's classes and the test's handlers.
#include "support/HostWindow.h"
#include "toolkit/Application.h"
#include "toolkit/ControlClasses.h"

#include <gtest/gtest.h>
#include <string>

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().SetTitle("Ostrelle");
        RegisterControlClasses(classes);
    }

    void Load(THostWindow& form, const std::string& text) {
        form.Load(classes, handlers, text, "t");
    }

    static std::wstring WindowText(HWND hwnd) {
        wchar_t text[256] = {};
        GetWindowTextW(hwnd, text, 256);
        return text;
    }
    static LONG_PTR Style(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }

    RecordingMessageSink sink;
    ScopedMessageSink recorded{sink};
    FormClasses classes;
    FormHandlers handlers;
};
