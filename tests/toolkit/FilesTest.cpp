#include "toolkit/Files.h"

#include "support/TempFolder.h"
#include "toolkit/Exception.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(SplitTextLines, TakesEveryKindOfLineEnd) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitTextLines(c.text), c.lines) << c.text;
}

TEST(Files, ReadsWhatWasWritten) {
    TempFolder dir;
    WriteFileBytes(dir / "x.txt", std::string("1:2:3\r\n\0z", 9));
    EXPECT_EQ(ReadFileBytes(dir / "x.txt"), std::string("1:2:3\r\n\0z", 9));
    EXPECT_TRUE(FileExists(dir / "x.txt"));
    EXPECT_FALSE(FileExists(dir / "y.txt"));
    EXPECT_FALSE(FileExists(dir.Path())); // a folder is no file
}

TEST(Files, OpenAndCreateErrorsNameThePathAndTheReason) {
    TempFolder dir;
    const std::string missing = dir / "none\\x.dat";
    try {
        ReadFileBytes(missing);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_THAT(e.Message(), StartsWith("Cannot open file \"" + missing + "\". "));
        EXPECT_GT(e.Message().size(), ("Cannot open file \"" + missing + "\". ").size());
    }
    try {
        WriteFileBytes(missing, "x");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_THAT(e.Message(), StartsWith("Cannot create file \"" + missing + "\". "));
    }
}

TEST(Files, ALockedFileCannotBeRead) {
    TempFolder dir;
    WriteFileBytes(dir / "l.dat", "1:1:1\r\n");
    FileHandle lock(CreateFileW(Widen(dir / "l.dat").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_THROW(ReadFileBytes(dir / "l.dat"), Exception);
}

TEST(ListFolder, ListsMatchesInNameOrderWithEveryAttribute) {
    TempFolder dir;
    for (const char* name : {"26-12-08.dat", "26-11-30.dat", "notes.txt", "26-12-01.dat",
                             "26-12-01.dat.tmp", "26-12-01.dat.broken"})
        WriteFileBytes(dir / name, "");
    CreateDirectoryW(Widen(dir / "27-01-01.dat").c_str(), nullptr);
    SetFileAttributesW(Widen(dir / "26-12-01.dat").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    EXPECT_THAT(ListFolder(dir.Path(), "*.dat"),
                ElementsAre("26-11-30.dat", "26-12-01.dat", "26-12-08.dat", "27-01-01.dat"));
    EXPECT_THAT(ListFolder(dir / "missing\\", "*.dat"), ElementsAre());
}
