// Log-off and shut-down with the main window. The end of a session ends the
// application's message loop for good, so it has a test executable of its own.
#include "MainTrayFixture.h"

#include "support/TextLines.h"
#include "toolkit/Handle.h"
#include "toolkit/IniFile.h"

// The window agrees to end the session whatever the quit flag; when the
// session goes on after all, nothing changes; when it ends, the day and the
// settings are saved as at a confirmed quit, without a box, and the program
// ends.
TEST_F(MainTrayTest, TheSessionEndsWithTheDayAndTheSettingsSaved) {
    auto form = Start();
    const std::string before = ReadFile(history + "26-12-08.dat");
    form->Show();
    form->Log().StoreMinute(601, 5, 2);

    EXPECT_EQ(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(form->Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(Shown(*form));
    EXPECT_FALSE(IsIconic(Application().Handle()));
    EXPECT_EQ(ReadFile(history + "26-12-08.dat"), before);
    EXPECT_FALSE(FileExists(options));
    EXPECT_FALSE(Application().Terminated());

    SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ReadTextLines(history + "26-12-08.dat")[601], "5:2:0");
    TIniFile ini(options);
    EXPECT_EQ(ini.ReadInteger("PosSize", "WindowState", -1), 1);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Width", -1), form->Width());
    EXPECT_EQ(ini.ReadInteger("PosSize", "TreeWidth", -1), 150);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(Application().Terminated());
}

// A day file that cannot be written at the end of the session: no box waits
// for an answer nobody gives; the settings are still written.
TEST_F(MainTrayTest, AFailedSaveAtTheEndOfTheSessionShowsNoBox) {
    auto form = Start();
    form->Log().StoreMinute(601, 5, 2);
    FileHandle held = Hold(history + "26-12-08.dat");
    ASSERT_TRUE(held);
    SendMessageW(form->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(FileExists(options));
}
