#include "desktop/FolderInstance.h"

#include "support/PumpMessages.h"
#include "support/TempFolder.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <thread>

namespace {
std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

std::string WithoutTrailingBackslash(const std::string& folder) {
    return folder.substr(0, folder.size() - 1);
}

// A start from `folder` as another process makes it. The mutex belongs to
// the thread that owns it, so another thread stands in for another process.
struct OtherStart {
    bool first = false;
    bool askedTheFirst = false;
};
OtherStart StartFrom(const std::string& folder) {
    OtherStart result;
    std::thread([&] {
        FolderInstance other(folder);
        result.first = other.First();
        if (!other.First())
            result.askedTheFirst = other.ShowFirst();
    }).join();
    return result;
}
} // namespace

class FolderInstanceTest : public ::testing::Test {
protected:
    FolderInstanceTest() { CreateDirectoryW(Widen(root / "sub").c_str(), nullptr); }
    TempFolder root;
};

TEST_F(FolderInstanceTest, EverySpellingOfAFolderHasOneNameAndOtherFoldersOthers) {
    const std::wstring name = FolderInstanceName(root.Path());
    const std::string spellings[] = {
        WithoutTrailingBackslash(root.Path()),
        Upper(root.Path()),
        root / "sub\\..\\",
        root / "SUB\\..",
    };
    for (const std::string& spelling : spellings) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(FolderInstanceName(spelling), name);
    }
    EXPECT_NE(FolderInstanceName(root / "sub\\"), name);
    EXPECT_EQ(FolderInstanceName(root / "sub\\"), FolderInstanceName(Upper(root / "sub")));
    // Kernel object names hold no backslash and no more than MAX_PATH.
    EXPECT_EQ(name.find(L'\\'), std::wstring::npos);
    EXPECT_LT(name.size(), size_t(MAX_PATH));
    // A folder that cannot be opened still has a name of its own.
    EXPECT_EQ(FolderInstanceName(root / "gone\\"), FolderInstanceName(Upper(root / "gone")));
    EXPECT_NE(FolderInstanceName(root / "gone\\"), name);
}

TEST_F(FolderInstanceTest, OnlyTheFirstStartOfAFolderRuns) {
    {
        FolderInstance first(root.Path());
        EXPECT_TRUE(first.First());
        EXPECT_FALSE(StartFrom(root.Path()).first);
        EXPECT_FALSE(StartFrom(Upper(WithoutTrailingBackslash(root.Path()))).first);
        EXPECT_TRUE(StartFrom(root / "sub\\").first); // another folder runs beside it
    }
    // Once the first has ended, the next start is the first again, also
    // after a later start had the mutex open.
    EXPECT_TRUE(StartFrom(root.Path()).first);
}

TEST_F(FolderInstanceTest, ALaterStartHasTheFirstShowItself) {
    FolderInstance first(root.Path());
    int shown = 0;
    first.OnShowRequest([&] { ++shown; });
    EXPECT_TRUE(StartFrom(root.Path()).askedTheFirst);
    EXPECT_TRUE(PumpUntil([&] { return shown == 1; }));
    EXPECT_TRUE(StartFrom(root.Path()).askedTheFirst);
    EXPECT_TRUE(PumpUntil([&] { return shown == 2; }));
}

// A request that comes while the first copy is still being made (its
// start-up shows a box, whose loop handles it) is kept until the copy can
// show itself.
TEST_F(FolderInstanceTest, ARequestBeforeTheFirstCanShowItselfIsKept) {
    FolderInstance first(root.Path());
    EXPECT_TRUE(StartFrom(root.Path()).askedTheFirst);
    Application().ProcessMessages();
    int shown = 0;
    first.OnShowRequest([&] { ++shown; });
    EXPECT_TRUE(PumpUntil([&] { return shown == 1; }));
    Application().ProcessMessages();
    EXPECT_EQ(shown, 1);
}
