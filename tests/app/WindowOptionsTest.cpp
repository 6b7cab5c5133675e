#include "app/WindowOptions.h"

#include "support/TempFolder.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/IniFile.h"

#include <gtest/gtest.h>

namespace {
const WindowOptions kDesigned{WindowOptions::State::Normal, TRect::FromBounds(244, 110, 740, 360),
                              150};

void Write(const std::string& path, const std::string& text) {
    WriteFileBytes(path, text);
}
} // namespace

TEST(WindowOptions, WhatTheFileSaysOverTheDesignedValues) {
    using State = WindowOptions::State;
    struct Case {
        const char* ini;
        WindowOptions read;
    } cases[] = {
        {"", kDesigned},
        {"[PosSize]\r\nWindowState=1\r\nTop=5\r\nLeft=6\r\nHeight=300\r\nWidth=400\r\n"
         "TreeWidth=90\r\n",
         {State::Normal, TRect::FromBounds(6, 5, 400, 300), 90}},
        {"[PosSize]\r\nWindowState=0\r\nTop=5\r\n",
         {State::Hidden, TRect::FromBounds(244, 5, 740, 360), 150}},
        // Maximised: the bounds are not read; the tree's width is.
        {"[PosSize]\r\nWindowState=2\r\nTop=5\r\nWidth=10\r\nTreeWidth=900\r\n",
         {State::Maximised, kDesigned.bounds, 900}},
        // Garbage keeps the designed values, and a size too small to find
        // grows to 150 x 100.
        {"[PosSize]\r\nWindowState=banana\r\nTop=x\r\nWidth=-3\r\nHeight=7\r\n",
         {State::Normal, TRect::FromBounds(244, 110, 150, 100), 150}},
        {"[PosSize]\r\nWindowState=7\r\n", kDesigned},
        {"[Other]\r\nWindowState=0\r\nTop=1\r\n", kDesigned},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        TempFolder folder;
        const std::string path = folder / "options.ini";
        if (*c.ini)
            Write(path, c.ini);
        EXPECT_EQ(ReadWindowOptions(path, kDesigned), c.read);
    }
}

TEST(WindowOptions, WrittenSettingsReadBackAsTheyWere) {
    TempFolder folder;
    const std::string path = folder / "options.ini";
    for (WindowOptions::State state :
         {WindowOptions::State::Hidden, WindowOptions::State::Normal}) {
        const WindowOptions written{state, TRect::FromBounds(-20, 30, 900, 500), 222};
        WriteWindowOptions(path, written);
        EXPECT_EQ(ReadWindowOptions(path, kDesigned), written);
    }
}

// Restored from maximised, the window goes back to the bounds it had: a
// maximised window's own bounds (the screen's) are never written.
TEST(WindowOptions, AMaximisedWindowWritesItsStateAndTreeWidthOnly) {
    TempFolder folder;
    const std::string path = folder / "options.ini";
    WriteWindowOptions(path,
                       {WindowOptions::State::Normal, TRect::FromBounds(60, 50, 800, 400), 170});
    WriteWindowOptions(path,
                       {WindowOptions::State::Maximised, TRect::FromBounds(0, 0, 1280, 1024), 190});
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("PosSize", "WindowState", -1), 2);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Left", -1), 60);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Top", -1), 50);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Width", -1), 800);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Height", -1), 400);
    EXPECT_EQ(ini.ReadInteger("PosSize", "TreeWidth", -1), 190);
}

TEST(WindowOptions, AFileThatCannotBeWrittenIsAnError) {
    TempFolder folder;
    const std::string path = folder / "missing\\options.ini";
    EXPECT_THROW(WriteWindowOptions(path, kDesigned), Exception);
}
