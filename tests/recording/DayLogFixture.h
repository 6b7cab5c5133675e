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
// caption under the day chart, and a reporter that keeps the texts of the
// errors reported. Recording never shows a box itself: a sink in place of
// the real box catches one that it would.
class DayLogFixture : public ::testing::Test {
protected:
    DayLogFixture() { CreateDirectoryW(Widen(historyDir).c_str(), nullptr); }
    ~DayLogFixture() override { EXPECT_TRUE(boxes.messages.empty()) << boxes.messages[0].text; }

    std::string TodayFile() const { return historyDir + "26-12-09.dat"; }

    ErrorReporter Reporter() {
        return [this](const std::exception& error) { reported.push_back(error.what()); };
    }

    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& l : lines)
            text += l + "\r\n";
        return text;
    }

    TempFolder root;
    std::string historyDir = root / "history\\";
    RecordingMessageSink boxes;
    ScopedMessageSink noBox{boxes};
    std::vector<std::string> reported;
    FixedClock clock{LocalTime{{2026, 12, 9}, 10, 0, 30, 0}};
    TChartSeries keys, mouse, cpu;
    std::string caption = "Hours";
    DayLog log{DaySeries{keys, mouse, cpu}, clock, historyDir, Reporter(),
               DayLog::Caption{[] { return std::string("Hours"); },
                               [this](const std::string& text) { caption = text; }}};
};
