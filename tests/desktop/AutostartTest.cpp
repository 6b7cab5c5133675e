#include "desktop/Autostart.h"

#include "support/RegistryRoot.h"
#include "toolkit/Exception.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <shellapi.h>

namespace {
// A folder with blanks in its name, where an unquoted command line would
// start "C:\Program.exe" first.
const std::string kProgram = "C:\\Program Files\\My Tools\\Tallyvane.exe";

// The program Windows starts for a Run value: the command line's first
// argument as the shell splits it.
std::string ProgramStartedBy(const std::string& command) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(Widen(command).c_str(), &count);
    std::string program = count > 0 ? Narrow(arguments[0]) : "";
    LocalFree(arguments);
    return count == 1 ? program : std::to_string(count) + " arguments";
}
} // namespace

class AutostartTest : public ::testing::Test {
protected:
    RegistryRoot machine{"machine"};
    RegistryRoot user{"user"};
};

TEST_F(AutostartTest, TheMachineWideKeyTakesTheQuotedPathWhenItCan) {
    Autostart(machine.Get(), user.Get()).Register(kProgram);
    EXPECT_EQ(machine.Read(kRunKey, kRunValue), "\"" + kProgram + "\"");
    EXPECT_EQ(ProgramStartedBy(*machine.Read(kRunKey, kRunValue)), kProgram);
    EXPECT_EQ(user.Read(kRunKey, kRunValue), std::nullopt);
    EXPECT_TRUE(Autostart(machine.Get(), user.Get()).Registered());
}

// A standard user: the machine-wide key is refused, the user's own takes
// the same value.
TEST_F(AutostartTest, WhereTheMachineWideKeyIsRefusedTheUsersKeyTakesIt) {
    const Autostart autostart(kRefusedRoot, user.Get());
    EXPECT_FALSE(autostart.Registered());
    autostart.Register(kProgram);
    EXPECT_EQ(user.Read(kRunKey, kRunValue), "\"" + kProgram + "\"");
    EXPECT_TRUE(autostart.Registered());
}

TEST_F(AutostartTest, WhenBothKeysAreRefusedTheRegistrySaysSo) {
    try {
        Autostart(kRefusedRoot, kRefusedRoot).Register(kProgram);
        ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Failed to set data for 'User Ostrelle'");
    }
    EXPECT_FALSE(Autostart(kRefusedRoot, kRefusedRoot).Registered());
}

// Earlier versions wrote the path without quotes; the value counts in
// either key whatever its data.
TEST_F(AutostartTest, TheValueIsFoundInEitherKeyQuotedOrNot) {
    struct Case {
        bool inMachineKey;
        std::string data;
    } cases[] = {
        {true, kProgram},  {true, "\"" + kProgram + "\""},
        {false, kProgram}, {false, "\"" + kProgram + "\""},
        {false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.inMachineKey ? "machine-wide: " : "user's: ") + c.data);
        RegistryRoot machineRoot("machine-case");
        RegistryRoot userRoot("user-case");
        EXPECT_FALSE(Autostart(machineRoot.Get(), userRoot.Get()).Registered());
        (c.inMachineKey ? machineRoot : userRoot).Write(kRunKey, kRunValue, c.data);
        EXPECT_TRUE(Autostart(machineRoot.Get(), userRoot.Get()).Registered());
        if (!c.inMachineKey) {
            EXPECT_TRUE(Autostart(kRefusedRoot, userRoot.Get()).Registered());
        }
    }
}

// Another value of the same key is not the program's.
TEST_F(AutostartTest, OtherValuesOfTheRunKeyDoNotCount) {
    machine.Write(kRunKey, "User Ostrelle 2", kProgram);
    user.Write(kRunKey, "Something else", kProgram);
    EXPECT_FALSE(Autostart(machine.Get(), user.Get()).Registered());
}
