#include "toolkit/Files.h"

#include "support/TempFolder.h"
#include "support/TextLines.h"
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

TEST(Files, ReadIfPresentIsNothingOnlyForAFileThatIsNotThere) {
    TempFolder dir;
    WriteFileBytes(dir / "x.dat", "1:2:3\r\n");
    EXPECT_EQ(ReadFileIfPresent(dir / "x.dat"), "1:2:3\r\n");
    EXPECT_EQ(ReadFileIfPresent(dir / "y.dat"), std::nullopt);
    EXPECT_EQ(ReadFileIfPresent(dir / "none\\y.dat"), std::nullopt);
    CreateDirectoryW(Widen(dir / "z.dat").c_str(), nullptr);
    EXPECT_THROW((void)ReadFileIfPresent(dir / "z.dat"), Exception); // a folder is no file
    FileHandle lock(CreateFileW(Widen(dir / "x.dat").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_THROW((void)ReadFileIfPresent(dir / "x.dat"), Exception);
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

// The file system matches "*.dat" against generated short names too
// ("26-12-08.data" is 26-1~0NE.DAT): only the names themselves count.
TEST(ListFolder, NamesOnlyTheirShortNamesMatchAreLeftOut) {
    TempFolder dir;
    for (const char* name : {"26-12-08.data", "abcdefghij.dat", "26-12-08.DAT.tmp", "X.DAT"})
        WriteFileBytes(dir / name, "");
    EXPECT_THAT(ListFolder(dir.Path(), "*.dat"), ElementsAre("X.DAT", "abcdefghij.dat"));
    EXPECT_THAT(ListFolder(dir.Path(), "*.DA?"), ElementsAre("X.DAT", "abcdefghij.dat"));
    EXPECT_THAT(ListFolder(dir.Path(), "26-12-*.dat"), ElementsAre());
}

TEST(NameMatches, StarsQuestionMarksAndCase) {
    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
        bool matches;
    } cases[] = {
        {L"26-12-08.dat", L"*.dat", true},
        {L"26-12-08.DAT", L"*.dat", true},
        {L"26-12-08.data", L"*.dat", false},
        {L"26-12-08.dat.tmp", L"*.dat", false},
        {L"26-12-08.dat", L"26-12-*.dat", true},
        {L"26-12-8.dat", L"26-12-*.dat", true},
        {L"26-11-08.dat", L"26-12-*.dat", false},
        {L"a.dat.dat", L"*.dat", true},
        {L"x", L"?", true},
        {L"", L"?", false},
        {L"anything", L"*", true},
        {L"", L"*", true},
        {L"26-12-08.dat", L"26-12-08.dat", true},
        {L"26-12-08.dat", L"26-12-09.dat", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NameMatches(c.name, c.pattern), c.matches)
            << Narrow(c.name) << " ~ " << Narrow(c.pattern);
}
