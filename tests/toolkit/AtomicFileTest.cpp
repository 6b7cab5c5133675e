#include "toolkit/AtomicFile.h"

#include "support/TempFolder.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using ::testing::StartsWith;

namespace {
std::string Content(char fill, size_t size) {
    return std::string(size, fill);
}

FileHandle OpenWithoutSharing(const std::string& path) {
    return FileHandle(
        CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}
} // namespace

TEST(SaveFileAtomically, ReplacesTheWholeContentAndLeavesNoTemporaryFile) {
    TempFolder dir;
    const std::string path = dir / "26-12-09.dat";
    WriteFile(path, Content('a', 40000));
    SaveFileAtomically(path, "1:2:3\r\n");
    EXPECT_EQ(ReadFile(path), "1:2:3\r\n");
    EXPECT_FALSE(FileExists(TempFileNameFor(path)));
    SaveFileAtomically(dir / "new.dat", "x");
    EXPECT_EQ(ReadFile(dir / "new.dat"), "x");
}

// A reader that polls the file during thousands of saves must always find it,
// and always whole: one of the two contents, never a mix or a short file.
TEST(SaveFileAtomically, AReaderNeverFindsTheFileMissingOrShort) {
    TempFolder dir;
    const std::string path = dir / "day.dat";
    const std::string a = Content('a', 20000), b = Content('b', 20000);
    SaveFileAtomically(path, a);

    std::atomic<bool> done{false};
    std::atomic<int> reads{0}, missing{0}, torn{0};
    std::thread observer([&] {
        const std::wstring wide = Widen(path);
        std::string buffer(40000, '\0');
        while (!done) {
            FileHandle f(CreateFileW(wide.c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr));
            if (!f) {
                DWORD e = GetLastError();
                if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND)
                    ++missing;
                continue;
            }
            DWORD got = 0;
            ReadFile(f.Get(), buffer.data(), DWORD(buffer.size()), &got, nullptr);
            std::string_view seen(buffer.data(), got);
            ++reads;
            if (seen != a && seen != b)
                ++torn;
            f.Reset();
            Sleep(1);
        }
    });
    // A reader holding the file open makes a rename wait and, past the
    // retries, give up for this time; that is allowed, a torn file is not.
    const int saves = 2000;
    int failures = 0;
    for (int i = 0; i < saves; ++i) {
        try {
            SaveFileAtomically(path, i % 2 ? a : b);
        } catch (const Exception&) {
            ++failures; // the reader held the file through every retry
        }
    }
    done = true;
    observer.join();
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(torn, 0);
    EXPECT_GT(reads, 100);
    EXPECT_LT(failures, saves / 10);
    EXPECT_TRUE(ReadFile(path) == a || ReadFile(path) == b);
}

// A crash at any step of a save leaves the old or the new content exactly.
class SaveCrash : public ::testing::TestWithParam<SaveStep> {};

TEST_P(SaveCrash, LeavesTheOldOrTheNewContent) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The crashing save runs in a child process that runs this test again, so
    // both must find the same folder.
    TempFolder dir("save-crash-" + std::to_string(int(GetParam())));
    const std::string path = dir / "day.dat";
    const std::string before = Content('o', 30000), after = Content('n', 30001);
    WriteFile(path, before);
    const SaveStep crashAt = GetParam();
    EXPECT_EXIT(SaveFileAtomically(path, after,
                                   [&](SaveStep s) {
                                       if (s == crashAt)
                                           TerminateProcess(GetCurrentProcess(), 7);
                                   }),
                ::testing::ExitedWithCode(7), "");
    const std::string now = ReadFile(path);
    EXPECT_TRUE(now == (crashAt == SaveStep::Renamed ? after : before))
        << "found " << now.size() << " bytes";
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SaveCrash,
                         ::testing::Values(SaveStep::TempCreated, SaveStep::HalfWritten,
                                           SaveStep::Flushed, SaveStep::BeforeRename,
                                           SaveStep::Renamed));

TEST(SaveFileAtomically, ATargetHeldOpenFailsCleanlyAndKeepsTheOldContent) {
    TempFolder dir;
    const std::string path = dir / "day.dat";
    WriteFile(path, "old");
    {
        FileHandle lock = OpenWithoutSharing(path);
        ASSERT_TRUE(lock);
        try {
            SaveFileAtomically(path, "new");
            FAIL() << "saved over a held file";
        } catch (const Exception& e) {
            EXPECT_THAT(e.Message(), StartsWith("Cannot create file \"" + path + "\". "));
        }
        EXPECT_FALSE(FileExists(TempFileNameFor(path)));
    }
    EXPECT_EQ(ReadFile(path), "old");
    SaveFileAtomically(path, "new");
    EXPECT_EQ(ReadFile(path), "new");
}

TEST(SaveFileAtomically, AHolderThatLetsGoWithinTheRetriesDoesNotFailTheSave) {
    TempFolder dir;
    const std::string path = dir / "day.dat";
    WriteFile(path, "old");
    FileHandle lock = OpenWithoutSharing(path);
    std::thread release([&] {
        Sleep(10);
        lock.Reset();
    });
    SaveFileAtomically(path, "new");
    release.join();
    EXPECT_EQ(ReadFile(path), "new");
}

TEST(SaveFileAtomically, AMissingFolderGivesTheCreateError) {
    TempFolder dir;
    const std::string path = dir / "gone\\day.dat";
    EXPECT_THROW(SaveFileAtomically(path, "x"), Exception);
    EXPECT_FALSE(FileExists(path));
}

TEST(SaveFileAtomically, AReadOnlyTargetIsNotReplaced) {
    TempFolder dir;
    const std::string path = dir / "day.dat";
    WriteFile(path, "old");
    SetFileAttributesW(Widen(path).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(SaveFileAtomically(path, "new"), Exception);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_FALSE(FileExists(TempFileNameFor(path)));
}
