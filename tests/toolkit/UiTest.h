#pragma once

// Shared set-up of the tests that make real windows: message boxes are
// recorded, and a form can be read from a description with the toolkit's
// classes and the test's handlers.
#include "toolkit/Application.h"
#include "toolkit/ControlClasses.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>
#include <string>

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner = nullptr) : TForm(owner) {}
    template <typename T> T& Find(const std::string& name) {
        auto* found = dynamic_cast<T*>(FindComponent(name));
        if (!found)
            throw std::runtime_error("no component " + name);
        return *found;
    }
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application().SetTitle("Ostrelle");
        Application().SetMessageSink(&sink);
        RegisterControlClasses(classes);
    }
    void TearDown() override { Application().SetMessageSink(nullptr); }

    void Load(TTestForm& form, const std::string& text) { form.Load(classes, handlers, text, "t"); }

    static std::wstring WindowText(HWND hwnd) {
        wchar_t text[256] = {};
        GetWindowTextW(hwnd, text, 256);
        return text;
    }
    static LONG_PTR Style(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }

    RecordingMessageSink sink;
    FormClasses classes;
    FormHandlers handlers;
};
