#pragma once

#include "recording/DayLog.h"
#include "support/DayText.h"
#include "support/TempFolder.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

// A history folder of its own, the day store's three series, a set clock, the
// caption under the day chart and a message sink in place of the error box.
class DayLogFixture : public ::testing::Test {
protected:
    DayLogFixture() {
        CreateDirectoryW(Widen(historyDir).c_str(), nullptr);
        Application().SetTitle("Ostrelle");
        Application().SetMessageSink(&messages);
    }
    ~DayLogFixture() override { Application().SetMessageSink(nullptr); }

    std::string TodayFile() const { return historyDir + "26-12-09.dat"; }

    std::vector<std::string> Errors() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.messages)
            texts.push_back(m.text);
        return texts;
    }

    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& l : lines)
            text += l + "\r\n";
        return text;
    }

    TempFolder root;
    std::string historyDir = root / "history\\";
    RecordingMessageSink messages;
    FixedClock clock{LocalTime{{2026, 12, 9}, 10, 0, 30, 0}};
    TChartSeries keys, mouse, cpu;
    std::string caption = "Hours";
    DayLog log{DayLog::Store{keys, mouse, cpu}, clock, historyDir,
               DayLog::Caption{[] { return std::string("Hours"); },
                               [this](const std::string& text) { caption = text; }}};
};
