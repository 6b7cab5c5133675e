#include "toolkit/IniFile.h"

#include "support/TempFolder.h"
#include "toolkit/Exception.h"

#include <gtest/gtest.h>

TEST(TIniFile, AMissingFileOrKeyGivesTheDefault) {
    TempFolder folder;
    TIniFile ini(folder / "options.ini");
    EXPECT_EQ(ini.ReadInteger("PosSize", "Top", 110), 110);
    EXPECT_EQ(ini.ReadString("PosSize", "Top", "x"), "x");
    WriteFile(folder / "options.ini", "[PosSize]\r\nLeft=5\r\n");
    EXPECT_EQ(ini.ReadInteger("PosSize", "Top", 110), 110);
    EXPECT_EQ(ini.ReadInteger("Other", "Left", 1), 1);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Left", 1), 5);
}

TEST(TIniFile, GarbageValuesFallBackToTheDefault) {
    TempFolder folder;
    struct Case {
        const char* text;
        int expected;
    } cases[] = {{"12abc", 7},
                 {"", 7},
                 {"  -3  ", -3},
                 {"99999999999", 7},
                 {"0x10", 7},
                 {"1.5", 7},
                 {"+", 7},
                 {"2147483647", 2147483647},
                 {"-2147483648", INT32_MIN},
                 {"\xff\xfe garbage", 7},
                 {"4 4", 7}};
    for (const Case& c : cases) {
        WriteFile(folder / "options.ini", std::string("[PosSize]\r\nWidth=") + c.text + "\r\n");
        TIniFile ini(folder / "options.ini");
        EXPECT_EQ(ini.ReadInteger("PosSize", "Width", 7), c.expected) << c.text;
    }
}

TEST(TIniFile, WrittenValuesReadBackAndKeepTheRestOfTheFile) {
    TempFolder folder;
    WriteFile(folder / "options.ini", "[Other]\r\nKeep=yes\r\n");
    TIniFile ini(folder / "options.ini");
    ini.WriteInteger("PosSize", "WindowState", 2);
    ini.WriteInteger("PosSize", "Top", -8);
    std::string longText(1000, 'x');
    ini.WriteString("PosSize", "Long", longText);
    ini.WriteInteger("PosSize", "Top", 12);
    EXPECT_EQ(ini.ReadInteger("PosSize", "WindowState", 1), 2);
    EXPECT_EQ(ini.ReadInteger("PosSize", "Top", 0), 12);
    EXPECT_EQ(ini.ReadString("PosSize", "Long", ""), longText);
    EXPECT_EQ(ini.ReadString("Other", "Keep", ""), "yes");
}

TEST(TIniFile, AFileThatCannotBeWrittenIsAnError) {
    TempFolder folder;
    std::string path = folder / "missing\\options.ini";
    TIniFile ini(path);
    try {
        ini.WriteInteger("PosSize", "Top", 1);
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + path);
    }
}
