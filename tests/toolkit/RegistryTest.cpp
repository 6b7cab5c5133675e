#include "toolkit/Registry.h"

#include "toolkit/Exception.h"

#include <gtest/gtest.h>

namespace {
const char kTestKey[] = "Software\\TallyvaneTest\\Run";

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override {
        TRegistry cleanup;
        cleanup.DeleteKey("Software\\TallyvaneTest");
    }
};
} // namespace

TEST_F(RegistryTest, OpensWithCreateWritesAndReadsAString) {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.OpenKey(kTestKey, false));
    ASSERT_TRUE(reg.OpenKey(kTestKey, true));
    EXPECT_FALSE(reg.ValueExists("User Ostrelle"));
    EXPECT_EQ(reg.ReadString("User Ostrelle"), "");
    reg.WriteString("User Ostrelle", "C:\\Program Files\\Tallyvane\\Tallyvane.exe");
    reg.CloseKey();

    TRegistry again;
    ASSERT_TRUE(again.OpenKey(kTestKey, false));
    EXPECT_TRUE(again.ValueExists("User Ostrelle"));
    EXPECT_EQ(again.ReadString("User Ostrelle"), "C:\\Program Files\\Tallyvane\\Tallyvane.exe");
    EXPECT_TRUE(again.DeleteValue("User Ostrelle"));
    EXPECT_FALSE(again.ValueExists("User Ostrelle"));
}

TEST_F(RegistryTest, WritingWithoutAnOpenKeyFailsWithTheRegistryText) {
    TRegistry reg;
    try {
        reg.WriteString("User Ostrelle", "x");
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'User Ostrelle'");
    }
    // A key opened only for reading refuses the write the same way.
    ASSERT_TRUE(reg.OpenKey(kTestKey, true));
    reg.CloseKey();
    TRegistry readOnly(KEY_READ);
    ASSERT_TRUE(readOnly.OpenKey(kTestKey, false));
    EXPECT_THROW(readOnly.WriteString("User Ostrelle", "x"), Exception);
    EXPECT_FALSE(readOnly.ValueExists("User Ostrelle"));
}

TEST_F(RegistryTest, ANonStringValueIsNotReadAsText) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kTestKey, true));
    DWORD number = 5;
    RegSetValueExW(reg.CurrentKey(), L"Number", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number),
                   sizeof number);
    try {
        (void)reg.ReadString("Number");
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'Number'");
    }
}
