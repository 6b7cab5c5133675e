// A main window that cannot be made: the error is shown in the standard error
// box, nothing is written, and the program ends with a non-zero exit code.
// The built program runs in a folder of its own; the test reads its box and
// answers it. The box takes the foreground, so the test holds the desktop.
#include "app/RunProgram.h"

#include "support/TempFolder.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

namespace {
std::string Text(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return Narrow(text);
}

struct Box {
    HWND window = nullptr;
    DWORD process = 0;
};

// The message box of a process, once it is on screen.
HWND MessageBoxOf(DWORD process) {
    Box box{nullptr, process};
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto& wanted = *reinterpret_cast<Box*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (owner == wanted.process && std::wstring(cls) == L"#32770" &&
                IsWindowVisible(hwnd)) {
                wanted.window = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    return box.window;
}
} // namespace

TEST(RunProgram, AnErrorThatEndsTheProgramIsShownWithTheTitle) {
    RecordingMessageSink sink;
    Application().SetMessageSink(&sink);
    EXPECT_EQ(RunProgram([] { throw Exception("Could not find or load ostrelle.dll"); }), 1);
    EXPECT_EQ(RunProgram([] {}), 0);
    Application().SetMessageSink(nullptr);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Could not find or load ostrelle.dll");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    EXPECT_EQ(sink.messages[0].flags & MB_ICONERROR, unsigned(MB_ICONERROR));
}

class StartupError : public ::testing::TestWithParam<const char*> {};

// The program's folder holds no hook library, or one that is no library.
TEST_P(StartupError, IsShownAndTheProgramEndsWritingNothing) {
    TempFolder folder;
    const std::string exe = folder / "Tallyvane.exe";
    ASSERT_TRUE(CopyFileW(Widen(ExecutableFolder() + "..\\..\\app\\Tallyvane.exe").c_str(),
                          Widen(exe).c_str(), TRUE));
    CreateDirectoryW(Widen(folder / "history").c_str(), nullptr);
    const std::string library = GetParam();
    if (!library.empty())
        WriteFile(folder / "ostrelle.dll", library);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring command = L"\"" + Widen(exe) + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               Widen(folder.Path()).c_str(), &startup, &info));
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);

    // Waits for the box to appear, or for the program to end without one.
    HWND box = nullptr;
    for (int i = 0; i < 600 && !box; ++i)
        if (!(box = MessageBoxOf(info.dwProcessId)) &&
            WaitForSingleObject(process.Get(), 50) == WAIT_OBJECT_0)
            break;
    ASSERT_NE(box, nullptr) << "the program ended without a word";
    EXPECT_EQ(Text(box), "Ostrelle");
    EXPECT_EQ(Text(GetDlgItem(box, 0xFFFF)), "Could not find or load ostrelle.dll");
    PostMessageW(box, WM_COMMAND, IDOK, 0);

    ASSERT_EQ(WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    EXPECT_EQ(code, 1u);
    EXPECT_FALSE(FileExists(folder / "options.ini"));
    EXPECT_TRUE(ListFolder(folder / "history\\", "*").empty());
}

INSTANTIATE_TEST_SUITE_P(Library, StartupError, ::testing::Values("", "MZ this is no library"),
                         [](const auto& info) { return info.index == 0 ? "Missing" : "Broken"; });
